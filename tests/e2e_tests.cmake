# The real game played through with real key presses on its own virtual
# display; the script fails itself long before the time limit here.
add_test(NAME e2e_play_through
  COMMAND ${CMAKE_SOURCE_DIR}/tests/e2e/play_through.sh $<TARGET_FILE:swarmfall>)
set_tests_properties(e2e_play_through PROPERTIES TIMEOUT 600)
# A game's replay checked and watched in the real game.
add_test(NAME e2e_replay_through
  COMMAND ${CMAKE_SOURCE_DIR}/tests/e2e/replay_through.sh $<TARGET_FILE:swarmfall>)
set_tests_properties(e2e_replay_through PROPERTIES TIMEOUT 400)
