# Test programs for assets.
# The shipped assets through the game's loaders and shaders.
swarmfall_test(test_assets_files test_assets_files.cpp)
target_link_libraries(test_assets_files PRIVATE swarmfall_asset_gen)
swarmfall_test(test_assets_shaders test_assets_shaders.cpp)
target_link_libraries(test_assets_shaders PRIVATE swarmfall_asset_gen)
swarmfall_test(test_assets_gen test_assets_gen.cpp)
target_link_libraries(test_assets_gen PRIVATE swarmfall_asset_gen)
