#!/usr/bin/env bash
# Starts the real program on a real X server and uses it as a person would, with the real keyboard
# and mouse of the X server (xdotool): waits for the window "Rechnado v1.6", types 100 into Betrag 1
# and 19 into "% Prozent", presses the keypad's Enter, reads Betrag 2 back through the clipboard and
# checks its light-yellow result look on screen, then clicks "Exit" and expects exit status 0.
# Run under xvfb-run (DISPLAY set); the arguments are the command that starts the program.
# Needs xdotool, xclip and ImageMagick's import.
set -euo pipefail

"$@" &
pid=$!
trap 'kill $pid 2>/dev/null || true' EXIT
fail() { echo "smoke: $*"; exit 1; }

window=$(timeout 60 xdotool search --sync --onlyvisible --name '^Rechnado v1\.6$' | head -n 1)
[ -n "$window" ] || fail "no window 'Rechnado v1.6'"
sleep 1
xdotool windowfocus --sync "$window" 2>/dev/null || true

# The window opens with the focus in Betrag 1; "% Prozent" is two Tabs on.
xdotool type --delay 60 100
xdotool key --delay 60 Tab Tab
xdotool type --delay 60 19
xdotool key KP_Enter
sleep 0.5
# Back to Betrag 2, which selects its whole text, and copy it.
xdotool key --delay 100 shift+Tab ctrl+c
sleep 0.5
result=$(timeout 5 xclip -o -selection clipboard 2>/dev/null || true)
[ "$result" = "119,00" ] || fail "Betrag 2 reads '$result', not '119,00'"
# Betrag 2 lies at (240, 2040) twips, 15 twips a pixel: its left margin shows the result's light yellow.
colour=$(import -silent -window "$window" -crop 1x1+20+148 -depth 8 txt:- | grep -o '#[0-9A-F]\{6\}')
[ "$colour" = "#FFFFC0" ] || fail "Betrag 2 is drawn in $colour, not in the result style's #FFFFC0"
echo "smoke: window found, 100 and 19 typed, keypad Enter gives Betrag 2 $result in the result style"

# "Exit" lies in the frame at (60 + 2880 + 795/2, 0 + 3660 + 315/2) twips.
xdotool mousemove --window "$window" 222 254 click 1
for _ in $(seq 100); do
    kill -0 $pid 2>/dev/null || break
    sleep 0.1
done
kill -0 $pid 2>/dev/null && fail "the program did not end after Exit"
status=0
wait $pid || status=$?
trap - EXIT
echo "smoke: Exit pressed, exit status $status"
exit $status
