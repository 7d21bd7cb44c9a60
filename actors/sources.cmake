# Sources of the game rules library in actors/.
target_sources(swarmfall_game PRIVATE
  actors/actor.cpp
  actors/collision.cpp
  actors/actor_variants.cpp)
# The door to sound, answered by the application.
target_sources(swarmfall_game PRIVATE
  actors/sound_door.cpp)

# Hostage, ants, their random sources and round set-up.
target_sources(swarmfall_game PRIVATE
  actors/hostage.cpp
  actors/ant.cpp
  actors/ant_moves.cpp
  actors/scent_map.cpp
  actors/random_source.cpp
  actors/round_setup.cpp)
# The player and the grenade.
target_sources(swarmfall_game PRIVATE
  actors/player.cpp
  actors/grenade.cpp)
