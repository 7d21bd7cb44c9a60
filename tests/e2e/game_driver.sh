# Drives the real game from a shell script: starts it on its own virtual X
# display with standard output captured, presses real keys through XTEST
# (xdotool), takes screenshots (ImageMagick) and waits, each wait with a limit,
# for a line the game prints or for something on its screen.
#
#   source tests/e2e/game_driver.sh
#   game_start build/swarmfall        # own Xvfb, own config and data folders, stdout captured
#   game_launch '^state 4 ' --replay F  # the same game again, with options
#   game_wait_line '^state 1 '        # next matching output line after the last one waited on
#   game_key g                        # one tap; xdotool key names (Return, Escape, F8, w ...)
#   game_hold Up 0.7                  # down for 0.7 s, then up
#   game_shot /path/shot.png          # screenshot of the game window
#   game_wait_colour X Y W H '#303090' 20   # until 20 pixels of the box (window pixels,
#                                           # from the top left) are near that colour
#   game_wait_change X Y W H          # until the box differs from the last screenshot
#   game_wait_exit 0                  # until the game ends; checks its exit status
#
# The game prints "state N Name" on every change of game state, once the new
# state's first frame is on screen; those lines are the usual thing to wait
# for. A wait that runs past GAME_WAIT_LIMIT seconds (default 60), or past
# GAME_TOTAL_LIMIT seconds after game_start, calls game_fail: it prints the
# tail of the game's output, copies the whole output and the last screenshot
# into GAME_KEEP when that names a folder, and exits the script with status 1.
# game_start installs an EXIT trap that stops the game and the display and
# removes every temporary file; a script that needs its own trap should call
# game_stop from it. Needs Xvfb, xdotool and ImageMagick (scripts/install-deps
# installs them).
#
# GAME_LAUNCHER names a program the game is started through (`wine` for the
# Windows build: Wine's windows are X windows like any other); GAME_SCORES
# is the folder the game keeps its best scores in, the XDG data folder it is
# given unless GAME_SCORES_DIR names another (a Windows build's %APPDATA%).

GAME_WAIT_LIMIT="${GAME_WAIT_LIMIT:-60}"
GAME_TOTAL_LIMIT="${GAME_TOTAL_LIMIT:-}"   # seconds for the whole script, if set
GAME_TOTAL_DEADLINE=""
GAME_TMP=""
GAME_PID=""
GAME_XVFB_PID=""
GAME_WINDOW=""
GAME_LINE=0
GAME_LAST_SHOT=""
GAME_LAUNCHER="${GAME_LAUNCHER:-}"
GAME_SCORES=""

game_fail() {
  echo "game_driver: $*" >&2
  if [ -n "$GAME_TMP" ] && [ -f "$GAME_TMP/stdout" ]; then
    echo "--- last lines of the game's output:" >&2
    tail -n 15 "$GAME_TMP/stdout" >&2
    echo "--- its standard error:" >&2
    tail -n 15 "$GAME_TMP/stderr" >&2
  fi
  if [ -n "${GAME_KEEP:-}" ] && [ -n "$GAME_TMP" ]; then
    cp "$GAME_TMP/stdout" "$GAME_KEEP/" 2>/dev/null || true
    [ -n "$GAME_LAST_SHOT" ] && cp "$GAME_LAST_SHOT" "$GAME_KEEP/" 2>/dev/null || true
  fi
  exit 1
}

# Seconds since the epoch with a fraction, for the wait limits.
game_now() { date +%s.%N; }
game_past() { awk -v a="$(game_now)" -v b="$1" 'BEGIN { exit !(a > b) }'; }
# The end of a wait: LIMIT (or GAME_WAIT_LIMIT) seconds from now, but never
# past the end of the whole script's time.
game_deadline() {
  awk -v a="$(game_now)" -v b="${1:-$GAME_WAIT_LIMIT}" -v t="$GAME_TOTAL_DEADLINE" \
    'BEGIN { d = a + b; if (t != "" && t < d) d = t; printf "%.3f", d }'
}

game_running() { [ -n "$GAME_PID" ] && kill -0 "$GAME_PID" 2>/dev/null; }

