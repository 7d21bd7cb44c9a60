# Test programs for world.
swarmfall_test(test_city_grid test_city_grid.cpp)
