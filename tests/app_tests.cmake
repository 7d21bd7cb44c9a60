# Test programs for app.
swarmfall_flow_test(test_game_loop test_game_loop.cpp)
swarmfall_test(test_startup test_startup.cpp)
if(TARGET test_startup)
  target_compile_definitions(test_startup PRIVATE SWARMFALL_BINARY="$<TARGET_FILE:swarmfall>")
  add_dependencies(test_startup swarmfall)
endif()
swarmfall_flow_test(test_round_rules test_round_rules.cpp)
swarmfall_flow_test(test_game_flow test_game_flow.cpp)
swarmfall_test(test_display test_display.cpp)
swarmfall_flow_test(test_settings test_settings.cpp)
swarmfall_flow_test(test_options_return test_options_return.cpp)
swarmfall_test(test_asset_lookup test_asset_lookup.cpp)
swarmfall_test(test_audio test_audio.cpp)
swarmfall_test(test_audio_silent test_audio_silent.cpp)
swarmfall_flow_test(test_menus test_menus.cpp)
swarmfall_flow_test(test_best_scores test_best_scores.cpp)
swarmfall_test(test_gamepad test_gamepad.cpp)
# Replays: the committed recorded games played back at several frame rates.
swarmfall_flow_test(test_replays test_replays.cpp)
target_compile_definitions(test_replays PRIVATE
  SWARMFALL_TEST_REPLAYS="${CMAKE_SOURCE_DIR}/tests/replays")
# Writes those games again (by hand: build/tests/record_games tests/replays).
add_executable(record_games record_games.cpp)
target_link_libraries(record_games PRIVATE swarmfall_flow)
target_include_directories(record_games PRIVATE ${CMAKE_SOURCE_DIR}/tests)
# What the machine alone decides about the player's files: one program per
# kind of system, the other's file named for the source-list check.
if(WIN32)
  swarmfall_flow_test(test_user_folders test_user_folders_windows.cpp)
  set_property(GLOBAL APPEND PROPERTY SWARMFALL_OTHER_SYSTEM_SOURCES
    ${CMAKE_CURRENT_SOURCE_DIR}/test_user_folders_posix.cpp)
  # Hybrid-graphics drivers look for these two in the export table.
  add_test(NAME SwarmfallExportsAskForTheFastGpu
    COMMAND sh -c "\"$0\" -p \"$1\" | grep -A3 'Ordinal/Name Pointer' | grep -c -e NvOptimusEnablement -e AmdPowerXpressRequestHighPerformance | grep -qx 2"
            ${CMAKE_OBJDUMP} $<TARGET_FILE:swarmfall>)
  set_tests_properties(SwarmfallExportsAskForTheFastGpu PROPERTIES TIMEOUT 60)
else()
  swarmfall_flow_test(test_user_folders test_user_folders_posix.cpp)
  set_property(GLOBAL APPEND PROPERTY SWARMFALL_OTHER_SYSTEM_SOURCES
    ${CMAKE_CURRENT_SOURCE_DIR}/test_user_folders_windows.cpp)
endif()
