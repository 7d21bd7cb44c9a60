#!/usr/bin/env bash
# make_packages.sh BUILD_DIR VERSION
# The Windows packages from a Windows build folder, written into it:
#   swarmfall-VERSION-windows-x64.zip   one folder of that name: the game as
#                                        packaging/windows/install.cmake lays it out
#   swarmfall-VERSION-setup.exe         the same files through the NSIS installer
# The installer's file lists are made from the laid-out folder, so its
# uninstaller removes exactly what it installed.
set -euo pipefail
build="$(cd "$1" && pwd)"
version="$2"
name="swarmfall-$version-windows-x64"
stage="$build/package-stage"
folder="$stage/$name"
zip_file="$build/$name.zip"
setup_file="$build/swarmfall-$version-setup.exe"

rm -rf "$stage" "$zip_file" "$setup_file"
mkdir -p "$stage"
# Stripped, as the Debian package is: the debugging symbols would triple
# the download.
cmake --install "$build" --prefix "$folder" --strip > /dev/null

# A fixed time stamp and sorted names: the same files give the same zip.
find "$folder" -exec touch -h -d '2026-01-01 00:00:00 UTC' {} +
(cd "$stage" && find "$name" | LC_ALL=C sort | zip -q -X -D "$zip_file" -@)

# NSIS include files: one File per installed file, its folder set first;
# for the uninstaller one Delete per file, then each folder, deepest first
# (RMDir without /r leaves a folder that holds anything else).
files_nsh="$stage/files.nsh"
unfiles_nsh="$stage/unfiles.nsh"
: >"$files_nsh"
: >"$unfiles_nsh"
windows_path() { printf '%s' "${1//\//\\}"; }
while IFS= read -r dir; do
  relative="${dir#"$folder"}"
  case "$relative" in *'"'* | *'$'*) echo "make_packages: a name NSIS cannot take: $relative" >&2; exit 1 ;; esac
  echo "SetOutPath \"\$INSTDIR$(windows_path "$relative")\"" >>"$files_nsh"
  while IFS= read -r file; do
    case "$file" in *'"'* | *'$'*) echo "make_packages: a name NSIS cannot take: $file" >&2; exit 1 ;; esac
    echo "File \"$file\"" >>"$files_nsh"
    echo "Delete \"\$INSTDIR$(windows_path "${file#"$folder"}")\"" >>"$unfiles_nsh"
  done < <(find "$dir" -mindepth 1 -maxdepth 1 -type f | LC_ALL=C sort)
done < <(find "$folder" -type d | LC_ALL=C sort)
find "$folder" -mindepth 1 -type d | LC_ALL=C sort -r | while IFS= read -r dir; do
  echo "RMDir \"\$INSTDIR$(windows_path "${dir#"$folder"}")\"" >>"$unfiles_nsh"
done

size_kb="$(du -sk "$folder" | cut -f1)"
makensis -V2 -NOCD -DSTAGE="$folder" -DFILES="$files_nsh" -DUNFILES="$unfiles_nsh" \
  -DSIZE_KB="$size_kb" -DOUTFILE="$setup_file" "$build/packaging/windows/swarmfall.nsi"
rm -rf "$stage"
ls "$zip_file" "$setup_file"
