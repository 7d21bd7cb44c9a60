# Test programs for actors.
swarmfall_game_test(test_collision test_collision.cpp)
swarmfall_game_test(test_player test_player_moves.cpp test_player_falls.cpp)
swarmfall_game_test(test_grenade test_grenade.cpp)
swarmfall_game_test(test_actor_sounds test_actor_sounds.cpp)
swarmfall_flow_test(test_key_bindings test_key_bindings.cpp)
