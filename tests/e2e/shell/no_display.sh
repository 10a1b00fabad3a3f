#!/usr/bin/env bash
# Without a display, whether none is named or the named one has no server, the
# demo must not fall back to a driver that shows nothing: the question and the
# warning go to standard error and it ends at once with exit code 0.
source "$(dirname "$0")/../support/e2e.sh"

for display in "" ":999"; do
  log=$(mktemp)
  set +e
  env -u DISPLAY -u WAYLAND_DISPLAY ${display:+DISPLAY=$display} timeout 5 "$QUORVEL_BUILD_DIR/quorvel" 2>"$log"
  code=$?
  set -e
  [ "$code" -eq 0 ] || fail "DISPLAY='$display': exit code $code (124: still running after 5 s)"
  grep -qx 'Run Fullscreen?' "$log" || fail "DISPLAY='$display': no question on standard error: $(cat "$log")"
  grep -qx 'Something went bang...' "$log" || fail "DISPLAY='$display': no warning on standard error: $(cat "$log")"
done
echo "no display: question and warning on standard error, exit 0"
