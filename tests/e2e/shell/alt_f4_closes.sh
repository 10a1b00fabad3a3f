#!/usr/bin/env bash
# Alt+F4 is a close request: it starts the closing fade like Escape.
source "$(dirname "$0")/../support/e2e.sh"

start_demo
answer_question Escape
window=$(wait_for_window Quorvel app) || fail "no demo window"
sleep 0.5
pressed=$(now)
press "$window" alt+F4
wait_for_exit 10
[ "$DEMO_EXIT" -eq 0 ] || fail "exit code $DEMO_EXIT"
took=$(echo "$DEMO_ENDED - $pressed" | bc)
(( $(echo "$took >= 0.9" | bc) )) || fail "ended $took s after Alt+F4: the closing fade did not play"
echo "Alt+F4: ended $took s later"
