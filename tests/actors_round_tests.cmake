# Test programs for actors_round.
swarmfall_test(test_ant_chase test_ant_chase.cpp)
swarmfall_test(test_ant_bite_scent test_ant_bite_scent.cpp)
swarmfall_test(test_hostage_follow test_hostage_follow.cpp)
swarmfall_test(test_round_setup test_round_setup.cpp test_round_many.cpp)
