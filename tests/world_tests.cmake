# Test programs for world.
swarmfall_game_test(test_city_grid test_city_grid.cpp)
# The embedder runs only on the build machine, never on Windows.
if(NOT CMAKE_CROSSCOMPILING)
  swarmfall_game_test(test_embed_level test_embed_level.cpp)
  target_compile_definitions(test_embed_level PRIVATE EMBED_LEVEL_BINARY="$<TARGET_FILE:embed_level>")
endif()
