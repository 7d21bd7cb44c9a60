# `make package`: a Debian package of what the install rules put in place.
# Its dependencies come from the libraries the executable really links
# (dpkg-shlibdeps), so they name run-time packages, never -dev ones.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME swarmfall)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Swarmfall developers")
# The project's own identity, the one its commits carry.
set(CPACK_PACKAGE_CONTACT "Seed ae2fc320 maintainers <maintainers@users.noreply.c-seed-ae2fc320.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "3D action game: free the captive from a walled city of ants")
# Debian shows the description as it is: lines of at most 80 characters.
set(CPACK_PACKAGE_DESCRIPTION [=[
Walk a walled city of cubes cell by cell, climb blocks by jumping, throw
grenades at the ants, free the captive and lead them out of the gate before
the countdown runs out.]=])
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_SOURCE_DIR}/packaging/games_dir.cmake)
include(CPack)
