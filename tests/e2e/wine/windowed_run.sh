#!/usr/bin/env bash
# quorvel.exe answered No: the question box titled "Quorvel", then a window
# "Quorvel" with a 1109 x 693 client area; Escape ends it with exit code 0
# about a second later (the closing fade). Argument: the executable.
source "$(dirname "$0")/wine.sh"

# Wine's trace times the closing fade: when the key came, when the context
# went. (Wine then waits 2 s for a window manager to withdraw the window, and
# Xvfb has none, so the process ends later.)
start_exe "$1" WINEDEBUG=-all,+timestamp,trace+msgbox,trace+key,trace+wgl
wine_answer Quorvel n
box_said "Run Fullscreen?" || fail "the question box did not ask \"Run Fullscreen?\""
window=$(wine_window Quorvel app 60) || fail "no demo window"
read -r width height _ <<<"$(window_geometry "$window")"
[ "${width}x$height" = 1109x693 ] || fail "client area ${width}x$height, expected 1109x693"

# Escape once the show is drawing: the fade needs frames to play in.
wait_for_picture "$window"
press "$window" Escape
wait_for_exit 15
[ "$DEMO_EXIT" -eq 0 ] || fail "exit code $DEMO_EXIT"
took=$(awk -F: '/KeyPress : keysym=ff1b/ && !key {key = $1} /wglMakeCurrent \(\(nil\),\(nil\)\)/ {print $1 - key; exit}' "$DEMO_LOG")
(( $(echo "${took:-0} >= 0.9 && ${took:-0} < 3.0" | bc) )) || fail "the demo ended ${took:-?} s after Escape, expected about 1 s"
echo "a 1109x693 window; Escape, the fade done after $took s, exit 0"
