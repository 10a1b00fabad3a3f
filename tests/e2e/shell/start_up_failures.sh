#!/usr/bin/env bash
# Start-up failures after the question, answered No: each takes the demo's
# window away, shows the box "Something went bang...", and the demo exits with
# code 0 once it is answered.
source "$(dirname "$0")/../support/e2e.sh"

# Each row: what is wrong, and the environment that makes it so.
while IFS='|' read -r failure environment <&3; do
  # shellcheck disable=SC2086 # the row's settings are separate words
  start_demo $environment
  answer_question Escape
  warning=$(wait_for_window Error box 30) || fail "$failure: no warning box"
  ! viewable_windows Quorvel app >/dev/null || fail "$failure: the demo window is still shown beside the warning"
  press "$warning" Return
  wait_for_exit 10
  [ "$DEMO_EXIT" -eq 0 ] || fail "$failure: exit code $DEMO_EXIT"
  echo "$failure: warning shown, exit 0"
done 3<<'ROWS'
missing entry points|MESA_GL_VERSION_OVERRIDE=3.0 MESA_EXTENSION_OVERRIDE=-GL_ARB_uniform_buffer_object
no GL context (an X error)|LIBGL_DRIVERS_PATH=/nonexistent
ROWS
