# Cross-compiling for 64-bit Windows with Debian's MinGW-w64 (the POSIX-thread variant, which
# C++ threads need). The shared Qt is configured with this file and chain-loads it by path, so Qt's
# DLLs and Rechnado's exe are linked alike.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(triple x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${triple}-gcc-posix)
set(CMAKE_CXX_COMPILER ${triple}-g++-posix)
set(CMAKE_RC_COMPILER ${triple}-windres)
set(CMAKE_AR ${triple}-ar CACHE FILEPATH "")
set(CMAKE_RANLIB ${triple}-ranlib CACHE FILEPATH "")

set(CMAKE_FIND_ROOT_PATH /usr/${triple})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Every exe and DLL: the C and C++ runtimes and the thread library linked in (-static), so that
# beside the program lie only Qt's DLLs; address space layout randomisation with 64-bit entropy
# (which needs the relocation table that ld writes for it) and data execution prevention.
set(link_flags "-static -Wl,--dynamicbase,--high-entropy-va,--nxcompat")
set(CMAKE_EXE_LINKER_FLAGS_INIT "${link_flags}")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "${link_flags}")
set(CMAKE_MODULE_LINKER_FLAGS_INIT "${link_flags}")
