# The studio's sound, on SDL's disk driver (paced in real time, ended with the
# test): paused it is silent and the picture holds; a loop plays the same
# samples over; a song edit the compiler refuses keeps the old sound, and a
# good one is heard from the loop's next pass on, equal to the offline render
# of the edited source and unchanged before the edit's row.
set -euo pipefail
source "$(dirname "$0")/studio.sh"
require python3 xwd
sound=(python3 "$(realpath "$(dirname "$0")")/studio_sound.py")
work=$(mktemp -d)
trap 'kill -9 "${STUDIO_PID:-0}" 2>/dev/null || true; rm -rf "$work"' EXIT
cd "$work"

copy_sources src
song=src/synth/song/quorvel_song.txt
IFS="|" read -r line text start edit < <("${sound[@]}" plan "$song")
sed "${line}s/.*/$text/" "$song" >edited.txt
"$QUORVEL_BUILD_DIR/quorvel-render-song" old.wav >/dev/null
"$QUORVEL_BUILD_DIR/quorvel-render-song" new.wav --song edited.txt >/dev/null

export SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$work/sound.raw"
start_studio --source src --size 160x100
# Paused in the music, the overlay hidden.
keys h shift+Right shift+Right space
second=$((44100 * 8))
bytes() { stat -c %s sound.raw 2>/dev/null || echo 0; }
grown() { (($(bytes) >= $1)); }
# A device buffer may still have been on its way when the pause came.
from=$(($(bytes) + second / 4))
wait_until 10 grown $((from + second)) || fail "the disk driver wrote nothing for 10 s"
"${sound[@]}" silent sound.raw "$from"
xwd -silent -id "$STUDIO_WINDOW" >paused-1.xwd
wait_until 10 grown $(($(bytes) + second / 2)) || fail "the disk driver stopped"
xwd -silent -id "$STUDIO_WINDOW" >paused-2.xwd
cmp -s paused-1.xwd paused-2.xwd || fail "the picture moved while paused"

# A loop of two seconds over the edit's row.
keys Home $(printf 'shift+Right %.0s' $(seq $((start / 10)))) $(printf 'Right %.0s' $(seq $((start % 10))))
keys bracketleft Right Right bracketright Left Left l
echo 'this is no song' >>"$song"
keys space
broken=$(wc -l <"$song")
wait_until 30 grep -q "quorvel_song.txt:$broken:" "$STUDIO_LOG" ||
  fail "the broken edit was not reported at quorvel_song.txt:$broken"
after=$(bytes)
wait_until 30 grown $((after + 5 * second)) || fail "the disk driver stopped"
"${sound[@]}" loops sound.raw old.wav new.wav "$start" "$edit" old "$after" ||
  fail "the old song did not play on after a broken edit"

cp edited.txt "$song"
after=$(bytes)
heard=0
for _ in $(seq 90); do
  if "${sound[@]}" loops sound.raw old.wav new.wav "$start" "$edit" new "$after" 2>/dev/null; then heard=1; break; fi
  sleep 1
done
((heard)) || "${sound[@]}" loops sound.raw old.wav new.wav "$start" "$edit" new "$after" ||
  fail "the edited song was not heard within 90 s"
studio_alive || fail "the studio ended"
echo "PASS: paused silent and still, loops repeat, a broken edit keeps the song, a good one is heard as rendered"
