#!/usr/bin/env bash
# quorvel-capture (one still) and quorvel-render-song (the whole song and its
# notes) built with AddressSanitizer, UndefinedBehaviorSanitizer and leak
# checking: no report, exit code 0, the outputs written. The sanitized build
# lives beside the build under test and is brought up to date here (quick
# when scripts/run-tests has built it already).
# Usage: clean_under_address_sanitizer.sh KEEP_LIBRARIES_LOADED.so
source "$(dirname "$0")/../support/e2e.sh"
asan_build="$QUORVEL_BUILD_DIR-asan"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
{ cmake -S "$QUORVEL_SOURCE_DIR" -B "$asan_build" -DQUORVEL_ASAN=ON -DQUORVEL_TESTS=OFF -DQUORVEL_BENCH=OFF &&
  cmake --build "$asan_build" --target quorvel-capture quorvel-render-song -j2; } >"$work/build.log" 2>&1 ||
  fail "the AddressSanitizer build failed: $(tail -20 "$work/build.log")"

# The GL driver's libraries stay loaded (see keep_libraries_loaded.c), and
# D-Bus is told there is no session bus rather than left to start one via X.
export ASAN_OPTIONS=detect_leaks=1:verify_asan_link_order=0 DBUS_SESSION_BUS_ADDRESS=disabled:
# Each within a deadline (124: it ran out), though they take seconds.
LD_PRELOAD=$1 timeout 120 "$asan_build/quorvel-capture" --size 64x40 --at 1 --out "$work/stills" >"$work/log" 2>&1 &&
  timeout 300 "$asan_build/quorvel-render-song" "$work/song.wav" --notes "$work/notes.csv" >>"$work/log" 2>&1 ||
  fail "exit code $?: $(head -c 3000 "$work/log")"
! grep -q -e Sanitizer -e 'runtime error' "$work/log" || fail "$(head -c 3000 "$work/log")"
[ -s "$work/stills/frame-000060.png" ] && [ -s "$work/notes.csv" ] || fail "no still or no notes written"
[ "$(stat -c %s "$work/song.wav")" -eq $((58 + 7517312 * 8)) ] || fail "the WAV is not the whole song"
echo "AddressSanitizer and UndefinedBehaviorSanitizer: no report from a still capture or the song render"
