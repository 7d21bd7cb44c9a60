#pragma once
// Level of detail for the ants. Far from the eye an ant is a few pixels
// across while its full model is thousands of triangles, most smaller than
// a pixel; a software rasterizer pays for each of them a block of shading,
// so a pack far away cost more than the whole city. Ants whose cell spans
// fewer than kFarDetailPixels on screen are drawn with their far twins:
// the same solids with about a third of the segments, which look the same
// at that size. Nearer ants keep the full models, pixel for pixel.
#include <glm/glm.hpp>

#include <cstdint>
#include <vector>

#include "render/draw_list.h"
#include "render/frame_view.h"

constexpr float kFarDetailPixels = 48.0f;

// Pixels on screen that the cell centred at `position` (cell units) spans
// from top to bottom, in a picture `picture_height` pixels high. Infinite
// for a cell whose centre is not in front of the eye.
float cell_span_pixels(const FrameView& view, float picture_height, const glm::vec3& position);

// Mesh handle -> its far twin, or -1: the twins whose meshes both loaded
// (`vertex_counts` per handle), so a missing far model keeps the full one.
std::vector<int32_t> loaded_far_twins(const std::vector<int32_t>& vertex_counts);

// The draws with each mesh that has a far twin swapped for it where its
// cell spans fewer than kFarDetailPixels; the rest as they are, in order.
std::vector<MeshDraw> draws_at_detail(const std::vector<MeshDraw>& draws, const FrameView& view,
                                      float picture_height, const std::vector<int32_t>& far_twin);
