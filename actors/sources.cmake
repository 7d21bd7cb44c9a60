# Sources of the game library in actors/.
target_sources(swarmfall_core PRIVATE
  actors/actor.cpp
  actors/actor_variants.cpp)
