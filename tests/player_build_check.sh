#!/usr/bin/env bash
# player_build_check.sh SOURCE_DIR
# A player's build must configure on a machine without GoogleTest: configure
# with the tests off and GTest made unfindable, in a folder removed after.
set -euo pipefail
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
if ! cmake -S "$1" -B "$work" -DBUILD_TESTING=OFF -DCMAKE_DISABLE_FIND_PACKAGE_GTest=ON > "$work/log" 2>&1; then
  cat "$work/log"
  echo "FAIL: a build without the tests needs GoogleTest"
  exit 1
fi
