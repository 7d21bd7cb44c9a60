# Sources of the game rules library in world/.
target_sources(swarmfall_game PRIVATE
  world/city_grid.cpp
  world/cell_rules.cpp)

# The level checker: the city's figures and playability.
target_sources(swarmfall_game PRIVATE
  world/level_check.cpp)
# Headers with no .cpp of their own, with the library that owns them.
target_sources(swarmfall_game PRIVATE
  world/level_landmarks.h)
