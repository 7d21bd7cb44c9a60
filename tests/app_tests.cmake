# Test programs for app.
swarmfall_test(test_game_loop test_game_loop.cpp)
