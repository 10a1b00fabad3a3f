#!/usr/bin/env bash
# The demo built with ThreadSanitizer starts the music, polls its notes for a
# few seconds and quits while the render thread still runs: no report, no
# crash, no hang, exit code 0 (the sanitizer's is 66 after a report). The
# sanitized build lives beside the build under test and is configured and
# brought up to date here (quick when scripts/run-tests has built it already).
source "$(dirname "$0")/../support/e2e.sh"
here=$(cd "$(dirname "$0")" && pwd)

tsan_build="$QUORVEL_BUILD_DIR-tsan"
build_log=$(mktemp)
{ cmake -S "$QUORVEL_SOURCE_DIR" -B "$tsan_build" -DQUORVEL_TSAN=ON -DQUORVEL_TESTS=OFF -DQUORVEL_BENCH=OFF &&
  cmake --build "$tsan_build" --target quorvel -j2; } >"$build_log" 2>&1 ||
  fail "the ThreadSanitizer build failed: $(tail -20 "$build_log")"

work=$(mktemp -d)
capture=$work/capture.raw
QUORVEL_BUILD_DIR=$tsan_build start_demo SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$capture" \
  TSAN_OPTIONS="suppressions=$here/thread_sanitizer.supp"
answer_question Escape
window=$(wait_for_window Quorvel app 60) || fail "no demo window"

# Three seconds of music: the render thread, the device and the poll all run.
deadline=$(echo "$(now) + 45" | bc)
until [ -e "$capture" ] && (( $(stat -c %s "$capture") >= 3 * 44100 * 8 )); do
  (( $(echo "$(now) < $deadline" | bc) )) || fail "three seconds of music did not play in time"
  kill -0 "$DEMO_PID" 2>/dev/null || fail "the demo ended early: $(cat "$DEMO_LOG")"
  sleep 0.1
done
press "$window" Escape
wait_for_exit 20
grep -q ThreadSanitizer "$DEMO_LOG" && fail "ThreadSanitizer reported: $(cat "$DEMO_LOG")"
[ "$DEMO_EXIT" -eq 0 ] || fail "exit code $DEMO_EXIT: $(cat "$DEMO_LOG")"
others=$(grep -v -e 'disk i/o audio driver' -e 'Writing to file \[' "$DEMO_LOG" || true)
[ -z "$others" ] || fail "the demo wrote to standard error: $others"
played=$(echo "scale=1; $(stat -c %s "$capture") / 352800" | bc)
rm -rf "$work"
echo "ThreadSanitizer: no report over $played s of music and the exit"
