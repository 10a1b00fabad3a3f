#!/usr/bin/env bash
# The release files are made of their inputs alone: the Debian package, the
# Windows zip and the web zip, each made twice from the same build a second apart, in other
# folders and under another umask, are the same bytes. And the package of a
# folder whose cache and environment say otherwise (another build type, other
# flags), built for the release, is the same as that of build-release/.
# Argument: the folder with build-release/, build-win32/ and build-web/.
source "$(dirname "$0")/../support/e2e.sh"
source "$QUORVEL_SOURCE_DIR/scripts/release-files.sh"
require cpack zip i686-w64-mingw32-strip

exe=$1/build-win32/quorvel.exe
[ -f "$exe" ] || fail "no $exe: scripts/package builds it"
release_epoch
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for try in first second; do
  mkdir "$work/$try"
  [ "$try" = first ] || { sleep 1; umask 0077; }
  make_deb "$1/build-release" "$work/$try" || fail "cpack failed"
  make_windows_zip "$exe" "$QUORVEL_SOURCE_DIR/packaging/README-windows.txt.in" "$work/$try/windows.zip" ||
    fail "the zip could not be made"
  make_web_zip "$1/build-web" "$QUORVEL_SOURCE_DIR/packaging/README-web.txt.in" "$work/$try/web.zip" ||
    fail "the web zip could not be made"
done
for file in quorvel_*.deb windows.zip web.zip; do
  cmp -s "$work"/first/$file "$work"/second/$file || fail "$file differs when made again"
done
cmake -S "$QUORVEL_SOURCE_DIR" -B "$work/build" -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS=-O1 >/dev/null
CXXFLAGS=-O0 CMAKE_BUILD_TYPE=Debug release_build "$work/build" >/dev/null || fail "the release build failed"
mkdir "$work/elsewhere"
make_deb "$work/build" "$work/elsewhere" || fail "cpack failed"
cmp -s "$work"/first/quorvel_*.deb "$work"/elsewhere/quorvel_*.deb ||
  fail "the package of a folder configured otherwise, built for the release, differs"
echo "the deb and the zips made twice are the same bytes; so is the deb of a folder configured otherwise"
