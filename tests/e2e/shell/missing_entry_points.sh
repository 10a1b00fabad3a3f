#!/usr/bin/env bash
# A driver without the uniform-block queries: "Something went bang..." and exit code 0.
source "$(dirname "$0")/../support/e2e.sh"

start_demo MESA_GL_VERSION_OVERRIDE=3.0 MESA_EXTENSION_OVERRIDE=-GL_ARB_uniform_buffer_object
answer_question Escape

warning=$(wait_for_window Error box 30) || fail "no warning box"
# The demo's window is gone before the box shows.
if list_windows | awk -F'|' '$2 == "Quorvel" && $3 != ""' | grep -q .; then
  xwininfo -id "$(list_windows | awk -F'|' '$2 == "Quorvel" && $3 != "" {print $1; exit}')" | grep -q IsViewable &&
    fail "the demo window is still shown beside the warning"
fi
press "$warning" Return
wait_for_exit 10
[ "$DEMO_EXIT" -eq 0 ] || fail "exit code $DEMO_EXIT"
echo "missing entry points: warning shown, exit 0"
