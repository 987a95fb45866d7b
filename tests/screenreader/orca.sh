#!/usr/bin/env bash
# Runs the real program under the real screen reader, as a blind user meets it: Orca from Debian
# on the accessibility bus, a window manager, keys from the X keyboard (xdotool), and what Orca
# would speak read from its debug log (its lines "SPEECH OUTPUT: '...'"). Speech and braille are off.
# Each row of the table is a sequence of keys and the words that must then be spoken, in order.
# Run under xvfb-run (DISPLAY set); the arguments are the command that starts the program.
# Needs orca, openbox, at-spi2-core, dbus-daemon (dbus-run-session) and xdotool.
set -euo pipefail

if [ -z "${DBUS_SESSION_BUS_ADDRESS:-}" ]; then
    exec dbus-run-session -- "$0" "$@"
fi
# Orca runs once per user: a screen reader of the user's own is left alone, and the test skipped.
if pgrep -u "$(id -u)" -x orca >/dev/null; then
    echo "screen reader: an Orca of this user's runs already; skipped"
    exit 77
fi
work=$(mktemp -d)
pids=()
orca=
cleanup() {
    # The Orca this test started first, by its process id, and until it has gone, so that the next
    # Orca may start; no other process of the user's is touched.
    if [ -n "$orca" ]; then
        kill "$orca" 2>/dev/null || true
        for _ in $(seq 50); do
            kill -0 "$orca" 2>/dev/null || break
            sleep 0.1
        done
    fi
    kill "${pids[@]}" 2>/dev/null || true
    rm -rf "$work"
}
# The process named orca below a process of this test's (script runs it through a shell).
orca_below() {
    local child
    for child in $(pgrep -P "$1"); do
        if [ "$(ps -o comm= -p "$child")" = orca ]; then
            echo "$child"
            return
        fi
        orca_below "$child"
    done
}
trap cleanup EXIT
fail() {
    echo "screen reader: $*"
    echo "--- what Orca spoke:"
    sed -n "s/.*SPEECH OUTPUT: \(.*\){.*/\1/p" "$log"
    exit 1
}

# Orca's laptop keyboard layout, whose commands use Caps Lock: the desktop layout keeps the keypad
# for Orca's own review commands (its Enter is Where Am I), so the keypad would not type.
mkdir -p "$work/.local/share/orca"
layout='"keyboardLayout": 2, "orcaModifierKeys": ["Caps_Lock", "Shift_Lock"]'
cat >"$work/.local/share/orca/user-settings.conf" <<SETTINGS
{"general": {$layout}, "profiles": {"default": {"profile": ["Default", "default"], $layout}},
 "pronunciations": {}, "keybindings": {}}
SETTINGS
# Orca writes its log block-buffered into a file; onto a terminal it writes line by line. `script`
# gives it one and copies each line into the log at once.
log=$work/orca.log
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
pids+=($!)
openbox >/dev/null 2>&1 &
pids+=($!)
HOME=$work script -qfec "orca -d speech -d braille --debug-file=/dev/tty" "$log" >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 300); do
    [ -n "$orca" ] || orca=$(orca_below "${pids[-1]}")
    grep -q 'ORCA: Starting registry' "$log" 2>/dev/null && break
    sleep 0.1
done
[ -n "$orca" ] || orca=$(orca_below "${pids[-1]}")
grep -q 'ORCA: Starting registry' "$log" || { tail -n 20 "$log"; fail "Orca did not start"; }

"$@" >/dev/null 2>&1 &
pids+=($!)
window=$(timeout 60 xdotool search --sync --onlyvisible --name '^Rechnado v1\.6$' | head -n 1)
xdotool windowactivate --sync "$window" 2>/dev/null || xdotool windowfocus --sync "$window"
sleep 2

spoken() { sed -n "s/.*SPEECH OUTPUT: '\(.*\)'{.*/\1/p" "$log"; }

# keys; words spoken after them, in this order, and words after "!" that must not be spoken then.
# "Tab*10" is ten Tabs, "type:100" types 100. The clock changes every second, so Orca's log never
# falls silent: every key gets a fixed time.
rows=(
    "Tab*10; Betrag 2|% Prozent|Laufzeit|Zinssatz|Berechnen !|Neu|Sparplan|Exit|About|Betrag 1"
    "type:100 Tab Tab type:19 Return; Betrag 2 119,00|Differenz +19,00"
    "shift+Tab shift+Tab; Betrag 1|100 selected"
    "Tab*9 space; About...|OK push button"
    "Return Tab; Rechnado v1.6|Betrag 1|!119,00"
    "ctrl+m ctrl+m; Modus 1 von 2|Modus 1  zu  2"
    "Tab*7 space; Rechnado v1.6|Sparrate"
    "Tab*9; Anz. Raten pro Jahr|Laufzeit (Jahre)|% pro Jahr|Berechnen !|Neu|<- Back|Exit|About|Sparrate"
    "type:100 Tab type:12 Tab type:10 Tab type:5 KP_Enter; Anlagesumme 12000,00|Endsumme 15499,21|Gewinn (abs.) 3499,21"
    "Tab*5 space; About...|OK push button"
    "Escape; Rechnado v1.6|About push button|!Anlagesumme"
)
for row in "${rows[@]}"; do
    keys=${row%%;*}
    IFS='|' read -r -a words <<<"${row#*; }"
    before=$(spoken | wc -l)
    for key in $keys; do
        count=1
        [[ $key == *\** ]] && count=${key#*\*} key=${key%\**}
        for _ in $(seq "$count"); do
            case $key in
            type:*) xdotool type --delay 100 "${key#type:}" ;;
            *) xdotool key "$key" ;;
            esac
            sleep 1
        done
    done
    sleep 1
    heard=$(spoken | tail -n +"$((before + 1))" | tr '\n' ' ')
    all=$heard
    for word in "${words[@]}"; do
        if [[ $word == !* ]]; then
            [[ $all != *"${word#!}"* ]] || fail "after '$keys' Orca said '${word#!}' again"
            continue
        fi
        [[ $heard == *"$word"* ]] || fail "after '$keys' Orca did not say '$word'"
        heard=${heard#*"$word"}
    done
    echo "screen reader: $keys -> ${words[*]}"
done
