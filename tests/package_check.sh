#!/usr/bin/env bash
# package_check.sh BUILD_DIR VERSION APP_ID
# Builds the Debian package into a temporary folder and reads its control
# data: the dependencies must come from the linked libraries (GLFW, GLEW,
# SFML's audio), name no -dev package and no build tool; the version is the
# project's and the maintainer a real address. The package must hold the
# executable, the data, the menu entry, the icons, the software centre's
# metadata, the manual page, the copyright file and the changelog. Where
# lintian is installed it must report no error; its warnings are printed.
set -euo pipefail
version="$2" app_id="$3"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

(cd "$work" && cpack --config "$1/CPackConfig.cmake" -B "$work" > "$work/cpack.log" 2>&1) ||
  { cat "$work/cpack.log"; fail "cpack could not build the package"; }
deb="$(ls "$work"/swarmfall_*_amd64.deb 2>/dev/null | head -n 1)"
[ -n "$deb" ] || fail "no swarmfall_*.deb from cpack"

depends="$(dpkg-deb -f "$deb" Depends)"
for library in libglfw3 libglew libsfml-audio libstdc++6; do
  [[ "$depends" == *"$library"* ]] || fail "Depends lacks $library: $depends"
done
# Nothing is drawn with SFML: only its audio (and the system part under it) ships.
if [[ "$depends" == *libsfml-graphics* ]]; then
  fail "Depends names libsfml-graphics: $depends"
fi
if grep -E -- '-dev\b|\b(gcc|g\+\+|cmake|make|build-essential|libgtest)' <<< "$depends"; then
  fail "Depends names a build package: $depends"
fi

[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "package version $(dpkg-deb -f "$deb" Version), expected $version"
maintainer="$(dpkg-deb -f "$deb" Maintainer)"
grep -qE '^[^<>]+ <[^@<> ]+@[^@<> ]+\.[a-z]+>$' <<< "$maintainer" || fail "Maintainer is no name and address: $maintainer"
if grep -qiE 'localhost|localdomain' <<< "$maintainer"; then fail "Maintainer is a placeholder: $maintainer"; fi

contents="$(dpkg-deb -c "$deb")"
for path in ./usr/games/swarmfall ./usr/share/swarmfall/shaders/ ./usr/share/swarmfall/texture/Holstein.DDS \
            "./usr/share/applications/$app_id.desktop" "./usr/share/metainfo/$app_id.metainfo.xml" \
            ./usr/share/icons/hicolor/64x64/apps/swarmfall.png ./usr/share/icons/hicolor/256x256/apps/swarmfall.png \
            ./usr/share/man/man6/swarmfall.6.gz ./usr/share/doc/swarmfall/copyright \
            ./usr/share/doc/swarmfall/changelog.gz; do
  grep -qF " $path" <<< "$contents" || fail "the package lacks $path"
done
newest="$(dpkg-deb --fsys-tarfile "$deb" | tar -xO ./usr/share/doc/swarmfall/changelog.gz | zcat | sed -n 1p)"
[[ "$newest" == "swarmfall ($version) "* ]] || fail "the changelog's newest entry is not $version: $newest"

if command -v lintian > /dev/null; then
  # Its unpacking and caches go to the work folder. Exit status 1 is
  # lintian's own failure, 2 an error found in the package.
  status=0
  HOME="$work" TMPDIR="$work" lintian --tag-display-limit 0 --fail-on error "$deb" \
    > "$work/lintian.log" 2>&1 || status=$?
  [ "$status" -ne 1 ] || { cat "$work/lintian.log"; fail "lintian could not check the package"; }
  [ "$status" -eq 0 ] || { cat "$work/lintian.log"; fail "lintian reports errors"; }
  grep "^W: " "$work/lintian.log" || echo "lintian: no errors, no warnings"
fi
