#!/usr/bin/env bash
# A display that is named but not answering yet (an X server starting, or
# resetting as its last client left) is waited for: started half a second
# before its server, the demo asks its question there, and says nothing on
# standard error while it waits.
source "$(dirname "$0")/../support/e2e.sh"
require Xvfb

for number in $(seq 140 170); do
  [ -e "/tmp/.X11-unix/X$number" ] || [ -e "/tmp/.X$number-lock" ] || break
done
export DISPLAY=:$number
start_demo
sleep 0.5
Xvfb "$DISPLAY" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
# Xvfb ended gently takes its lock file with it, so the display number is free again.
trap 'kill -9 "$DEMO_PID" 2>/dev/null; kill "$xvfb" 2>/dev/null; wait "$xvfb" 2>/dev/null || true' EXIT
kill -0 "$DEMO_PID" 2>/dev/null || fail "the demo gave up on $DISPLAY before its server came: $(cat "$DEMO_LOG")"
answer_box Quorvel Escape 10
wait_for_window Quorvel app 30 >/dev/null || fail "no demo window on $DISPLAY"
[ ! -s "$DEMO_LOG" ] || fail "the demo wrote to standard error while it waited: $(sort -u "$DEMO_LOG")"
echo "the demo waited for $DISPLAY and asked its question there"
