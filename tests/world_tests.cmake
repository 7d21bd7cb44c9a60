# Test programs for world.
swarmfall_game_test(test_city_grid test_city_grid.cpp)
swarmfall_game_test(test_embed_level test_embed_level.cpp)
target_compile_definitions(test_embed_level PRIVATE EMBED_LEVEL_BINARY="$<TARGET_FILE:embed_level>")
