# Sources of the game library in world/.
target_sources(swarmfall_core PRIVATE
  world/city_grid.cpp)
