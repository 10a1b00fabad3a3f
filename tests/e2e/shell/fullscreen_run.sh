#!/usr/bin/env bash
# Answer Yes: a window covering the whole screen; Escape ends it with exit code 0.
source "$(dirname "$0")/../support/e2e.sh"

start_demo
answer_question Return

window=$(wait_for_window Quorvel app) || fail "no demo window after answering Yes"
read -r width height x y < <(window_geometry "$window")
read -r screen_width screen_height < <(screen_size)
[ "$width" -eq "$screen_width" ] && [ "$height" -eq "$screen_height" ] && [ "$x" -eq 0 ] && [ "$y" -eq 0 ] ||
  fail "window ${width}x${height} at $x,$y does not cover the ${screen_width}x${screen_height} screen"

wait_for_picture "$window"
press "$window" Escape
wait_for_exit 10
[ "$DEMO_EXIT" -eq 0 ] || fail "exit code $DEMO_EXIT"
echo "full-screen run: ${width}x${height}"
