# Run by CPack on the staged files before it builds the Debian package:
# Debian keeps a game's executables in /usr/games, while `cmake --install`
# puts them in bin/ so that ~/.local/bin finds them. The data stays where
# the executable looks for it: ../share/swarmfall from either folder.
set(staged ${CPACK_TEMPORARY_INSTALL_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX})
file(RENAME ${staged}/bin ${staged}/games)
