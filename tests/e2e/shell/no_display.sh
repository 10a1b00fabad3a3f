#!/usr/bin/env bash
# Without a display the boxes go to standard error, the question is answered No,
# the window cannot be made, and the demo still ends with exit code 0.
source "$(dirname "$0")/../support/e2e.sh"

log=$(mktemp)
set +e
env -u DISPLAY -u WAYLAND_DISPLAY SDL_VIDEODRIVER=x11 timeout 20 "$QUORVEL_BUILD_DIR/quorvel" 2>"$log"
code=$?
set -e
[ "$code" -eq 0 ] || fail "exit code $code"
grep -qx 'Run Fullscreen?' "$log" || fail "the question did not reach standard error: $(cat "$log")"
grep -qx 'Something went bang...' "$log" || fail "the warning did not reach standard error: $(cat "$log")"
echo "no display: question and warning on standard error, exit 0"
