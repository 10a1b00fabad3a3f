#!/usr/bin/env bash
# The demo's sound, captured with SDL's disk audio driver, is the offline render
# bit for bit from the start of the music, and the music starts 12 s after the
# first frame. Arguments: the offline render (WAV) and the comparison tool.
source "$(dirname "$0")/../support/e2e.sh"

reference=$1
compare=$2
[ -s "$reference" ] || fail "no offline render at $reference"

work=$(mktemp -d)
capture=$work/capture.raw
music_seconds=20
# 32-bit float stereo: 8 bytes a frame. Half a second more than compared, for
# the silence before the music and the device buffer in flight.
wanted_bytes=$(( (music_seconds * 2 + 1) * 44100 * 8 / 2 ))

start_demo SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$capture"
# The window's appearance is timed on the side: answering the question takes
# its own while.
(wait_for_window Quorvel app 60 >/dev/null && now >"$work/shown") &
answer_question Escape
window=$(wait_for_window Quorvel app 30) || fail "no demo window"
wait $! || fail "the demo window was not timed"
shown=$(cat "$work/shown")

# The disk driver creates its file when the device opens, which startMusic does
# in the first frame past 12 s.
deadline=$(echo "$shown + 30" | bc)
until [ -e "$capture" ]; do
  (( $(echo "$(now) < $deadline" | bc) )) || fail "the music did not start within 30 s of the window"
  kill -0 "$DEMO_PID" 2>/dev/null || fail "the demo ended before the music started"
  sleep 0.02
done
opened=$(now)
offset=$(echo "$opened - $shown" | bc)

deadline=$(echo "$opened + $music_seconds + 15" | bc)
while (( $(stat -c %s "$capture") < wanted_bytes )); do
  (( $(echo "$(now) < $deadline" | bc) )) || fail "the capture did not reach $music_seconds s of music in time"
  sleep 0.1
done
press "$window" Escape
wait_for_exit 10
[ "$DEMO_EXIT" -eq 0 ] || fail "exit code $DEMO_EXIT"
# The disk driver announces itself on standard error; the demo says nothing.
others=$(grep -v -e 'disk i/o audio driver' -e 'Writing to file \[' "$DEMO_LOG" || true)
[ -z "$others" ] || fail "the demo wrote to standard error: $others"

# The window shows before start-up builds shaders, textures and the logo, and
# the demo clock starts with the first frame after that: the device opens 12 s
# plus that start-up (plus at most one frame) after the window appears, never
# sooner than 12 s less the 0.1 s granularity of the window poll.
(( $(echo "$offset >= 11.9 && $offset <= 16.0" | bc) )) ||
  fail "the music started $offset s after the window appeared, expected 12 s plus start-up"
"$compare" "$capture" "$reference" "$music_seconds" || fail "the capture differs from the offline render"
rm -rf "$work"
echo "music started $offset s after the window appeared; first $music_seconds s equal the render"
