# Helpers for end-to-end tests: the real binary on the X server in $DISPLAY,
# driven with xdotool, measured with xwininfo. Source this file.
set -euo pipefail

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

now() { date +%s.%N; }

# Lists top-level windows as "id name class" lines (class empty for boxes).
list_windows() {
  xwininfo -root -children 2>/dev/null | sed -n 's/^ *\(0x[0-9a-f]*\) "\([^"]*\)": (\([^)]*\)).*/\1|\2|\3/p'
}

# wait_for_window NAME KIND [SECONDS]: prints the id of a window titled NAME;
# KIND is "box" (an SDL message box, no class) or "app" (the demo's window).
wait_for_window() {
  local name=$1 kind=$2 seconds=${3:-20} id deadline
  deadline=$(echo "$(now) + $seconds" | bc)
  while (( $(echo "$(now) < $deadline" | bc) )); do
    for id in $(list_windows | awk -F'|' -v n="$name" -v k="$kind" \
                  '$2 == n && ((k == "box" && $3 == "") || (k == "app" && $3 != "")) {print $1}'); do
      if xwininfo -id "$id" 2>/dev/null | grep -q 'Map State: IsViewable'; then
        echo "$id"
        return 0
      fi
    done
    sleep 0.1
  done
  return 1
}

# press WINDOW KEY: gives the window the keyboard and presses the key.
press() {
  xdotool windowfocus --sync "$1" 2>/dev/null || xdotool windowfocus "$1"
  xdotool key --clearmodifiers "$2"
}

# answer_box NAME KEY [SECONDS]: waits for the message box titled NAME and
# presses KEY on it until it is gone (a box that has only just been mapped may
# not take keys yet).
answer_box() {
  local name=$1 key=$2 seconds=${3:-30} box tries
  box=$(wait_for_window "$name" box "$seconds") || fail "no \"$name\" box within $seconds s"
  for tries in $(seq 20); do
    press "$box" "$key" || true
    sleep 0.5
    # Gone, or its id already reused by the next box (window ids come back).
    xwininfo -id "$box" 2>/dev/null | grep -q "^xwininfo: Window id: $box \"$name\"" || return 0
    xwininfo -id "$box" 2>/dev/null | grep -q 'Map State: IsViewable' || return 0
  done
  fail "the \"$name\" box did not take $key"
}

# answer_question KEY: Escape answers the start-up question No, Return answers Yes.
answer_question() { answer_box Quorvel "$1"; }

# window_geometry ID: prints "width height x y" of the client area.
window_geometry() {
  xwininfo -id "$1" | awk '/Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF}
                           /^  Width:/ {w=$NF} /^  Height:/ {h=$NF} END {print w, h, x, y}'
}

# start_demo [ENV...]: starts build/quorvel in the background with the given
# environment; sets DEMO_PID and DEMO_LOG (its standard error).
start_demo() {
  DEMO_LOG=$(mktemp)
  env "$@" "$QUORVEL_BUILD_DIR/quorvel" 2>"$DEMO_LOG" &
  DEMO_PID=$!
  trap 'kill -9 "$DEMO_PID" 2>/dev/null || true' EXIT
}

# wait_for_exit SECONDS: waits for the demo to end; sets DEMO_EXIT and DEMO_ENDED (a time).
wait_for_exit() {
  local seconds=$1 deadline
  deadline=$(echo "$(now) + $seconds" | bc)
  while kill -0 "$DEMO_PID" 2>/dev/null; do
    (( $(echo "$(now) < $deadline" | bc) )) || fail "the demo did not end within $seconds s"
    sleep 0.02
  done
  DEMO_ENDED=$(now)
  set +e
  wait "$DEMO_PID"
  DEMO_EXIT=$?
  set -e
}

screen_size() { xdpyinfo | awk '/dimensions:/ {split($2, s, "x"); print s[1], s[2]; exit}'; }
