#!/usr/bin/env bash
# installed_desktop_check.sh BUILD_DIR SOURCE_DIR VERSION APP_ID
# Installs the game into a temporary prefix and checks what the desktop and
# the packaging tools read: the software centre's metadata and its menu
# entry (appstreamcli), the manual page (groff and man, every warning on),
# and the command line with no display and no data: --help and --version
# answer, an unknown option is refused with status 2.
set -euo pipefail
build="$1" source="$2" version="$3" app_id="$4"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }
for tool in appstreamcli groff man; do
  command -v "$tool" > /dev/null || fail "$tool is missing (scripts/install-deps tests installs it)"
done

prefix="$work/prefix"
cmake --install "$build" --prefix "$prefix" > /dev/null
metainfo="share/metainfo/$app_id.metainfo.xml"
manual="share/man/man6/swarmfall.6.gz"
for f in "$metainfo" "share/applications/$app_id.desktop" "$manual" \
         share/doc/swarmfall/copyright share/doc/swarmfall/changelog.gz; do
  [ -f "$prefix/$f" ] || fail "not installed: $f"
done

# The metadata with its menu entry, and once more with screenshots, which
# need a web address.
appstreamcli validate-tree --no-net "$prefix" > "$work/tree.log" 2>&1 ||
  { cat "$work/tree.log"; fail "appstreamcli refuses the installed tree"; }
grep -q "<release version=\"$version\"" "$prefix/$metainfo" || fail "the newest release is not $version"
cmake -DTEMPLATE="$source/packaging/swarmfall.metainfo.xml.in" -DOUTPUT="$work/shots.metainfo.xml" \
      -DAPP_ID="$app_id" -DVERSION="$version" -DSCREENSHOT_BASE=https://swarmfall.example/screenshots \
      -P "$source/packaging/metainfo.cmake"
grep -q "<screenshot type=\"default\">" "$work/shots.metainfo.xml" || fail "no screenshots with a web address"
appstreamcli validate --no-net "$work/shots.metainfo.xml" > "$work/shots.log" 2>&1 ||
  { cat "$work/shots.log"; fail "appstreamcli refuses the metadata with screenshots"; }

# groff reports warnings but still succeeds, so its messages are the test.
zcat "$prefix/$manual" | groff -ww -man -z 2> "$work/groff.log"
[ ! -s "$work/groff.log" ] || { cat "$work/groff.log"; fail "groff warns about the manual page"; }
LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$prefix/$manual" > "$work/man.txt" 2> "$work/man.log"
[ ! -s "$work/man.log" ] || { cat "$work/man.log"; fail "man warns about the manual page"; }
grep -q "swarmfall - free the captive" "$work/man.txt" || fail "the manual page has no NAME line"

# The command line, with neither a display nor the game's data.
mv "$prefix/share/swarmfall" "$prefix/share/moved-away"
run() {
  status=0
  env -u DISPLAY -u WAYLAND_DISPLAY timeout 20 "$prefix/bin/swarmfall" "$@" \
    > "$work/out" 2> "$work/err" < /dev/null || status=$?
}
run --help
[ "$status" -eq 0 ] || fail "--help: exit status $status"
head -n 1 "$work/out" | grep -q "^Usage: swarmfall" || { cat "$work/out"; fail "--help prints no usage"; }
[ ! -s "$work/err" ] || { cat "$work/err"; fail "--help writes to standard error"; }
run --version
[ "$status" -eq 0 ] || fail "--version: exit status $status"
[ "$(cat "$work/out")" = "swarmfall $version" ] || { cat "$work/out"; fail "--version does not print $version"; }
run --no-such-option
[ "$status" -eq 2 ] || fail "an unknown option: exit status $status, expected 2"
[ ! -s "$work/out" ] || { cat "$work/out"; fail "an unknown option writes to standard output"; }
[ "$(wc -l < "$work/err")" -eq 2 ] || { cat "$work/err"; fail "an unknown option: expected two lines"; }
head -n 1 "$work/err" | grep -qF -- "--no-such-option" || { cat "$work/err"; fail "the refusal does not name the option"; }
sed -n 2p "$work/err" | grep -q "^Usage: swarmfall" || { cat "$work/err"; fail "the refusal gives no usage"; }
echo "metadata, menu entry and manual page valid; --help, --version and a refused option work without display or data"
