# Live shaders: in a copy of the sources, an edit of the old-screen shader
# changes the picture while the studio stands still; a broken edit keeps the
# last good picture and the process, and is reported with its file and line; a
# deleted shader keeps the program. A --source without shaders runs on the
# built-in ones.
set -euo pipefail
source "$(dirname "$0")/studio.sh"
work=$(mktemp -d)
trap 'kill -9 "${STUDIO_PID:-0}" 2>/dev/null || true; rm -rf "$work"' EXIT
cd "$work"
copy_sources src
shader=src/resources/shaders/old_screen.frag
cp "$shader" original.frag

start_studio --source src --fps 60 --size 160x100
keys space Home shift+Right
cp "$(save_still 10)" before.png

# still_differs FILE: a still saved now differs from FILE.
still_differs() {
  local still
  still=$(save_still 10) || return 1
  ! cmp -s "$still" "$1"
}

# The picture painted red at the end of main, the file's last function.
end=$(grep -n '^}' original.frag | tail -1 | cut -d: -f1)
sed "${end}s/^}/    gl_FragColor = vec4(1.0, 0.0, 0.0, 1.0);\n}/" original.frag >"$shader"
wait_until 30 still_differs before.png || fail "the edited shader did not change the picture within 30 s"
cp "$(save_still 10)" red.png

# A line that does not compile, then the file deleted: the red picture stays.
bad=$((end + 1))
sed "${bad}s/^}/    this does not compile;\n}/" "$shader" >broken.frag && cp broken.frag "$shader"
wait_until 30 grep -q "old_screen.frag:$bad:" "$STUDIO_LOG" ||
  fail "no report of old_screen.frag:$bad: $(cat "$STUDIO_LOG")"
cmp -s "$(save_still 10)" red.png || fail "a broken shader changed the picture"
rm "$shader"
cmp -s "$(save_still 10)" red.png || fail "a deleted shader changed the picture"
studio_alive || fail "the studio ended"
keys Escape
wait_until 10 sh -c "! kill -0 $STUDIO_PID 2>/dev/null" || fail "Escape did not end the studio"

# No shaders under --source: said once, and the built-in show plays.
mkdir empty
start_studio --source empty --fps 60 --size 160x100
keys space Home shift+Right
cmp -s "$(save_still 10)" before.png || fail "without shaders to watch the picture is not the built-in one"
said=$(grep -c . "$STUDIO_LOG") && ((said > 0)) || fail "nothing said of a --source without shaders"
sleep 1  # the studio looks at its sources four times a second
(($(grep -c . "$STUDIO_LOG") == said)) || fail "the missing sources were said more than once: $(cat "$STUDIO_LOG")"
echo "PASS: an edit shows, a broken or deleted shader keeps the picture, no shaders runs built in"
