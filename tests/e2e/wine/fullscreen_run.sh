#!/usr/bin/env bash
# quorvel.exe answered Yes: a window covering the screen; Escape, exit code 0.
source "$(dirname "$0")/wine.sh"

start_exe "$1"
wine_answer Quorvel y
window=$(wine_window Quorvel app 60) || fail "no demo window"
read -r width height x y <<<"$(window_geometry "$window")"
[ "$width $height $x $y" = "$(screen_size) 0 0" ] || fail "window ${width}x$height at $x,$y; the screen is $(screen_size)"
press "$window" Escape
wait_for_exit 15
[ "$DEMO_EXIT" -eq 0 ] || fail "exit code $DEMO_EXIT"
echo "full screen ${width}x$height; Escape, exit 0"
