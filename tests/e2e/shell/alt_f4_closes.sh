#!/usr/bin/env bash
# Alt+F4 is a close request: it ends the demo like Escape, with exit code 0.
source "$(dirname "$0")/../support/e2e.sh"

start_demo
answer_question Escape
window=$(wait_for_window Quorvel app) || fail "no demo window"
wait_for_picture "$window"
press "$window" alt+F4
wait_for_exit 10
[ "$DEMO_EXIT" -eq 0 ] || fail "exit code $DEMO_EXIT"
echo "Alt+F4: ended with exit code 0"