game_stop() {
  if game_running; then
    kill "$GAME_PID" 2>/dev/null
    wait "$GAME_PID" 2>/dev/null
  fi
  GAME_PID=""
  if [ -n "$GAME_XVFB_PID" ]; then
    kill "$GAME_XVFB_PID" 2>/dev/null
    wait "$GAME_XVFB_PID" 2>/dev/null
    GAME_XVFB_PID=""
  fi
  if [ -n "$GAME_TMP" ]; then
    rm -rf "$GAME_TMP"
    GAME_TMP=""
  fi
}

# game_start BINARY: a 1024 x 768 virtual screen, the game on it with empty
# settings and data folders ($GAME_TMP/config, $GAME_TMP/data: a script may
# put files there) and silent audio, and its window focused.
game_start() {
  local binary
  binary="$(readlink -f "$1")" || game_fail "no game binary at $1"
  [ -x "$binary" ] || game_fail "no game binary at $1"
  if [ -n "$GAME_TOTAL_LIMIT" ]; then
    GAME_TOTAL_DEADLINE="$(awk -v a="$(game_now)" -v b="$GAME_TOTAL_LIMIT" 'BEGIN { printf "%.3f", a + b }')"
  fi
  GAME_TMP="$(mktemp -d "${TMPDIR:-/tmp}/swarmfall-e2e.XXXXXX")"
  trap game_stop EXIT
  trap 'exit 1' TERM INT HUP
  mkdir -p "$GAME_TMP/config" "$GAME_TMP/data"
  GAME_SCORES="${GAME_SCORES_DIR:-$GAME_TMP/data/swarmfall}"

  # -displayfd picks a free display number itself, so parallel runs never collide.
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$GAME_TMP/display" \
    >"$GAME_TMP/xvfb.log" 2>&1 &
  GAME_XVFB_PID=$!
  local deadline
  deadline="$(game_deadline 20)"
  until [ -s "$GAME_TMP/display" ]; do
    kill -0 "$GAME_XVFB_PID" 2>/dev/null || game_fail "Xvfb did not start: $(cat "$GAME_TMP/xvfb.log")"
    game_past "$deadline" && game_fail "Xvfb gave no display number"
    sleep 0.05
  done
  export DISPLAY=":$(tr -d '[:space:]' <"$GAME_TMP/display")"

  GAME_BINARY="$binary"
  game_launch '^state 0 '
}

# game_launch PATTERN [ARGS...]: starts the game of game_start again, on the
# same display and folders, with ARGS; waits for a line matching PATTERN and
# focuses its window. Standard output starts afresh.
game_launch() {
  local first_line="$1"
  shift
  # A Windows build ends its lines with CR LF: the lines are kept without the
  # CR, so the same patterns match them.
  : >"$GAME_TMP/stdout"
  XDG_CONFIG_HOME="$GAME_TMP/config" XDG_DATA_HOME="$GAME_TMP/data" ALSOFT_DRIVERS=null \
    $GAME_LAUNCHER "$GAME_BINARY" "$@" </dev/null > >(sed -u 's/\r$//' >"$GAME_TMP/stdout") \
    2>"$GAME_TMP/stderr" &
  GAME_PID=$!
  GAME_LINE=0
  game_wait_line "$first_line"
  GAME_WINDOW="$(xdotool search --onlyvisible --name '^Swarmfall$' | head -n 1)"
  [ -n "$GAME_WINDOW" ] || game_fail "the game shows no window named Swarmfall"
  xdotool windowfocus "$GAME_WINDOW" || game_fail "cannot focus the game window"
}

# game_wait_line REGEX [LIMIT]: the first line after the last one waited on
# that matches the extended regular expression; prints nothing, remembers it.
game_wait_line() {
  local regex="$1" deadline found
  deadline="$(game_deadline "${2:-}")"
  while :; do
    found="$(awk -v from="$GAME_LINE" -v re="$regex" \
      'NR > from && $0 ~ re { print NR; exit }' "$GAME_TMP/stdout")"
    if [ -n "$found" ]; then
      GAME_LINE="$found"
      return 0
    fi
    game_running || game_fail "the game ended while waiting for /$regex/"
    game_past "$deadline" && game_fail "no line /$regex/ within the limit"
    sleep 0.05
  done
}

