# Test programs for app.
swarmfall_test(test_game_loop test_game_loop.cpp)
swarmfall_test(test_startup test_startup.cpp)
target_compile_definitions(test_startup PRIVATE SWARMFALL_BINARY="$<TARGET_FILE:swarmfall>")
add_dependencies(test_startup swarmfall)
swarmfall_test(test_round_rules test_round_rules.cpp)
swarmfall_test(test_game_flow test_game_flow.cpp)
swarmfall_test(test_display test_display.cpp)
