# Test programs for actors.
swarmfall_test(test_collision test_collision.cpp)
