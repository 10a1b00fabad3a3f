#!/usr/bin/env bash
# The Debian package from scripts/package, as a new user gets it: lintian
# finds nothing to warn about; installed with apt into a fresh Debian 12
# (mmdebstrap's apt variant from this machine's apt sources, no recommends)
# it brings in what it needs, OpenGL driver included, and puts nothing outside
# /usr; its desktop entry passes desktop-file-validate, starts the installed
# quorvel and names an icon it installs; and that quorvel plays on this test's
# X server: answered No, the 1109 x 693 window, lit; Escape, exit 0.
# The root and its mounts are removed at the end, pass or fail.
source "$(dirname "$0")/../support/e2e.sh"

# In mmdebstrap's customize hook, $1 the root: the package installed as a
# user does, with apt-get and no recommends.
if [ $# -eq 1 ]; then
  root=$1
  cp "$QUORVEL_PACKAGE" "$root/tmp/quorvel.deb"
  log=$(chroot "$root" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
    /tmp/quorvel.deb 2>&1) || fail "apt-get install $QUORVEL_PACKAGE failed: $log"
  outside=$(chroot "$root" dpkg-query -L quorvel | grep -v -e '^/usr/' -e '^/usr$' -e '^/\.$' || true)
  [ -z "$outside" ] || fail "files outside /usr: $outside"
  entry=$root/usr/share/applications/quorvel.desktop
  desktop-file-validate "$entry" || fail "desktop-file-validate rejects the entry"
  icon=$(sed -n 's/^Icon=//p' "$entry")
  compgen -G "$root/usr/share/icons/hicolor/*/apps/$icon.png" >/dev/null ||
    fail "no icon file for the entry's Icon=$icon"
  # The command, as a menu starts it: the Exec line's first word, on the PATH.
  read -r command _ < <(sed -n 's/^Exec=//p' "$entry")
  program=$(chroot "$root" sh -c 'command -v "$1"' - "$command") || fail "the entry's Exec=$command is not there"
  [ "$(chroot "$root" readlink -f "$program")" = /usr/bin/quorvel ] ||
    fail "the entry's Exec=$command is not the installed quorvel"
  chroot "$root" quorvel-render-song --version | grep -qx 'quorvel-render-song [0-9.]*' ||
    fail "quorvel-render-song --version"

  launcher=$(mktemp -d)
  printf '#!/bin/sh\nexec chroot "$QUORVEL_ROOT" "$QUORVEL_PROGRAM"\n' >"$launcher/quorvel"
  chmod +x "$launcher/quorvel"
  QUORVEL_BUILD_DIR=$launcher start_demo QUORVEL_ROOT="$root" QUORVEL_PROGRAM="$program"
  trap 'kill -9 "$DEMO_PID" 2>/dev/null || true; rm -rf "$launcher" "$DEMO_LOG"' EXIT
  answer_question Escape
  window=$(wait_for_window Quorvel app) || fail "no demo window after answering No: $(cat "$DEMO_LOG")"
  read -r width height _ _ < <(window_geometry "$window")
  [ "$width" -eq 1109 ] && [ "$height" -eq 693 ] || fail "client area ${width}x${height}, expected 1109x693"
  wait_for_picture "$window"
  press "$window" Escape
  wait_for_exit 10
  [ "$DEMO_EXIT" -eq 0 ] || fail "exit code $DEMO_EXIT"
  exit 0
fi

if [ "$(id -u)" -ne 0 ]; then
  sudo -n true 2>/dev/null || { echo "skipped: making a Debian root needs root or sudo without a password"; exit 77; }
  exec sudo -n --preserve-env=DISPLAY,LIT_REGION,QUORVEL_SOURCE_DIR bash "$0"
fi
debs=("$QUORVEL_SOURCE_DIR"/dist/quorvel_*.deb)
[ -f "${debs[0]}" ] || fail "no package in dist/: run scripts/package first"
require lintian desktop-file-validate mmdebstrap
lintian --fail-on warning "${debs[0]}" 2>/dev/null || fail "lintian warns about ${debs[0]}"

sources=()
for list in /etc/apt/sources.list /etc/apt/sources.list.d/*.list /etc/apt/sources.list.d/*.sources; do
  [ -s "$list" ] && sources+=("$list")
done
root=$(mktemp -d)
remove_root() {
  local process mount
  for process in /proc/[0-9]*; do
    [ "$(readlink "$process/root" 2>/dev/null)" = "$root" ] && kill -9 "${process#/proc/}" 2>/dev/null
  done
  for mount in $(grep -o " $root/[^ ]*" /proc/self/mounts | sort -r); do umount -l "$mount"; done
  rm -rf --one-file-system "$root"
}
trap remove_root EXIT
QUORVEL_PACKAGE=${debs[0]} QUORVEL_PACKAGE_TEST=$(realpath "$0") timeout 480 mmdebstrap --variant=apt --quiet \
  --customize-hook='bash "$QUORVEL_PACKAGE_TEST" "$1"' bookworm "$root" "${sources[@]}" ||
  fail "the package did not install and play in a fresh Debian 12 (in 480 s at most)"
echo "package: lintian clean; installed in a fresh Debian 12, its entry and quorvel ran and ended with 0"
