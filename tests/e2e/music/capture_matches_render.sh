#!/usr/bin/env bash
# The demo's sound, captured with SDL's disk audio driver, is the offline render
# bit for bit from the start of the music (when the music starts, 12 s after
# the first frame, the main loop's tests pin): once as it runs, and once with
# its render thread started late (the preloaded stand-in), when the device must
# wait for the song instead of playing its first frames as zeros. Arguments:
# the offline render, a float WAV of quorvel-render-song, and the stand-in.
source "$(dirname "$0")/../support/e2e.sh"

reference=$1
[ -s "$reference" ] || fail "no offline render at $reference"
work=$(mktemp -d)

# zero_samples FILE OFFSET counts the samples of all-zero bits before the first
# other one, read as numbers (od), and fails if there is none.
zero_samples() {
  local line
  line=$(od -An -v -tx4 -w4 -j "$2" "$1" | grep -n -m 1 -v '^ *00000000$' | cut -d: -f1) || true
  [ -n "$line" ] && echo $(( line - 1 ))
}
song_zeros=$(zero_samples "$reference" 58) || fail "the offline render is silent"

# music_matches SECONDS LEAD_IN ENV...: runs the demo with ENV until the
# capture holds LEAD_IN s of silence and SECONDS s of music, then compares the
# music with the render; prints the frames of silence before it.
music_matches() {
  local music_seconds=$1 capture=$work/capture-$2.raw window others capture_zeros start
  # 32-bit float stereo: 8 bytes a frame, 352800 bytes a second.
  local wanted_bytes=$(( ($1 + $2) * 352800 ))
  shift 2
  start_demo SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$capture" "$@"
  answer_question Escape
  window=$(wait_for_window Quorvel app 30) || fail "no demo window"
  # The disk driver creates its file when the device opens, 12 s in; then the
  # capture grows in real time.
  captured() {
    kill -0 "$DEMO_PID" 2>/dev/null || fail "the demo ended early"
    [ -e "$capture" ] && (( $(stat -c %s "$capture") >= wanted_bytes ))
  }
  wait_until $((45 + wanted_bytes / 352800)) captured ||
    fail "the capture did not reach $music_seconds s of music in time"
  press "$window" Escape
  wait_for_exit 10
  [ "$DEMO_EXIT" -eq 0 ] || fail "exit code $DEMO_EXIT"
  # The disk driver announces itself on standard error; the demo says nothing.
  others=$(grep -v -e 'disk i/o audio driver' -e 'Writing to file \[' "$DEMO_LOG" || true)
  [ -z "$others" ] || fail "the demo wrote to standard error: $others"

  # The capture is silence, then the song from its first sample. Both are
  # 32-bit floats (the render's after its 58-byte WAV header); the song may
  # begin with zeros itself, so the music starts where the capture's zeros run
  # longer than the song's.
  capture_zeros=$(zero_samples "$capture" 0) || fail "the capture is silent"
  start=$(( capture_zeros - song_zeros ))
  (( start >= 0 && start % 2 == 0 )) || fail "the capture's first sound is not the song's first frame ($start)"
  cmp -n $(( music_seconds * 352800 )) -i $(( start * 4 )):58 "$capture" "$reference" >&2 ||
    fail "the capture differs from the offline render"
  echo $(( start / 2 ))
}

music_matches 20 1 >/dev/null
echo "the first 20 s of music equal the offline render"
lead_in=$(music_matches 5 4 LD_PRELOAD="$2")
(( lead_in >= 44100 )) || fail "the song began $lead_in frames in: the render thread did not start late"
rm -rf "$work"
echo "with the render thread a second late, the song began $lead_in frames in, whole"
