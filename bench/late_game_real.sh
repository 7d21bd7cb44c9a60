#!/usr/bin/env bash
# The real game's frame time in the first round and after 20 rescues (F8,
# then a key after each score screen), in the same first-person view from
# the gate: the median of the once-a-second frame-time lines over SECONDS
# seconds of each, on the game's own virtual display. Fails when either
# sample holds no frame-time line.
# Usage: bench/late_game_real.sh path/to/swarmfall [SECONDS] [RESCUES]
# (a short round, only to see that it still runs: 3 1)
set -uo pipefail
GAME_WAIT_LIMIT="${GAME_WAIT_LIMIT:-120}"   # before the driver, which keeps it
source "$(dirname "$0")/../tests/e2e/game_driver.sh"
seconds="${2:-12}"
rescues="${3:-20}"

median() { sort -n | awk '{ v[NR] = $1 } END { if (NR) print v[int((NR + 1) / 2)]; else print "none" }'; }
# The frame-time lines printed over the next `seconds`, skipping the first
# (it covers the switch into play).
sample() {
  local from
  from="$(wc -l <"$GAME_TMP/stdout")"
  sleep "$seconds"
  awk -v f="$from" 'NR > f && / ms\/frame$/ { if (n++) print $1 }' "$GAME_TMP/stdout" | median
}

game_start "$1"
game_wait_line '^state 1 ChooseCharacter'
game_key g
game_wait_line '^state 3 StoryWaitKey'
game_key space
game_wait_line '^state 4 Playing'
first="$(sample)"
for _ in $(seq "$rescues"); do
  game_key F8
  game_wait_line '^state 8 ScoreWaitKey'
  game_key space
  game_wait_line '^state 4 Playing'
done
late="$(sample)"
if [ "$first" = none ] || [ "$late" = none ]; then
  echo "no frame-time line in a sample (first round: $first; late: $late)"
  exit 1
fi
echo "first round: $first ms/frame; after $rescues rescues: $late ms/frame" \
  "($(awk -v a="$late" -v b="$first" 'BEGIN { printf "%.2f", a / b }') times)"
