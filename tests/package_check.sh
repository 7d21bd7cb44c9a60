#!/usr/bin/env bash
# package_check.sh BUILD_DIR
# Builds the Debian package into a temporary folder and reads its control
# data: the dependencies must come from the linked libraries (GLFW, GLEW,
# SFML's audio), name no -dev package and no build tool, and the package
# must hold the executable, the data, the menu entry and the icons.
set -euo pipefail
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
if grep -E -- '-dev\b|\b(gcc|g\+\+|cmake|make|build-essential|libgtest)' <<< "$depends"; then
  fail "Depends names a build package: $depends"
fi

contents="$(dpkg-deb -c "$deb")"
for path in ./usr/bin/swarmfall ./usr/share/swarmfall/shaders/ ./usr/share/swarmfall/texture/Holstein.DDS \
            ./usr/share/applications/swarmfall.desktop ./usr/share/icons/hicolor/64x64/apps/swarmfall.png \
            ./usr/share/icons/hicolor/256x256/apps/swarmfall.png; do
  grep -qF " $path" <<< "$contents" || fail "the package lacks $path"
done
