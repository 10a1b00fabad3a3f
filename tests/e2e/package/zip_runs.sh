#!/usr/bin/env bash
# The Windows zip from scripts/package holds quorvel.exe and README.txt, and
# the unpacked quorvel.exe plays. Arguments: the dist folder, the Wine test
# that runs an executable answered No.
source "$(dirname "$0")/../support/e2e.sh"

require unzip
zips=("$1"/quorvel-*-win32.zip)
[ -f "${zips[0]}" ] || fail "no Windows zip in $1: run scripts/package first"
unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
unzip -q "${zips[0]}" -d "$unpacked"
[ "$(cd "$unpacked" && LC_ALL=C ls | tr '\n' ' ')" = "README.txt quorvel.exe " ] || fail "the zip holds: $(ls "$unpacked")"
grep -q "Escape" "$unpacked/README.txt" && grep -q "OpenGL 2.0" "$unpacked/README.txt" || fail "README.txt lacks Escape or OpenGL 2.0"
bash "$2" "$unpacked/quorvel.exe"
