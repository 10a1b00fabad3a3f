#!/usr/bin/env bash
# The Debian package from scripts/package installs with apt, puts nothing
# outside /usr, passes lintian and desktop-file-validate, and the quorvel it
# puts on the PATH plays: answered No, the 1109 x 693 window; Escape, exit 0.
# It is removed again at the end.
source "$(dirname "$0")/../support/e2e.sh"

sudo=()
if [ "$(id -u)" -ne 0 ]; then
  sudo -n true 2>/dev/null || { echo "skipped: installing a package needs root or sudo without a password"; exit 77; }
  sudo=(sudo -n)
fi
debs=("$QUORVEL_SOURCE_DIR"/dist/quorvel_*.deb)
[ -f "${debs[0]}" ] || fail "no package in dist/: run scripts/package first"
! dpkg-query -W quorvel >/dev/null 2>&1 || fail "quorvel is installed already; the test would remove it"

require lintian desktop-file-validate apt-get
lintian --fail-on error "${debs[0]}" 2>/dev/null || fail "lintian finds errors in ${debs[0]}"
remove() { "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq quorvel >/dev/null 2>&1 || true; }
trap remove EXIT
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${debs[0]}" >/dev/null 2>&1 ||
  fail "apt-get install ${debs[0]} failed"

outside=$(dpkg-query -L quorvel | grep -v -e '^/usr/' -e '^/usr$' -e '^/\.$' || true)
[ -z "$outside" ] || fail "files outside /usr: $outside"
desktop-file-validate /usr/share/applications/quorvel.desktop || fail "desktop-file-validate rejects the entry"
[ "$(command -v quorvel)" = /usr/bin/quorvel ] || fail "quorvel on the PATH is $(command -v quorvel)"
quorvel-render-song --version | grep -qx 'quorvel-render-song [0-9.]*' || fail "quorvel-render-song --version"

QUORVEL_BUILD_DIR=/usr/bin start_demo
trap 'kill -9 "$DEMO_PID" 2>/dev/null || true; remove' EXIT
answer_question Escape
window=$(wait_for_window Quorvel app) || fail "no demo window after answering No"
read -r width height _ _ < <(window_geometry "$window")
[ "$width" -eq 1109 ] && [ "$height" -eq 693 ] || fail "client area ${width}x${height}, expected 1109x693"
wait_for_picture "$window"
press "$window" Escape
wait_for_exit 10
[ "$DEMO_EXIT" -eq 0 ] || fail "exit code $DEMO_EXIT"
echo "package: installed, lintian clean, quorvel from the PATH ran and ended with 0"
