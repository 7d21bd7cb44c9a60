#!/usr/bin/env bash
# Plays the real game through with real key presses: title, character,
# story, a turn, a step and a throw, the options and controls menus and back,
# a death, a rescue with its score screens, a time-out with the best scores
# back to the title, Escape into the options menu and out again, and a slow
# tap of Up (down for 0.7 s) to EXIT, which ends the game with status 0.
# Usage: play_through.sh path/to/swarmfall
set -uo pipefail
# The limits are set before the driver is read, which keeps what it finds.
GAME_WAIT_LIMIT="${GAME_WAIT_LIMIT:-90}"
GAME_TOTAL_LIMIT="${GAME_TOTAL_LIMIT:-480}"
source "$(dirname "$0")/game_driver.sh"

# Window pixels of the things checked on screen (the text space of 800 x 612
# units fills the 1024 x 768 window).
scene=(0 60 1024 560)         # the 3D view between the score line and the HUD
ammo=(89 692 77 38)           # the red ammunition count
hud_time=(627 692 115 38)     # the red time count
menu_ink='#303090'            # the menus' (and the best scores') text colour
best_first=(192 516 700 17)   # the first game of the best scores on the time-up screens
options_row() { echo 146 $((152 + 40 * $1)) 20 20; }   # the options cursor "O" beside item $1
controls_row() { echo 146 $((154 + 64 * $1 / 3)) 20 20; }  # the controls cursor beside item $1

# Puts the options cursor on item $1 from item 0, one Up per gate opening
# (a gate opening handles one key and drops the rest), seeing each move.
options_cursor_up_to() {
  local item=6
  while :; do
    game_key Up
    game_wait_colour $(options_row $item) "$menu_ink" 10
    [ "$item" -eq "$1" ] && return 0
    item=$((item - 1))
  done
}

start_play() {
  game_wait_line '^state 1 ChooseCharacter'
  game_key g
  game_wait_line '^state 2 Story'
  game_wait_line '^state 3 StoryWaitKey'
  game_key space
  game_wait_line '^state 4 Playing'
  game_wait_colour "${hud_time[@]}" '#ff0000' 40
}

game_start "$1"
shots="$GAME_TMP"
# A best-scores table from earlier games: shown at the end of the game, and
# not written over, as that game ends by a debugging key.
table="$GAME_SCORES/best-scores"
mkdir -p "$(dirname "$table")"
printf '4210 3 girl 2024-05-30\n990 1 boy 2024-06-01\n' >"$table"
cp "$table" "$shots/table"

echo "title, character, story"
start_play

echo "play: turn, walk, throw"
game_shot "$shots/before_turn.png"
game_key d
game_wait_frames 90              # read at the next decision pass, then 40 ticks of turning
game_wait_change "${scene[@]}"
game_key w
game_wait_frames 90
game_wait_change "${scene[@]}"
game_key h
game_wait_change "${ammo[@]}" 30  # 20 grenades become 19

echo "options menu, controls menu, back to play"
game_key Escape
game_wait_line '^state 9 OptionsMenu'
game_wait_colour $(options_row 0) "$menu_ink" 10
options_cursor_up_to 4            # CONTROL
game_key Return
game_wait_line '^state 10 ControlsMenu'
game_wait_colour $(controls_row 0) "$menu_ink" 10
game_key Up                       # from FORWARD round to RETURN
game_wait_colour $(controls_row 13) "$menu_ink" 10
game_key Return
game_wait_line '^state 9 OptionsMenu'
options_cursor_up_to 5            # RETURN
game_key Return
game_wait_line '^state 4 Playing'
# The cursor's x went out once per showing of the menu and once per move of
# its cursor: 1 + 3, then 1 + 2 after the controls menu; not on every frame.
cursor_lines="$(grep -c '^114$' "$GAME_TMP/stdout")"
[ "$cursor_lines" -eq 7 ] || game_fail "$cursor_lines cursor lines from the options menu, not 7"

echo "death"
game_key F10
game_wait_line '^Cheat activated! DIE!$'
game_wait_line '^state 13 DeathMessage'
game_wait_line '^state 5 HaveAnotherGo'
game_wait_line '^state 4 Playing'

echo "rescue, score screens, next round"
game_key F8
game_wait_line '^Cheat activated! WON GAME$'
game_wait_line '^state 6 RescueMessage'
game_wait_line '^state 7 ScoreScreen'
game_wait_line '^state 8 ScoreWaitKey'
game_key space
game_wait_line '^state 4 Playing'

echo "time up, back to the title"
game_key F11
game_wait_line '^Cheat activated! LOOSE BY TIME$'
game_wait_line '^state 11 TimeUpScreen'
game_wait_line '^state 12 TimeUpWaitKey'
game_wait_colour "${best_first[@]}" "$menu_ink" 100
cmp -s "$table" "$shots/table" || game_fail "a game ended by a debugging key changed the best scores"
game_key space
game_wait_line '^state 0 Intro'

echo "a new game, Escape in and out of the menu, then EXIT"
start_play
game_key Escape
game_wait_line '^state 9 OptionsMenu'
game_wait_colour $(options_row 0) "$menu_ink" 10
game_key Escape
game_wait_line '^state 4 Playing'
game_key Escape
game_wait_line '^state 9 OptionsMenu'
game_wait_colour $(options_row 0) "$menu_ink" 10
# A slow tap, down for most of the gate's 0.8 s so that a gate opens while
# it is down: one move (to EXIT), and none more when it comes up.
cursor_lines="$(grep -c '^114$' "$GAME_TMP/stdout")"
game_hold Up 0.7
game_wait_colour $(options_row 6) "$menu_ink" 10
sleep 1.7                         # two more gate openings
moves=$(($(grep -c '^114$' "$GAME_TMP/stdout") - cursor_lines))
[ "$moves" -eq 1 ] || game_fail "one slow tap of Up moved the options cursor $moves times"
game_key Return
game_wait_exit 0
echo "played through"
