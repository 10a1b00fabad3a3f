#!/usr/bin/env bash
# The demo's sound, captured with SDL's disk audio driver, is the offline render
# bit for bit from the start of the music (when the music starts, 12 s after
# the first frame, the main loop's tests pin). Argument: the offline render, a
# float WAV of quorvel-render-song.
source "$(dirname "$0")/../support/e2e.sh"

reference=$1
[ -s "$reference" ] || fail "no offline render at $reference"

work=$(mktemp -d)
capture=$work/capture.raw
music_seconds=20
# 32-bit float stereo: 8 bytes a frame. Half a second more than compared, for
# the silence before the music and the device buffer in flight.
wanted_bytes=$(( (music_seconds * 2 + 1) * 44100 * 8 / 2 ))

start_demo SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$capture"
answer_question Escape
window=$(wait_for_window Quorvel app 30) || fail "no demo window"
# The disk driver creates its file when the device opens, 12 s in; then the
# capture grows in real time.
captured() {
  kill -0 "$DEMO_PID" 2>/dev/null || fail "the demo ended early"
  [ -e "$capture" ] && (( $(stat -c %s "$capture") >= wanted_bytes ))
}
wait_until $((45 + music_seconds)) captured || fail "the capture did not reach $music_seconds s of music in time"
press "$window" Escape
wait_for_exit 10
[ "$DEMO_EXIT" -eq 0 ] || fail "exit code $DEMO_EXIT"
# The disk driver announces itself on standard error; the demo says nothing.
others=$(grep -v -e 'disk i/o audio driver' -e 'Writing to file \[' "$DEMO_LOG" || true)
[ -z "$others" ] || fail "the demo wrote to standard error: $others"

# The capture is silence, then the song from its first sample. Both are 32-bit
# floats (the render's after its 58-byte WAV header); the song may begin with
# zeros itself, so the music starts where the capture's zeros run longer than
# the song's. zero_samples FILE OFFSET counts the samples of all-zero bits
# before the first other one, read as numbers (od), and fails if there is none.
zero_samples() {
  local line
  line=$(od -An -v -tx4 -w4 -j "$2" "$1" | grep -n -m 1 -v '^ *00000000$' | cut -d: -f1) || true
  [ -n "$line" ] && echo $(( line - 1 ))
}
capture_zeros=$(zero_samples "$capture" 0) || fail "the capture is silent"
song_zeros=$(zero_samples "$reference" 58) || fail "the offline render is silent"
start=$(( capture_zeros - song_zeros ))
(( start >= 0 && start % 2 == 0 )) || fail "the capture's first sound is not the song's first frame ($start)"
cmp -n $(( music_seconds * 44100 * 8 )) -i $(( start * 4 )):58 "$capture" "$reference" ||
  fail "the capture differs from the offline render"
rm -rf "$work"
echo "the first $music_seconds s of music equal the offline render"
