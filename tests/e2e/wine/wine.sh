# Helpers for the Wine tests: quorvel.exe under Wine on the X server in
# $DISPLAY, in the prefix that the wine.prefix fixture made. Source this file
# from a test whose first argument is the executable.
source "$(dirname "${BASH_SOURCE[0]}")/../support/e2e.sh"

require wine bc xwd
[ -d "${WINEPREFIX:-}" ] || fail "no Wine prefix at '${WINEPREFIX:-}'"
[ -f "$1" ] || fail "no $1: scripts/build-windows builds it"

# Debian's Wine loaders: wine for 32-bit programs, wine64 for 64-bit ones
# (the `wine` command always takes the first when it is installed).
pe_bits() {
  local header magic
  header=$(od -An -tu4 -j 60 -N 4 "$1" | tr -d ' ')
  magic=$(od -An -tx2 -j $((header + 24)) -N 2 "$1" | tr -d ' ')
  case $magic in 010b) echo 32 ;; 020b) echo 64 ;; *) return 1 ;; esac
}
case $(pe_bits "$1") in
  32) WINE_LOADER=/usr/lib/wine/wine ;;
  64) WINE_LOADER=/usr/lib/wine/wine64 ;;
  *) fail "$1 is no Windows executable" ;;
esac
# Some machines' kernels run no 32-bit programs at all, and so no 32-bit Wine:
# there the test cannot run, and says so (ctest counts it as skipped).
if ! "$WINE_LOADER" --version >/dev/null 2>&1; then
  echo "skipped: $WINE_LOADER does not start (this machine's kernel cannot run $(pe_bits "$1")-bit programs)"
  exit 77
fi
# Wine's chatter goes to the demo's log; only the message boxes' texts are
# traced, so that the tests can read what a box says.
export WINEDEBUG=-all,trace+msgbox

# start_exe EXE [ENV...]: starts EXE under Wine in the background; sets
# DEMO_PID (the exit code of the Windows process is Wine's) and DEMO_LOG.
# Wine speaks the C locale's English whatever the test's locale, so that the
# boxes' captions and the keys that answer them are the ones the tests know.
start_exe() {
  local exe=$1
  shift
  DEMO_LOG=$(mktemp)
  env LC_ALL=C.UTF-8 "$@" "$WINE_LOADER" "$exe" >"$DEMO_LOG" 2>&1 &
  DEMO_PID=$!
  trap 'end_exe $?' EXIT
}
# A failed test shows the end of what Wine and the demo said.
end_exe() {
  kill -9 "$DEMO_PID" 2>/dev/null || true
  if [ "$1" -ne 0 ]; then
    echo "--- the end of Wine's output:" >&2
    tail -n 20 "$DEMO_LOG" >&2
  fi
  rm -f "$DEMO_LOG"
}

# wine_window NAME KIND [SECONDS]: prints the id of a shown window of
# quorvel.exe titled NAME; KIND "box" (a message box, smaller than 600 pixels
# across) or "app". Wine may make an application's X window anew when its
# pixel format is set: an "app" window counts once it is still shown half a
# second after it was found.
shown_width() { xwininfo -id "$1" 2>/dev/null | awk '/IsViewable/ {shown = 1} /^  Width:/ {w = $NF} END {print shown ? w : 0}'; }
find_wine_window() {
  local id width
  for id in $(list_windows | awk -F'|' -v n="$1" '$2 == n && $3 ~ /quorvel\.exe/ {print $1}'); do
    width=$(shown_width "$id")
    if [ "$2" = box ]; then
      (( width > 0 && width < 600 )) || continue
    else
      (( width >= 600 )) || continue
      sleep 0.5
      (( $(shown_width "$id") >= 600 )) || continue
    fi
    echo "$id"
    return 0
  done
  return 1
}
wine_window() { first_found "${3:-30}" find_wine_window "$1" "$2"; }

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