# game_wait_frames N: until the game has drawn at least N more frames, as
# counted from its once-a-second "<ms> ms/frame" lines. Below 100 frames per
# second every frame simulates one tick or more, so play decides every 40
# frames at most, and this waits for decision passes at whatever speed the
# renderer manages.
game_wait_frames() {
  local start deadline total
  start="$(wc -l <"$GAME_TMP/stdout")"
  deadline="$(game_deadline)"
  while :; do
    total="$(awk -v from="$start" 'NR > from && / ms\/frame$/ && $1 > 0 { n += 1000 / $1 }
      END { printf "%d", n }' "$GAME_TMP/stdout")"
    [ "$total" -ge "$1" ] && return 0
    game_running || game_fail "the game ended while waiting for $1 frames"
    game_past "$deadline" && game_fail "fewer than $1 frames within the limit (counted $total)"
    sleep 0.1
  done
}

# game_key KEY...: taps each key in turn; the game counts the press until
# it samples the keyboard, however short the tap.
game_key() {
  game_running || game_fail "the game is not running (key $*)"
  xdotool key --delay 0 "$@" || game_fail "xdotool could not press $*"
}

# game_hold KEY SECONDS: one key down that long, then up, as a slow tap.
game_hold() {
  game_running || game_fail "the game is not running (key $1)"
  xdotool keydown "$1" || game_fail "xdotool could not press $1"
  sleep "$2"
  xdotool keyup "$1" || game_fail "xdotool could not let go of $1"
}

# game_shot FILE: the game window as a PNG.
game_shot() {
  import -silent -window "$GAME_WINDOW" "png:$1" 2>/dev/null || game_fail "no screenshot of the window"
  GAME_LAST_SHOT="$1"
}

# game_colour_count FILE X Y W H COLOUR [FUZZ%]: how many pixels of the box
# lie within FUZZ (default 12%) of COLOUR.
game_colour_count() {
  convert "$1" -crop "${4}x${5}+${2}+${3}" +repage -fuzz "${7:-12}%" \
    -fill white -opaque "$6" -fill black +opaque white -colorspace gray \
    -format '%[fx:round(mean*w*h)]' info:
}

# game_wait_colour X Y W H COLOUR MIN [FUZZ%]: screenshots until at least MIN
# pixels of the box are near COLOUR.
game_wait_colour() {
  local deadline shot="$GAME_TMP/wait.png" count
  deadline="$(game_deadline)"
  while :; do
    game_running || game_fail "the game ended while waiting for $5 at $1,$2"
    game_shot "$shot"
    count="$(game_colour_count "$shot" "$1" "$2" "$3" "$4" "$5" "${7:-12}")"
    [ "${count:-0}" -ge "$6" ] && return 0
    game_past "$deadline" && game_fail "fewer than $6 pixels near $5 in ${3}x${4}+${1}+${2} (last $count)"
  done
}

# game_wait_change X Y W H [MIN]: screenshots until at least MIN (default
# 2% of the box) pixels of the box differ from the screenshot taken last.
game_wait_change() {
  [ -n "$GAME_LAST_SHOT" ] || game_fail "game_wait_change needs an earlier screenshot"
  local reference="$GAME_TMP/reference.png" shot="$GAME_TMP/change.png" deadline differ
  local least="${5:-$(($3 * $4 / 50))}"
  cp "$GAME_LAST_SHOT" "$reference"
  deadline="$(game_deadline)"
  while :; do
    game_running || game_fail "the game ended while waiting for the screen to change"
    game_shot "$shot"
    convert "$reference" -crop "${3}x${4}+${1}+${2}" +repage "$GAME_TMP/box_a.png"
    convert "$shot" -crop "${3}x${4}+${1}+${2}" +repage "$GAME_TMP/box_b.png"
    differ="$(compare -metric AE -fuzz 5% "$GAME_TMP/box_a.png" "$GAME_TMP/box_b.png" null: 2>&1)"
    differ="${differ%%.*}"
    [ "${differ:-0}" -ge "$least" ] 2>/dev/null && return 0
    game_past "$deadline" && game_fail "the box ${3}x${4}+${1}+${2} did not change (last $differ pixels)"
  done
}

# game_wait_exit STATUS: the game ends within the limit with that status.
game_wait_exit() {
  local deadline status
  deadline="$(game_deadline)"
  while game_running; do
    game_past "$deadline" && game_fail "the game did not end within the limit"
    sleep 0.05
  done
  wait "$GAME_PID"
  status=$?
  GAME_PID=""
  [ "$status" -eq "$1" ] || game_fail "the game ended with status $status, not $1"
}
