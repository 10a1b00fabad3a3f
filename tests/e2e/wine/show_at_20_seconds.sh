#!/usr/bin/env bash
# The show in quorvel.exe's window about 20 s in, found by the Linux capture's
# still at 20 s: the letterbox bars, the banner and a lit sponge in the band.
# Arguments: the executable, quorvel-capture and the comparison tool.
source "$(dirname "$0")/wine.sh"

work=$(mktemp -d)
"$2" --at 20 --out "$work" >/dev/null || fail "quorvel-capture made no still"
start_exe "$1"
wine_answer Quorvel n
window=$(wine_window Quorvel app 60) || fail "no demo window"
# The demo clock starts after start-up, a moment after the window shows.
sleep 21
window=$(wine_window Quorvel app 5) || fail "the demo window is gone"
xwd -silent -id "$window" -out "$work/shot.xwd" || fail "no screenshot"
press "$window" Escape
wait_for_exit 15
"$3" "$work/shot.xwd" "$work/frame-001200.png" || fail "the show is not in the screenshot"
rm -rf "$work"
