#!/usr/bin/env bash
# installed_game_check.sh BUILD_DIR
# Installs the game into a temporary prefix and starts the installed
# executable from an unrelated folder: it must reach its first frame-time
# line with no loader failure. Then, with the data folder moved away, it
# must say where it looked in one line and fail at once, without waiting.
set -euo pipefail
build="$1"
work="$(mktemp -d)"
game_pid=""
cleanup() {
  [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*"; exit 1; }

prefix="$work/prefix"
elsewhere="$work/elsewhere"
mkdir -p "$elsewhere"
cmake --install "$build" --prefix "$prefix" > /dev/null
for f in bin/swarmfall share/swarmfall/shaders share/swarmfall/model share/swarmfall/texture \
         share/swarmfall/sounds/music.wav \
         share/icons/hicolor/64x64/apps/swarmfall.png share/icons/hicolor/256x256/apps/swarmfall.png; do
  [ -e "$prefix/$f" ] || fail "not installed: $f"
done
cd "$elsewhere"

# The frame-time line comes once a second of play and flushes what the
# loaders printed before it; software OpenGL on a busy machine is slow to start.
log="$work/game.log"
"$prefix/bin/swarmfall" < /dev/null > "$log" 2>&1 &
game_pid=$!
for _ in $(seq 240); do
  grep -q "ms/frame" "$log" && break
  kill -0 "$game_pid" 2>/dev/null || break
  sleep 0.5
done
kill "$game_pid" 2>/dev/null || true
wait "$game_pid" 2>/dev/null || true
game_pid=""
grep -q "ms/frame" "$log" || { cat "$log"; fail "no frame-time line from the installed game"; }
if grep -E "Impossible to open|could not be opened|can't be read|Cannot read" "$log"; then
  fail "a loader could not read an installed file"
fi

# Without its data: one line on standard error, nothing else, exit -1.
# Standard input is a pipe held open here, so a wait for a key would run
# into the timeout.
mv "$prefix/share/swarmfall" "$prefix/share/moved-away"
mkfifo "$work/stdin"
exec 3<> "$work/stdin"
status=0
timeout 20 "$prefix/bin/swarmfall" > "$work/missing.out" 2> "$work/missing.err" <&3 || status=$?
exec 3>&-
[ "$status" -eq 255 ] || fail "exit status $status without data, expected 255 (-1)"
[ ! -s "$work/missing.out" ] || { cat "$work/missing.out"; fail "standard output not empty without data"; }
[ "$(wc -l < "$work/missing.err")" -eq 1 ] || { cat "$work/missing.err"; fail "expected one line"; }
for place in "$elsewhere" "$prefix/bin" "$prefix/share/swarmfall"; do
  grep -qF "$place" "$work/missing.err" || { cat "$work/missing.err"; fail "the line does not name $place"; }
done
echo "installed game starts from $elsewhere and reports missing data in one line"
