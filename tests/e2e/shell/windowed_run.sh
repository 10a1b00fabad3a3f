#!/usr/bin/env bash
# Answer No: a 1109 x 693 window centred on the screen; Alt+F4, a close request,
# ends it like Escape (the full-screen run's key) with exit code 0 and nothing
# on standard error.
source "$(dirname "$0")/../support/e2e.sh"

start_demo
answer_question Escape
window=$(wait_for_window Quorvel app) || fail "no demo window after answering No"
read -r width height x y < <(window_geometry "$window")
read -r screen_width screen_height < <(screen_size)
[ "$width" -eq 1109 ] && [ "$height" -eq 693 ] || fail "client area ${width}x${height}, expected 1109x693"
[ "$x" -eq $(( (screen_width - 1109) >> 1 )) ] && [ "$y" -eq $(( (screen_height - 693) >> 1 )) ] ||
  fail "window at $x,$y is not centred on ${screen_width}x${screen_height}"

wait_for_picture "$window"
press "$window" alt+F4
wait_for_exit 10
[ "$DEMO_EXIT" -eq 0 ] || fail "exit code $DEMO_EXIT"
[ ! -s "$DEMO_LOG" ] || fail "the demo wrote to standard error: $(cat "$DEMO_LOG")"
echo "windowed run: ${width}x${height} at $x,$y"
