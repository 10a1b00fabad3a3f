#!/usr/bin/env bash
# quorvel.exe's waveOut output reaches a PulseAudio null sink, which plays in
# real time; its monitor, recorded as 32-bit float stereo, holds the offline
# render bit for bit from the song's first frame, in stretches wherever Wine's
# audio fell behind. Arguments: the executable, the offline render (WAV) and
# the comparison tool.
source "$(dirname "$0")/wine.sh"
require pulseaudio pactl parec

work=$(mktemp -d)
export HOME=$work PULSE_RUNTIME_PATH=$work/run PULSE_STATE_PATH=$work/state PULSE_SERVER=unix:$work/native
pulseaudio -n --daemonize=no --exit-idle-time=-1 --use-pid-file=no --disable-shm=yes \
  -L "module-null-sink sink_name=quorvel rate=44100 channels=2 format=float32le" \
  -L "module-native-protocol-unix socket=$work/native auth-anonymous=1" >"$work/pulse.log" 2>&1 &
pulse=$!
# Also ends the demo as start_exe's own trap would: a failed test shows the
# end of Wine's output.
cleanup() {
  local status=$?
  [ -z "${DEMO_PID:-}" ] || end_exe "$status"
  kill -9 ${recorder:-} "$pulse" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
deadline=$(echo "$(now) + 20" | bc)
until pactl info >/dev/null 2>&1; do
  (( $(echo "$(now) < $deadline" | bc) )) || fail "PulseAudio did not start: $(cat "$work/pulse.log")"
  sleep 0.1
done

# Bounded in size, 40 s of sound (14 MB), and in time, 60 s: the silence
# before the music, then some 25 s of it.
timeout 60 sh -c "parec -d quorvel.monitor --format=float32le --rate=44100 --channels=2 --raw 2>/dev/null |
                  head -c $((40 * 352800)) >'$work/capture.raw'" &
recorder=$!
# One core left to Wine's audio thread; a sink buffer with room for a busy machine.
start_exe "$1" LP_NUM_THREADS=1 PULSE_LATENCY_MSEC=300
trap cleanup EXIT
wine_answer Quorvel n
window=$(wine_window Quorvel app 60) || fail "no demo window"
wait "$recorder" || true
press "$window" Escape
wait_for_exit 15
[ "$DEMO_EXIT" -eq 0 ] || fail "exit code $DEMO_EXIT"
"$3" "$work/capture.raw" "$2" 15 || fail "the sound is not the offline render"
