# Sources of the game library in app/.
target_sources(swarmfall_core PRIVATE
  app/platform.cpp)
# Key bindings and keyboard sampling.
target_sources(swarmfall_core PRIVATE
  app/key_bindings.cpp)
