# Test programs for level.
swarmfall_game_test(test_level_city test_level_city.cpp)
swarmfall_game_test(test_level_breaks test_level_breaks.cpp)
swarmfall_game_test(test_level_moves test_level_moves.cpp)
