#pragma once
// Joining coplanar exposed cube faces into big rectangles. A software
// rasterizer pays per vertex and per triangle set-up, so a street of a
// hundred one-cell quads costs far more than one quad covering them all.
// The texture keeps repeating cell by cell: the merged quad carries texture
// coordinates extrapolated across it, plus the cube face's own texture
// rectangle; the vertex shader turns them into cell units for a texture cut
// out of that rectangle, which the sampler repeats.
#include <glm/glm.hpp>

#include <cstdint>
#include <vector>

#include "render/mesh_data.h"

// A rectangle of cells in a plane: `u_count` cells along the first axis from
// `u0`, `v_count` along the second from `v0`.
struct CellRect {
    int u0 = 0, v0 = 0;
    int u_count = 0, v_count = 0;
};

// Covers every set cell of the `u_side` x `v_side` mask (index u * v_side + v)
// exactly once, with greedily grown rectangles that hold only set cells.
std::vector<CellRect> greedy_rectangles(const std::vector<uint8_t>& mask, int u_side, int v_side);

// The two axes lying in the plane of a cube side: for the z sides x then y,
// for the x sides y then z, for the y sides z then x.
int face_u_axis(int face);
int face_v_axis(int face);

// How one cube side maps its in-plane position to texture coordinates:
// uv = origin + per_u * p[u axis] + per_v * p[v axis], for p relative to the
// cube's centre. `wrappable` only when the side shows its texture rectangle
// once, axis-aligned, so that one cell further along shifts uv by exactly
// one width or height of `rect` (min u, min v, width, height) and merging
// can repeat it by wrapping.
struct FaceTextureMap {
    bool wrappable = false;
    glm::vec2 origin{0.0f}, per_u{0.0f}, per_v{0.0f};
    glm::vec4 rect{0.0f};
};

// Fits the map of side `face` from the cube triangles classified as it.
FaceTextureMap face_texture_map(const MeshData& cube, const std::vector<int32_t>& classes,
                                int face);

// The texture rectangle the whole city can repeat in: every triangle of the
// cube lies on a side, and every side shows this same rectangle once,
// axis-aligned. The renderer cuts it out into a texture of its own that the
// sampler repeats, so merged faces need no wrapping per pixel. Zero width
// when the cube does not allow it; then nothing is merged.
// Texture coordinates come from the model file: a rectangle placed or sized
// beyond this is refused, which keeps texel arithmetic well inside int.
constexpr float kLargestRepeatCoordinate = 1024.0f;
glm::vec4 city_repeat_rect(const MeshData& cube, const std::vector<int32_t>& classes);
