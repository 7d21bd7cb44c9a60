# Sources of render/. The camera and the frame's view and picture are plain
# arithmetic the flow keeps (swarmfall_flow); the rest draws
# (swarmfall_presentation).
target_sources(swarmfall_flow PRIVATE
  render/camera.cpp
  render/frame_view.cpp
  render/frustum.cpp
  render/picture_rect.cpp)
target_sources(swarmfall_presentation PRIVATE
  render/loaders.cpp
  render/dds_file.cpp)
target_sources(swarmfall_presentation PRIVATE
  render/text_overlay.cpp
  render/hud.cpp)
target_sources(swarmfall_presentation PRIVATE
  render/city_culling.cpp
  render/city_mesh.cpp
  render/light.cpp
  render/passes.cpp
  render/renderer.cpp
  render/scene.cpp)
target_sources(swarmfall_presentation PRIVATE
  render/city_merge.cpp)
target_sources(swarmfall_presentation PRIVATE
  render/shader_variant.cpp)
# The centred 4:3 picture every viewport comes from.
target_sources(swarmfall_presentation PRIVATE
  render/frame_picture.cpp)
target_sources(swarmfall_presentation PRIVATE
  render/detail.cpp
  render/draw_list.cpp
  render/street_occlusion.cpp)
# Blasts and the bite flash: the session notes them and each frame describes
# them as plain data (swarmfall_flow); their triangles and the pass that
# draws them are the presentation's.
target_sources(swarmfall_flow PRIVATE
  render/effects.cpp)
target_sources(swarmfall_presentation PRIVATE
  render/effect_mesh.cpp
  render/effects_pass.cpp)
# Headers with no .cpp of their own: the mesh data, the mesh handles and
# the draw counts are the renderer's.
target_sources(swarmfall_presentation PRIVATE
  render/mesh_data.h
  render/mesh_handles.h
  render/render_stats.h)
