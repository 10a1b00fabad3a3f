# Helpers for the studio's end-to-end tests, over tests/e2e/support/e2e.sh.
# Source this file.
source "$(dirname "${BASH_SOURCE[0]}")/../support/e2e.sh"

# start_studio [ARG...]: starts build/quorvel-studio in the current folder
# with the arguments; sets STUDIO_PID, STUDIO_LOG (its standard error) and
# STUDIO_WINDOW once its window shows.
start_studio() {
  STUDIO_LOG=$(mktemp)
  "$QUORVEL_BUILD_DIR/quorvel-studio" "$@" 2>"$STUDIO_LOG" &
  STUDIO_PID=$!
  trap 'kill -9 "$STUDIO_PID" 2>/dev/null || true' EXIT
  STUDIO_WINDOW=$(wait_for_window Quorvel app 30) || fail "no studio window within 30 s: $(cat "$STUDIO_LOG")"
}

# keys KEY...: the keys, in order, into the studio's window.
keys() {
  xdotool windowfocus --sync "$STUDIO_WINDOW" 2>/dev/null || xdotool windowfocus "$STUDIO_WINDOW"
  xdotool key --clearmodifiers --delay 20 "$@"
}

# copy_sources DIR: what the studio watches, copied from the source tree into DIR.
copy_sources() {
  mkdir -p "$1/resources" "$1/synth"
  cp -r "$QUORVEL_SOURCE_DIR/resources/shaders" "$1/resources/"
  cp -r "$QUORVEL_SOURCE_DIR/synth/song" "$1/synth/"
}

studio_alive() { kill -0 "$STUDIO_PID" 2>/dev/null; }

# still_of SECONDS: the name the studio gives the still of that moment.
still_of() { printf 'quorvel-%07.3f.png' "$1"; }

# save_still SECONDS: presses S and waits for the still of that moment; prints its path.
save_still() {
  local name
  name=$(still_of "$1")
  rm -f "$name"
  keys s
  wait_until 30 test -s "$name" || fail "no still $name within 30 s (alive: $(studio_alive && echo yes || echo no))"
  # Written through a staging name and renamed in: whole once it is there.
  echo "$PWD/$name"
}
