; The Windows installer: Rechnado for the user who installs it, without administrator rights, into
; %LOCALAPPDATA%\Programs\Rechnado, with a Start-menu entry and an entry under "Apps & Features".
; scripts/build-windows passes in (-D): VERSION, PRODUCT_NAME, INTERNAL_NAME, PUBLISHER, COPYRIGHT,
; STAGE (the folder to install), ICON, LICENCE (UTF-8 text with BOM and CRLF), SIZE_KB, OUTFILE, and
; FILES and UNFILES: the generated lists that install and remove exactly the files of STAGE.
Unicode true
Target amd64-unicode
ManifestDPIAware true
SetCompressor /SOLID lzma

!include MUI2.nsh
!include LogicLib.nsh

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${INTERNAL_NAME}"

Name "${PRODUCT_NAME}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\${INTERNAL_NAME}"
; Installed again, Rechnado stays where it is, also where /D= once put it.
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
RequestExecutionLevel user
ShowInstDetails hide
ShowUninstDetails hide

VIProductVersion "${VERSION}"
VIFileVersion "${VERSION}"
VIAddVersionKey /LANG=1031 "ProductName" "${PRODUCT_NAME}"
VIAddVersionKey /LANG=1031 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1031 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1031 "FileDescription" "${PRODUCT_NAME} Setup"
VIAddVersionKey /LANG=1031 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=1031 "LegalCopyright" "${COPYRIGHT}"
VIAddVersionKey /LANG=1031 "InternalName" "${INTERNAL_NAME}"
VIAddVersionKey /LANG=1031 "OriginalFilename" "rechnado-${VERSION}-setup.exe"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\rechnado.exe"

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_LICENSE "${LICENCE}"
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "German"

; A running program's files can be neither replaced nor removed; Windows refuses to open a running
; exe for writing, which tells that it runs. Until it is closed nothing is changed: the user may
; close it and retry, a silent run ends with exit code 2. Takes the folder on the stack.
!macro WAIT_CLOSED UN
Function ${UN}WaitClosed
    Exch $R0
    Push $R1
    retry:
    ${If} ${FileExists} "$R0\rechnado.exe"
        ClearErrors
        FileOpen $R1 "$R0\rechnado.exe" a
        ${If} ${Errors}
            MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "Rechnado läuft noch. Bitte beenden Sie Rechnado und klicken Sie dann auf „Wiederholen“." /SD IDCANCEL IDRETRY retry
            SetErrorLevel 2
            Quit
        ${EndIf}
        FileClose $R1
    ${EndIf}
    Pop $R1
    Pop $R0
FunctionEnd
!macroend
!insertmacro WAIT_CLOSED ""
!insertmacro WAIT_CLOSED "un."

; A folder given with /D= that holds anything but an earlier Rechnado is someone else's: nothing goes
; into it, since uninstalling would take its files along.
Function .onInit
    SetShellVarContext current
    ReadRegStr $0 HKCU "${UNINSTALL_KEY}" "InstallLocation"
    ${If} $0 != ""
        Push $0
        Call WaitClosed
    ${EndIf}
    Push $INSTDIR
    Call WaitClosed
    ; Rechnado's own folder, the one it is installed in, or one with an earlier Rechnado in it.
    ${If} $INSTDIR == "$LOCALAPPDATA\Programs\${INTERNAL_NAME}"
    ${OrIf} $INSTDIR == $0
        Return
    ${EndIf}
    ${If} ${FileExists} "$INSTDIR\rechnado.exe"
    ${AndIf} ${FileExists} "$INSTDIR\Uninstall.exe"
        Return
    ${EndIf}
    FindFirst $1 $2 "$INSTDIR\*.*"
    ${DoWhile} $2 != ""
        ${If} $2 != "."
        ${AndIf} $2 != ".."
            FindClose $1
            MessageBox MB_OK|MB_ICONSTOP "Der Ordner „$INSTDIR“ ist nicht leer und enthält kein Rechnado. Bitte geben Sie einen neuen oder leeren Ordner an." /SD IDOK
            SetErrorLevel 2
            Quit
        ${EndIf}
        FindNext $1 $2
    ${Loop}
    FindClose $1
FunctionEnd

Function un.onInit
    SetShellVarContext current
    Push $INSTDIR
    Call un.WaitClosed
FunctionEnd

Section "Rechnado"
    SetShellVarContext current
    ; An earlier installation, of this version or an older one, is removed by its own uninstaller,
    ; which knows the files it installed. Run in place (_?=), it waits until it is done; it cannot
    ; remove itself then, so that is done here.
    ReadRegStr $0 HKCU "${UNINSTALL_KEY}" "InstallLocation"
    ${If} $0 != ""
    ${AndIf} ${FileExists} "$0\Uninstall.exe"
        ExecWait '"$0\Uninstall.exe" /S _?=$0' $1
        ${If} $1 != 0
            MessageBox MB_OK|MB_ICONSTOP "Das installierte Rechnado in „$0“ ließ sich nicht entfernen; vielleicht läuft es noch. Bitte beenden Sie Rechnado und starten Sie die Installation erneut." /SD IDOK
            SetErrorLevel 2
            Quit
        ${EndIf}
        Delete "$0\Uninstall.exe"
        RMDir "$0"
    ${EndIf}

    SetOutPath "$INSTDIR"
    !include "${FILES}"
    SetOutPath "$INSTDIR"
    WriteUninstaller "$INSTDIR\Uninstall.exe"
    CreateShortcut "$SMPROGRAMS\${INTERNAL_NAME}.lnk" "$INSTDIR\rechnado.exe" "" "$INSTDIR\rechnado.exe" 0

    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT_NAME}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\rechnado.exe,0"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" ${SIZE_KB}
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

; Exactly what the installer put there: its files, then its folders where they are empty, the
; shortcut and the key. Whatever else the user keeps in the folder stays, and the folder with it.
; The shortcut and the key belong to the installation they name: the uninstaller of a copy of the
; folder leaves them to it. Where no installation is registered, the shortcut can only be its own.
Section "Uninstall"
    SetShellVarContext current
    ; Once more: the program may have been started while the confirmation page was open.
    Push $INSTDIR
    Call un.WaitClosed
    !include "${UNFILES}"
    ; Started even in the moment between, it keeps its files: then the entry stays, and so do the
    ; shortcut and the uninstaller, to uninstall once it is closed.
    ${If} ${FileExists} "$INSTDIR\rechnado.exe"
        MessageBox MB_OK|MB_ICONSTOP "Rechnado läuft noch und wurde nicht vollständig entfernt. Bitte beenden Sie Rechnado und deinstallieren Sie es dann erneut." /SD IDOK
        SetErrorLevel 2
        Quit
    ${EndIf}
    Delete "$INSTDIR\Uninstall.exe"
    RMDir "$INSTDIR"
    ReadRegStr $0 HKCU "${UNINSTALL_KEY}" "InstallLocation"
    ${If} $0 == $INSTDIR
    ${OrIf} $0 == ""
        Delete "$SMPROGRAMS\${INTERNAL_NAME}.lnk"
        DeleteRegKey HKCU "${UNINSTALL_KEY}"
    ${EndIf}
SectionEnd
