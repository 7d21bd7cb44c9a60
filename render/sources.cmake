# Sources of the game library in render/.
target_sources(swarmfall_core PRIVATE
  render/loaders.cpp)
target_sources(swarmfall_core PRIVATE
  render/camera.cpp)
target_sources(swarmfall_core PRIVATE
  render/text_overlay.cpp
  render/hud.cpp)
