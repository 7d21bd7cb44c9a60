# Sources of the game library in world/.
target_sources(swarmfall_core PRIVATE
  world/city_grid.cpp)
# Shared movement and collision rules.
target_sources(swarmfall_core PRIVATE
  world/collision.cpp)

# The level checker: the city's figures and playability.
target_sources(swarmfall_core PRIVATE
  world/level_check.cpp)
