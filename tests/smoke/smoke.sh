#!/usr/bin/env bash
# Starts the real program on a real X server, waits for its window "Rechnado v1.6", presses "Exit"
# and expects the program to end with status 0. Run under xvfb-run (DISPLAY set).
set -euo pipefail
program=$1

QT_QPA_PLATFORM=xcb "$program" &
pid=$!
trap 'kill $pid 2>/dev/null || true' EXIT

window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Rechnado v1\.6$' | head -n 1)
[ -n "$window" ] || { echo "smoke: no window 'Rechnado v1.6'"; exit 1; }
sleep 0.3
# "Exit" lies in the frame at (60 + 2880 + 795/2, 0 + 3660 + 315/2) twips, 15 twips a pixel.
xdotool mousemove --window "$window" 222 254 click 1

for _ in $(seq 100); do
    kill -0 $pid 2>/dev/null || break
    sleep 0.1
done
if kill -0 $pid 2>/dev/null; then
    echo "smoke: the program did not end after Exit"
    exit 1
fi
wait $pid
status=$?
trap - EXIT
echo "smoke: window found, Exit pressed, exit status $status"
exit $status
