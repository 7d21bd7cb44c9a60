#!/usr/bin/env bash
# The Windows build under Wine against the Linux build on this machine: each
# is played to the first round and its frame time read in the same
# first-person view from the gate (the median of its once-a-second
# frame-time lines over SECONDS seconds), one after the other on the same
# kind of virtual display; prints both and their ratio.
# Usage: bench/windows_frame_ratio.sh build/swarmfall build-windows/swarmfall.exe [SECONDS]
set -uo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
linux_game="$(readlink -f "$1")"
windows_game="$(readlink -f "$2")"
seconds="${3:-20}"

work="$(mktemp -d "${TMPDIR:-/tmp}/swarmfall-ratio.XXXXXX")"
export WINEPREFIX="$work/prefix" WINEARCH=win64 WINEDEBUG=-all
# Wine keeps its server's socket folder under TMPDIR: inside the work
# folder it goes when the work folder does.
export TMPDIR="$work/tmp"
mkdir -p "$TMPDIR"
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
# Wine's and Mesa's files go into the temporary home, not the real one.
export HOME="$work/home" XDG_CACHE_HOME="$work/home/.cache" XDG_CONFIG_HOME="$work/home/.config" \
  XDG_DATA_HOME="$work/home/.local/share"
mkdir -p "$HOME"
trap 'wineserver -k 2>/dev/null; wineserver -w 2>/dev/null; rm -rf "$work"' EXIT
env -u DISPLAY wineboot -i >/dev/null 2>&1

# frame_time LAUNCHER GAME: the median ms/frame in the first round.
frame_time() {
  GAME_LAUNCHER="$1" bash -c '
    GAME_WAIT_LIMIT=120
    source "$0/../tests/e2e/game_driver.sh"
    game_start "$1"
    game_wait_line "^state 1 ChooseCharacter"
    game_key g
    game_wait_line "^state 3 StoryWaitKey"
    game_key space
    game_wait_line "^state 4 Playing"
    from="$(wc -l <"$GAME_TMP/stdout")"
    sleep "$2"
    # The first line after the switch covers the switch itself.
    awk -v f="$from" "NR > f && / ms\\/frame\$/ { if (n++) print \$1 }" "$GAME_TMP/stdout" |
      sort -n | awk "{ v[NR] = \$1 } END { if (NR) print v[int((NR + 1) / 2)]; else print \"none\" }"
  ' "$here" "$2" "$seconds"
}

linux="$(frame_time "" "$linux_game")"
windows="$(frame_time wine "$windows_game")"
echo "first person at the gate, median over ${seconds} s: Linux $linux ms/frame," \
  "Windows under Wine $windows ms/frame" \
  "($(awk -v w="$windows" -v l="$linux" 'BEGIN { if (l > 0) printf "%.2f", w / l; else print "?" }') times)"
