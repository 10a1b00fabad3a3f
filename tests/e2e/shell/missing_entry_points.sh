#!/usr/bin/env bash
# A driver without the uniform-block queries: the demo's window is gone, the box
# "Something went bang..." shows, and the demo exits with code 0.
source "$(dirname "$0")/../support/e2e.sh"

start_demo MESA_GL_VERSION_OVERRIDE=3.0 MESA_EXTENSION_OVERRIDE=-GL_ARB_uniform_buffer_object
answer_question Escape
warning=$(wait_for_window Error box 30) || fail "no warning box"
! viewable_windows Quorvel app >/dev/null || fail "the demo window is still shown beside the warning"
press "$warning" Return
wait_for_exit 10
[ "$DEMO_EXIT" -eq 0 ] || fail "exit code $DEMO_EXIT"
echo "missing entry points: warning shown, exit 0"
