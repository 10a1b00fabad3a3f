# Exact seeks: on the fixed clock, stills the studio saves after seeks, frame
# steps back and forth and a loop equal quorvel-capture's at the same moments.
set -euo pipefail
source "$(dirname "$0")/studio.sh"
work=$(mktemp -d)
trap 'kill -9 "${STUDIO_PID:-0}" 2>/dev/null || true; rm -rf "$work"' EXIT
cd "$work"

"$QUORVEL_BUILD_DIR/quorvel-capture" --size 320x200 --at 5,11,13,30,60 --out capture >/dev/null 2>&1 ||
  fail "quorvel-capture failed"

mkdir studio && cd studio
start_studio --fps 60 --size 320x200
keys space                           # paused wherever it stands
declare -A stills
keys Home Right Right Right Right Right
stills[5]=$(save_still 5)
keys shift+Right Left Left Left Left
stills[11]=$(save_still 11)
# Two seconds in frames, forward, back and forward again.
keys $(printf 'period %.0s' {1..120}) comma comma comma period period period
stills[13]=$(save_still 13)
# A loop from 13 to 14 s played over, then a seek out of it.
keys bracketleft Right bracketright l Left space
sleep 3                              # played over a few times, wherever it stops
keys space l Home shift+Right shift+Right shift+Right
stills[30]=$(save_still 30)
keys shift+Right shift+Right shift+Right
stills[60]=$(save_still 60)

for seconds in 5 11 13 30 60; do
  frame=$(printf 'frame-%06d.png' $((seconds * 60)))
  cmp -s "${stills[$seconds]}" "../capture/$frame" ||
    fail "the studio's still at $seconds s differs from quorvel-capture's $frame"
done
studio_alive || fail "the studio ended"
echo "PASS: five stills after seeks, steps and a loop equal the capture's"
