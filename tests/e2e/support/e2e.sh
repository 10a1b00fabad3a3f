# Helpers for end-to-end tests: the real binary on the X server in $DISPLAY,
# driven with xdotool, measured with xwininfo. Every wait is on a condition
# with a deadline. Source this file.
set -euo pipefail

fail() { echo "FAIL: $*" >&2; exit 1; }

# require TOOL...: fails, naming them, when tools the test calls are missing.
require() {
  local tool missing=()
  for tool; do command -v "$tool" >/dev/null || missing+=("$tool"); done
  ((${#missing[@]} == 0)) || fail "not installed: ${missing[*]} (scripts/setup installs them)"
}
require xdotool xwininfo xdpyinfo

now() { date +%s.%N; }

# wait_until SECONDS COMMAND...: runs COMMAND every 50 ms until it succeeds;
# returns 1 if it has not by the deadline.
wait_until() {
  local deadline=$(( ${EPOCHREALTIME//[!0-9]/} + $1 * 1000000 ))
  shift
  until "$@"; do
    (( ${EPOCHREALTIME//[!0-9]/} < deadline )) || return 1
    sleep 0.05
  done
}

# Lists top-level windows as "id|name|class" lines (class empty for boxes).
list_windows() {
  xwininfo -root -children 2>/dev/null | sed -n 's/^ *\(0x[0-9a-f]*\) "\([^"]*\)": (\([^)]*\)).*/\1|\2|\3/p'
}

# (Output is taken whole, not piped into grep -q, which could cut xwininfo off.)
viewable() { [[ $(xwininfo -id "$1" 2>/dev/null) == *"Map State: IsViewable"* ]]; }

# Prints the ids of the viewable windows titled NAME of KIND: "box" (an SDL
# message box, no class) or "app" (the demo's window); fails if there are none.
viewable_windows() {
  local id found=1
  for id in $(list_windows | awk -F'|' -v n="$1" -v k="$2" '$2 == n && (k == "box") == ($3 == "") {print $1}'); do
    viewable "$id" && echo "$id" && found=0
  done
  return $found
}

# first_found SECONDS FINDER ARGS...: waits until FINDER ARGS finds windows,
# then prints the first id it prints.
first_found() {
  local seconds=$1 ids
  shift
  wait_until "$seconds" "$@" >/dev/null || return 1
  # Not through head: under pipefail, a second id would end the list with SIGPIPE.
  ids=$("$@") || return 1
  echo "${ids%%$'\n'*}"
}

# wait_for_window NAME KIND [SECONDS]: prints the id of such a window once one is shown.
wait_for_window() { first_found "${3:-20}" viewable_windows "$1" "$2"; }

# press WINDOW KEY: gives the window the keyboard and presses the key.
press() {
  xdotool windowfocus --sync "$1" 2>/dev/null || xdotool windowfocus "$1"
  xdotool key --clearmodifiers "$2"
}

# box_gone BOX NAME: the box is gone (its id may already belong to the next box).
box_gone() {
  local info
  info=$(xwininfo -id "$1" 2>/dev/null) || return 0
  [[ $info != *"Window id: $1 \"$2\""* || $info != *"Map State: IsViewable"* ]]
}

# answer_box NAME KEY [SECONDS]: waits for the message box titled NAME and
# presses KEY on it until it is gone (a box just mapped may not take keys yet).
answer_box() {
  local name=$1 key=$2 seconds=${3:-30} box _
  box=$(wait_for_window "$name" box "$seconds") || fail "no \"$name\" box within $seconds s"
  for _ in $(seq 20); do
    press "$box" "$key" || true
    wait_until 1 box_gone "$box" "$name" && return 0
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

screen_size() { xdpyinfo | awk '/dimensions:/ {split($2, s, "x"); print s[1], s[2]; exit}'; }

# lit_region WINDOW: "WIDTH HEIGHT X0 Y0 X1 Y1" of the lit part of the window,
# or "WIDTH HEIGHT none" (needs the lit_region helper in $LIT_REGION).
lit_region() { "$LIT_REGION" "$1" 16; }
lit() { local region; read -r _ _ region < <(lit_region "$1") && [ "${region:-none}" != none ]; }

# wait_for_picture WINDOW: waits until the demo draws: something in the window is lit.
wait_for_picture() { wait_until 30 lit "$1" || fail "nothing drawn in the demo window within 30 s"; }

# start_demo [ENV...]: starts build/quorvel in the background with the given
# environment (in a session of its own when DEMO_SESSION is set: its pid is
# then the session's and the process group's); sets DEMO_PID and DEMO_LOG (its
# standard error).
start_demo() {
  DEMO_LOG=$(mktemp)
  env "$@" ${DEMO_SESSION:+setsid} "$QUORVEL_BUILD_DIR/quorvel" 2>"$DEMO_LOG" &
  DEMO_PID=$!
  trap 'kill -9 "$DEMO_PID" 2>/dev/null || true' EXIT
}

# wait_for_exit SECONDS: waits for the demo to end; sets DEMO_EXIT.
wait_for_exit() {
  demo_gone() { ! kill -0 "$DEMO_PID" 2>/dev/null; }
  wait_until "$1" demo_gone || fail "the demo did not end within $1 s"
  DEMO_EXIT=0
  wait "$DEMO_PID" || DEMO_EXIT=$?
}
