#!/usr/bin/env bash
# A game played with real key presses leaves its replay in the data folder;
# --verify-replay reaches the score and rescues the time-up screen showed,
# and --replay shows the game moving in the window until Escape.
# Usage: replay_through.sh path/to/swarmfall
set -uo pipefail
GAME_WAIT_LIMIT="${GAME_WAIT_LIMIT:-90}"
GAME_TOTAL_LIMIT="${GAME_TOTAL_LIMIT:-300}"
source "$(dirname "$0")/game_driver.sh"

scene=(0 60 1024 560)   # the 3D view between the score line and the HUD
hud_time=(627 692 115 38)  # the red time count

# Pixels that differ between two screenshots in the box $3..$6.
box_differs() {
  convert "$1" -crop "${5}x${6}+${3}+${4}" +repage "$GAME_TMP/box_1.png"
  convert "$2" -crop "${5}x${6}+${3}+${4}" +repage "$GAME_TMP/box_2.png"
  local d
  d="$(compare -metric AE -fuzz 5% "$GAME_TMP/box_1.png" "$GAME_TMP/box_2.png" null: 2>&1)"
  echo "${d%%.*}"
}
binary="$(readlink -f "$1")"

game_start "$1"
game_wait_line '^state 1 ChooseCharacter'
game_key b
game_wait_line '^state 3 StoryWaitKey'
game_key space
game_wait_line '^state 4 Playing'

echo "a game: walk, turn, throw, a rescue, then time up"
game_key w
game_wait_frames 60
game_key d
game_wait_frames 60
game_key w
game_wait_frames 60
game_key j
game_wait_frames 60
game_key F8
game_wait_line '^state 8 ScoreWaitKey'
game_key space
game_wait_line '^state 4 Playing'
game_key a
game_wait_frames 60
game_key F11
game_wait_line '^Game over: score [0-9]*, rescues [0-9]*$'
game_wait_line '^state 11 TimeUpScreen'
result="$(grep -m 1 '^Game over: ' "$GAME_TMP/stdout" | sed 's/^Game over: //')"
replay="$GAME_TMP/data/swarmfall/replays/last.replay"
[ -s "$replay" ] || game_fail "no replay of the game in the data folder"
kill "$GAME_PID" && wait "$GAME_PID" 2>/dev/null
GAME_PID=""

echo "checking the replay: $result"
checked="$("$binary" --verify-replay "$replay")"
status=$?
[ "$status" -eq 0 ] || game_fail "--verify-replay ended with $status: $checked"
[ "$checked" = "$result: as recorded" ] || game_fail "--verify-replay said '$checked', the game '$result'"

echo "watching the replay"
game_launch '^state 4 Playing' --replay "$replay"
game_wait_frames 30
game_shot "$GAME_TMP/replay_start.png"
[ -n "${REPLAY_SHOTS:-}" ] && cp "$GAME_TMP/replay_start.png" "$REPLAY_SHOTS/"
game_wait_change "${scene[@]}"
[ -n "${REPLAY_SHOTS:-}" ] && cp "$GAME_TMP/change.png" "$REPLAY_SHOTS/replay_moved.png"

echo "paused: the countdown stands, the free camera flies"
game_key space KP_4
game_wait_frames 30
game_shot "$GAME_TMP/paused_a.png"
game_hold Up 1
game_wait_frames 30
game_shot "$GAME_TMP/paused_b.png"
[ -n "${REPLAY_SHOTS:-}" ] && cp "$GAME_TMP/paused_b.png" "$REPLAY_SHOTS/"
[ "$(box_differs "$GAME_TMP/paused_a.png" "$GAME_TMP/paused_b.png" "${hud_time[@]}")" -eq 0 ] ||
  game_fail "the countdown moved while the replay was paused"
[ "$(box_differs "$GAME_TMP/paused_a.png" "$GAME_TMP/paused_b.png" "${scene[@]}")" -gt 1000 ] ||
  game_fail "the free camera did not move while the replay was paused"
game_key Escape
game_wait_exit 0
echo "replayed"
