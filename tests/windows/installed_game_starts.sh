#!/usr/bin/env bash
# installed_game_starts.sh GAME: the game shows its window and moves on from
# the title to the character choice by itself, then is stopped. Started
# through GAME_LAUNCHER (wine) by scripts/test-windows.
set -uo pipefail
GAME_WAIT_LIMIT="${GAME_WAIT_LIMIT:-90}"
source "$(dirname "$0")/../e2e/game_driver.sh"
game_start "$1"
game_wait_line '^state 1 ChooseCharacter'
echo "the installed game starts"
