#!/usr/bin/env bash
# A driver without the uniform-block queries: "Something went bang..." and exit code 0.
source "$(dirname "$0")/wine.sh"

start_exe "$1" MESA_GL_VERSION_OVERRIDE=3.0 MESA_EXTENSION_OVERRIDE=-GL_ARB_uniform_buffer_object
wine_answer Quorvel n
wine_window Error box 60 >/dev/null || fail "no warning box"
box_said "Something went bang..." || fail "the warning box did not say \"Something went bang...\""
wine_window Quorvel app 1 >/dev/null && fail "the demo window is still shown beside the warning"
wine_answer Error Return
wait_for_exit 15
[ "$DEMO_EXIT" -eq 0 ] || fail "exit code $DEMO_EXIT"
echo "missing entry points: warning shown, exit 0"
