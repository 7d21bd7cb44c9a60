# Sources of the application library in render/.
target_sources(swarmfall_core PRIVATE
  render/loaders.cpp
  render/dds_file.cpp)
target_sources(swarmfall_core PRIVATE
  render/camera.cpp)
target_sources(swarmfall_core PRIVATE
  render/text_overlay.cpp
  render/hud.cpp)
target_sources(swarmfall_core PRIVATE
  render/city_culling.cpp
  render/city_mesh.cpp
  render/frustum.cpp
  render/light.cpp
  render/passes.cpp
  render/renderer.cpp
  render/scene.cpp)
target_sources(swarmfall_core PRIVATE
  render/city_merge.cpp)
target_sources(swarmfall_core PRIVATE
  render/shader_variant.cpp)
# The centred 4:3 picture every viewport comes from.
target_sources(swarmfall_core PRIVATE
  render/picture_rect.cpp
  render/frame_picture.cpp)
target_sources(swarmfall_core PRIVATE
  render/detail.cpp
  render/draw_list.cpp
  render/frame_view.cpp
  render/street_occlusion.cpp)
