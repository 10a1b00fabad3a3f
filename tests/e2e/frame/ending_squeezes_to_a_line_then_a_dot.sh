#!/usr/bin/env bash
# Escape, SIGTERM or SIGINT during the logo: the picture squeezes to a line
# across the window, the line shrinks towards a dot, and the demo exits with 0
# soon after. (The signals must come back to the show's own handling once the
# question is answered, not end it at once as they do while a box is up.)
source "$(dirname "$0")/../support/e2e.sh"

[ -x "${LIT_REGION:-}" ] || fail "LIT_REGION does not name the lit_region helper"

# The logo is up: lit over more than half the window's height.
picture_up() { read -r _ height _ top _ bottom < <(lit_region "$window") && (( bottom - top > height / 2 )); }

for ending in Escape TERM INT; do
  # A background job of a script starts with SIGINT ignored; a terminal's
  # Ctrl+C finds it at its default.
  start_demo --default-signal=INT
  answer_question Escape
  window=$(wait_for_window Quorvel app) || fail "no demo window"

  wait_until 30 picture_up || fail "$ending: the picture never filled half the window: $(lit_region "$window")"

  samples=$(mktemp)
  "$LIT_REGION" "$window" 32 --until-gone >"$samples" &
  sampler=$!
  read -r width height _ < <(lit_region "$window")
  pressed=$(now)
  if [ "$ending" = Escape ]; then press "$window" Escape; else kill -"$ending" "$DEMO_PID"; fi
  wait_for_exit 3
  [ "$DEMO_EXIT" -eq 0 ] || fail "$ending: exit code $DEMO_EXIT"
  wait "$sampler" || fail "the sampler could not read the window"

  # A line: at most 3 % of the height tall and at least a quarter of the width
  # wide. Then, in a later sample, the line down to two thirds of its widest or
  # less: shrinking towards the dot. (A software renderer shows only a few
  # frames of the fade, so the dot itself may fall between two of them.)
  verdict=$(awk -v w="$width" -v h="$height" -v pressed="$pressed" '
    NF < 4 || $4 == "none" || $1 < pressed { next }
    { $1 -= pressed; lit_w = $6 - $4 + 1; thin = $7 - $5 + 1 <= 0.03 * h }
    thin && !line_at && lit_w >= 0.25 * w { line_at = $1; widest = lit_w; next }
    thin && line_at && !dot_at && lit_w <= widest * 2 / 3 { dot_at = $1; dot_w = lit_w; next }
    thin && line_at && !dot_at && lit_w > widest { widest = lit_w }
    END { printf "%s %s %s %s\n", (line_at ? line_at : "-"), (widest ? widest : "-"), (dot_at ? dot_at : "-"), (dot_w ? dot_w : "-") }
  ' "$samples")
  read -r line_at widest dot_at dot_w <<<"$verdict"
  [ "$line_at" != - ] || fail "$ending: the picture never became a line; the last samples: $(tail -n 12 "$samples" | tr '\n' ';')"
  [ "$dot_at" != - ] || fail "$ending: the line never shrank towards a dot; the last samples: $(tail -n 12 "$samples" | tr '\n' ';')"
  echo "$ending: a line ${widest} px wide $line_at s after it, ${dot_w} px wide at $dot_at s; $(wc -l <"$samples") samples"
done
