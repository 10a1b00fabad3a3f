# Helpers for the Wine tests: quorvel.exe under Wine on the X server in
# $DISPLAY, in the prefix that the wine.prefix fixture made. Source this file.
source "$(dirname "${BASH_SOURCE[0]}")/../support/e2e.sh"

require wine bc xwd
[ -d "${WINEPREFIX:-}" ] || fail "no Wine prefix at '${WINEPREFIX:-}'"
# Wine's chatter goes to the demo's log; only the message boxes' texts are
# traced, so that the tests can read what a box says.
export WINEDEBUG=-all,trace+msgbox

# start_exe EXE [ENV...]: starts EXE under Wine in the background; sets
# DEMO_PID (the exit code of the Windows process is Wine's) and DEMO_LOG.
start_exe() {
  local exe=$1
  shift
  [ -f "$exe" ] || fail "no $exe: build it with scripts/run-tests"
  DEMO_LOG=$(mktemp)
  env "$@" wine "$exe" >"$DEMO_LOG" 2>&1 &
  DEMO_PID=$!
  trap 'kill -9 "$DEMO_PID" 2>/dev/null || true; rm -f "$DEMO_LOG"' EXIT
}

# wine_window NAME KIND [SECONDS]: prints the id of a shown window of
# quorvel.exe titled NAME; KIND "box" (a message box, smaller than 600 pixels
# across) or "app".
wine_window() {
  local name=$1 kind=$2 seconds=${3:-30} id width deadline
  deadline=$(echo "$(now) + $seconds" | bc)
  while (( $(echo "$(now) < $deadline" | bc) )); do
    for id in $(list_windows | awk -F'|' -v n="$name" '$2 == n && $3 ~ /quorvel\.exe/ {print $1}'); do
      width=$(xwininfo -id "$id" 2>/dev/null | awk '/IsViewable/ {shown = 1} /^  Width:/ {w = $NF} END {print shown ? w : 0}')
      if [ "$kind" = box ]; then (( width > 0 && width < 600 )); else (( width >= 600 )); fi &&
        { echo "$id"; return 0; }
    done
    sleep 0.1
  done
  return 1
}

# wine_answer NAME KEY: presses KEY on the message box titled NAME until it is gone.
wine_answer() {
  local box tries
  box=$(wine_window "$1" box 60) || fail "no \"$1\" box"
  for tries in $(seq 20); do
    press "$box" "$2" || true
    sleep 0.5
    xwininfo -id "$box" 2>/dev/null | grep -q 'IsViewable' || return 0
  done
  fail "the \"$1\" box did not take $2"
}

# box_said TEXT: the log shows that a message box said TEXT.
box_said() { grep -qF "MSGBOX_OnInit L\"$1\"" "$DEMO_LOG"; }
