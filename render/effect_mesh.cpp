#include "render/effect_mesh.h"

#include <glm/gtc/constants.hpp>

#include <algorithm>
#include <cmath>

namespace {
constexpr int kFireballSegments = 20;
constexpr float kInnerRing = 0.55f;         // of the fireball's radius
constexpr float kFloorLift = 0.02f;         // world units above the floor, clear of it
constexpr float kCellHalf = 1.0f;           // world units
constexpr float kEdgeBandX = 0.28f;         // clip units; the same pixels on a 4:3
constexpr float kEdgeBandY = 0.28f * 4.0f / 3.0f;  // picture both ways
constexpr float kEdgeAlpha = 0.8f;
// How much each part covers what is behind it, at full strength.
constexpr float kCoreCover = 0.85f, kRingCover = 0.45f, kFloorCover = 0.5f;
constexpr float kRingBrightness = 0.85f;
constexpr float kFloorFade = 0.75f;  // the glow at the reach, less than at the centre

const glm::vec3 kWhiteHot(1.0f, 1.0f, 0.9f);
const glm::vec3 kCoreOrange(1.0f, 0.75f, 0.3f);
const glm::vec3 kRingHot(1.0f, 0.8f, 0.4f);
const glm::vec3 kRingOrange(0.9f, 0.35f, 0.05f);
const glm::vec3 kFloorGlow(1.0f, 0.55f, 0.12f);
const glm::vec3 kBiteRed(0.85f, 0.0f, 0.0f);

glm::vec4 premultiplied(const glm::vec3& colour, float brightness, float alpha) {
    return glm::vec4(colour * brightness, alpha);
}

void triangle(std::vector<EffectVertex>& out, const EffectVertex& a, const EffectVertex& b,
              const EffectVertex& c) {
    out.push_back(a);
    out.push_back(b);
    out.push_back(c);
}

// Corners a, b, c, d in order round the quad.
void quad(std::vector<EffectVertex>& out, const EffectVertex& a, const EffectVertex& b,
          const EffectVertex& c, const EffectVertex& d) {
    triangle(out, a, b, c);
    triangle(out, a, c, d);
}

// A disc in the plane of the eye's right and up: a hot centre, an orange
// ring and a clear rim, the colours blended between them.
void add_fireball(std::vector<EffectVertex>& out, const BlastPicture& b, const glm::vec3& right,
                  const glm::vec3& up) {
    const glm::vec3 centre = 2.0f * b.centre;
    const float radius = 2.0f * b.radius;
    const float s = b.strength;
    const glm::vec3 hot_core = glm::mix(kCoreOrange, kWhiteHot, b.heat);
    const glm::vec3 hot_ring = glm::mix(kRingOrange, kRingHot, b.heat);
    const EffectVertex core{centre, premultiplied(hot_core, s, kCoreCover * s)};
    const glm::vec4 ring = premultiplied(hot_ring, kRingBrightness * s, kRingCover * s);
    const glm::vec4 clear(0.0f);
    auto at = [&](int i, float r) {
        const float a = glm::two_pi<float>() * float(i) / float(kFireballSegments);
        return centre + radius * r * (std::cos(a) * right + std::sin(a) * up);
    };
    for (int i = 0; i < kFireballSegments; ++i) {
        const EffectVertex inner0{at(i, kInnerRing), ring}, inner1{at(i + 1, kInnerRing), ring};
        const EffectVertex rim0{at(i, 1.0f), clear}, rim1{at(i + 1, 1.0f), clear};
        triangle(out, core, inner0, inner1);
        quad(out, inner0, rim0, rim1, inner1);
    }
}

// One square on the floor of each glowing cell, each corner as bright as
// its distance from the centre makes it: one glow fading outwards, its
// edge stepping along the cells the blast reaches.
void add_floor_glow(std::vector<EffectVertex>& out, const BlastPicture& b) {
    const glm::vec2 centre = 2.0f * glm::vec2(b.centre);
    const float reach = 2.0f * b.reach;
    auto corner = [&](float x, float y, float z) {
        const float fade = std::min(1.0f, glm::distance(glm::vec2(x, y), centre) / reach);
        const float s = b.strength * (1.0f - kFloorFade * fade);
        return EffectVertex{{x, y, z}, premultiplied(kFloorGlow, s, kFloorCover * s)};
    };
    for (const CellCoord& cell : b.cells) {
        const float x = 2.0f * float(cell.x), y = 2.0f * float(cell.y);
        const float z = 2.0f * float(cell.z) - kCellHalf + kFloorLift;
        const float west = x - kCellHalf, east = x + kCellHalf;
        const float south = y - kCellHalf, north = y + kCellHalf;
        quad(out, corner(west, south, z), corner(east, south, z), corner(east, north, z),
             corner(west, north, z));
    }
}

// Four bands from the picture's edges inwards, red fading to clear.
void add_edge_flash(std::vector<EffectVertex>& out, float strength) {
    const glm::vec4 red = premultiplied(kBiteRed, kEdgeAlpha * strength, kEdgeAlpha * strength);
    const glm::vec4 clear(0.0f);
    const float ix = 1.0f - kEdgeBandX, iy = 1.0f - kEdgeBandY;
    const EffectVertex o[4] = {
        {{-1, -1, 0}, red}, {{1, -1, 0}, red}, {{1, 1, 0}, red}, {{-1, 1, 0}, red}};
    const EffectVertex in[4] = {{{-ix, -iy, 0}, clear}, {{ix, -iy, 0}, clear}, {{ix, iy, 0}, clear},
                                {{-ix, iy, 0}, clear}};
    for (int side = 0; side < 4; ++side) {
        const int next = (side + 1) % 4;
        quad(out, o[side], o[next], in[next], in[side]);
    }
}
}  // namespace

EffectMesh effect_mesh(const EffectsPicture& picture, const glm::mat4& view) {
    EffectMesh mesh;
    // The eye's right and up in world space: the view matrix's first two rows.
    const glm::vec3 right(view[0][0], view[1][0], view[2][0]);
    const glm::vec3 up(view[0][1], view[1][1], view[2][1]);
    for (const BlastPicture& b : picture.blasts) {
        add_floor_glow(mesh.world, b);
        add_fireball(mesh.world, b, right, up);
    }
    if (picture.edge_flash > 0.0f) add_edge_flash(mesh.screen, picture.edge_flash);
    return mesh;
}
