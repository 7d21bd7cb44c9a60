# The game as a player gets it: installed into a prefix, with what the
# desktop and the packaging tools read, packaged with run-time dependencies
# only, and built without the tests on a machine that has no GoogleTest.
add_test(NAME InstalledGameStartsFromAnywhere
  COMMAND ${CMAKE_SOURCE_DIR}/tests/installed_game_check.sh ${CMAKE_BINARY_DIR})
set_tests_properties(InstalledGameStartsFromAnywhere PROPERTIES
  ENVIRONMENT "ALSOFT_DRIVERS=null" TIMEOUT 240)
add_test(NAME InstalledGameFollowsDesktopConventions
  COMMAND ${CMAKE_SOURCE_DIR}/tests/installed_desktop_check.sh ${CMAKE_BINARY_DIR} ${CMAKE_SOURCE_DIR}
          ${PROJECT_VERSION} ${SWARMFALL_APP_ID})
set_tests_properties(InstalledGameFollowsDesktopConventions PROPERTIES TIMEOUT 120)
add_test(NAME PlayerBuildNeedsNoGoogleTest
  COMMAND ${CMAKE_SOURCE_DIR}/tests/player_build_check.sh ${CMAKE_SOURCE_DIR})
set_tests_properties(PlayerBuildNeedsNoGoogleTest PROPERTIES TIMEOUT 120)
add_test(NAME PackageDependsOnRunTimeLibrariesOnly
  COMMAND ${CMAKE_SOURCE_DIR}/tests/package_check.sh ${CMAKE_BINARY_DIR} ${PROJECT_VERSION} ${SWARMFALL_APP_ID})
# Packing and stripping the sanitizer build's executable beside the other
# tests takes two minutes and more on two busy cores.
set_tests_properties(PackageDependsOnRunTimeLibrariesOnly PROPERTIES TIMEOUT 360)
