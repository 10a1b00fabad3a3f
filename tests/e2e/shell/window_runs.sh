#!/usr/bin/env bash
# Answer No: a 1109 x 693 window centred on the screen, which Alt+F4 (a close
# request) ends with exit code 0 and nothing on standard error. Answer Yes: a
# window covering the whole screen, which Escape ends with exit code 0.
source "$(dirname "$0")/../support/e2e.sh"

read -r screen_width screen_height < <(screen_size)
for answer in Escape Return; do
  start_demo
  answer_question "$answer"
  window=$(wait_for_window Quorvel app) || fail "no demo window after answering with $answer"
  read -r width height x y < <(window_geometry "$window")
  if [ "$answer" = Escape ]; then
    expected="1109 693 $(( (screen_width - 1109) >> 1 )) $(( (screen_height - 693) >> 1 ))" key=alt+F4
  else
    expected="$screen_width $screen_height 0 0" key=Escape
  fi
  [ "$width $height $x $y" = "$expected" ] || fail "answer $answer: window ${width}x${height} at $x,$y, not $expected"
  wait_for_picture "$window"
  press "$window" "$key"
  wait_for_exit 10
  [ "$DEMO_EXIT" -eq 0 ] || fail "answer $answer: exit code $DEMO_EXIT"
  [ "$answer" = Return ] || [ ! -s "$DEMO_LOG" ] || fail "the demo wrote to standard error: $(cat "$DEMO_LOG")"
  echo "answer $answer: ${width}x${height} at $x,$y, ended by $key"
done
