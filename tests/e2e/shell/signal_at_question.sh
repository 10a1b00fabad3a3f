#!/usr/bin/env bash
# SIGTERM to the demo, or Ctrl+C's SIGINT to its process group, while it asks
# "Run Fullscreen?": it ends at once with exit code 0, and nothing of it is
# left, neither a process of its session nor the box.
source "$(dirname "$0")/../support/e2e.sh"

# Nothing of the session is alive: the box's process would be one of it. (A
# process that has ended counts as gone, though no one may have reaped it.)
session_alive() { ps -o pid=,stat=,args= -s "$DEMO_PID" | awk '$2 !~ /^Z/'; }
session_gone() { [ -z "$(session_alive)" ]; }
box_shown() { viewable_windows Quorvel box >/dev/null; }

for signal in TERM INT; do
  # In a session of its own, as a terminal would start it: the demo leads its
  # process group, and the group is what Ctrl+C signals.
  DEMO_SESSION=1 start_demo
  wait_for_window Quorvel box 30 >/dev/null || fail "no question"
  if [ "$signal" = TERM ]; then kill -TERM "$DEMO_PID"; else kill -INT -- "-$DEMO_PID"; fi
  wait_for_exit 3
  [ "$DEMO_EXIT" -eq 0 ] || fail "SIG$signal at the question: exit code $DEMO_EXIT"
  wait_until 3 session_gone || fail "SIG$signal at the question: left running: $(session_alive)"
  ! box_shown || fail "SIG$signal at the question: the box is still shown"
  echo "SIG$signal at the question: exit 0, nothing left"
done
