# Sources of the game library in app/.
target_sources(swarmfall_core PRIVATE
  app/platform.cpp)
