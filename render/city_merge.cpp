#include "render/city_merge.h"

#include <cmath>

#include "render/city_mesh.h"

namespace {

constexpr float kFitTolerance = 1e-4f;
constexpr float kCellPitch = 2.0f;  // world units from one cell to the next

bool near(float a, float b) { return std::fabs(a - b) <= kFitTolerance; }

}  // namespace

std::vector<CellRect> greedy_rectangles(const std::vector<uint8_t>& mask, int u_side, int v_side) {
    std::vector<CellRect> rects;
    if (u_side <= 0 || v_side <= 0 || mask.size() < size_t(u_side) * size_t(v_side)) return rects;
    std::vector<uint8_t> open(mask.begin(), mask.begin() + u_side * v_side);
    auto at = [&](int u, int v) -> uint8_t& { return open[size_t(u * v_side + v)]; };
    for (int u = 0; u < u_side; ++u) {
        for (int v = 0; v < v_side; ++v) {
            if (!at(u, v)) continue;
            CellRect r{u, v, 1, 1};
            while (r.v0 + r.v_count < v_side && at(u, r.v0 + r.v_count)) ++r.v_count;
            // Grow along u while the whole next row segment is still open.
            for (bool grow = true; grow && r.u0 + r.u_count < u_side;) {
                for (int w = r.v0; w < r.v0 + r.v_count && grow; ++w) grow = at(r.u0 + r.u_count, w);
                if (grow) ++r.u_count;
            }
            for (int a = r.u0; a < r.u0 + r.u_count; ++a) {
                for (int b = r.v0; b < r.v0 + r.v_count; ++b) at(a, b) = 0;
            }
            rects.push_back(r);
        }
    }
    return rects;
}

int face_u_axis(int face) { return (face / 2 + 1) % 3; }
int face_v_axis(int face) { return (face / 2 + 2) % 3; }

FaceTextureMap face_texture_map(const MeshData& cube, const std::vector<int32_t>& classes,
                                int face) {
    FaceTextureMap map;
    if (face < 0 || face >= FaceInner || cube.uvs.size() != cube.positions.size()) return map;
    const int ua = face_u_axis(face), va = face_v_axis(face);
    std::vector<size_t> corners;
    float area = 0.0f;
    for (size_t t = 0; t < classes.size() && 3 * t + 2 < cube.positions.size(); ++t) {
        if (classes[t] != face) continue;
        for (size_t c = 3 * t; c < 3 * t + 3; ++c) corners.push_back(c);
        glm::vec3 e1 = cube.positions[3 * t + 1] - cube.positions[3 * t];
        glm::vec3 e2 = cube.positions[3 * t + 2] - cube.positions[3 * t];
        area += 0.5f * std::fabs(e1[ua] * e2[va] - e1[va] * e2[ua]);
    }
    if (corners.size() < 3) return map;

    // Solve the affine map from the first corner and two others that span the plane.
    const glm::vec3& p0 = cube.positions[corners[0]];
    const glm::vec2& t0 = cube.uvs[corners[0]];
    bool solved = false;
    for (size_t a = 1; a < corners.size() && !solved; ++a) {
        for (size_t b = a + 1; b < corners.size() && !solved; ++b) {
            glm::vec3 d1 = cube.positions[corners[a]] - p0, d2 = cube.positions[corners[b]] - p0;
            float det = d1[ua] * d2[va] - d1[va] * d2[ua];
            if (std::fabs(det) < 1e-3f) continue;
            glm::vec2 w1 = cube.uvs[corners[a]] - t0, w2 = cube.uvs[corners[b]] - t0;
            map.per_u = (w1 * d2[va] - w2 * d1[va]) / det;
            map.per_v = (w2 * d1[ua] - w1 * d2[ua]) / det;
            solved = true;
        }
    }
    if (!solved) return map;
    map.origin = t0 - map.per_u * p0[ua] - map.per_v * p0[va];

    glm::vec2 uv_lo = t0, uv_hi = t0, p_lo(p0[ua], p0[va]), p_hi = p_lo;
    for (size_t c : corners) {
        const glm::vec3& p = cube.positions[c];
        glm::vec2 fitted = map.origin + map.per_u * p[ua] + map.per_v * p[va];
        if (!near(fitted.x, cube.uvs[c].x) || !near(fitted.y, cube.uvs[c].y)) return map;
        uv_lo = glm::min(uv_lo, cube.uvs[c]);
        uv_hi = glm::max(uv_hi, cube.uvs[c]);
        p_lo = glm::min(p_lo, glm::vec2(p[ua], p[va]));
        p_hi = glm::max(p_hi, glm::vec2(p[ua], p[va]));
    }
    map.rect = glm::vec4(uv_lo, uv_hi - uv_lo);
    // The side must fill one whole cell, once, with no gaps or overlaps.
    glm::vec2 side = p_hi - p_lo;
    if (!near(side.x, kCellPitch) || !near(side.y, kCellPitch) ||
        !near(area, side.x * side.y) || map.rect.z <= 0.0f || map.rect.w <= 0.0f) {
        return map;
    }
    glm::vec2 step_u = kCellPitch * map.per_u, step_v = kCellPitch * map.per_v;
    bool straight = near(std::fabs(step_u.x), map.rect.z) && near(step_u.y, 0.0f) &&
                    near(std::fabs(step_v.y), map.rect.w) && near(step_v.x, 0.0f);
    bool turned = near(std::fabs(step_u.y), map.rect.w) && near(step_u.x, 0.0f) &&
                  near(std::fabs(step_v.x), map.rect.z) && near(step_v.y, 0.0f);
    map.wrappable = straight || turned;
    return map;
}

glm::vec4 city_repeat_rect(const MeshData& cube, const std::vector<int32_t>& classes) {
    if (classes.empty()) return glm::vec4(0.0f);
    for (int32_t c : classes) {
        if (c == FaceInner) return glm::vec4(0.0f);
    }
    glm::vec4 shared(0.0f);
    for (int face = 0; face < FaceInner; ++face) {
        FaceTextureMap map = face_texture_map(cube, classes, face);
        if (!map.wrappable) return glm::vec4(0.0f);
        if (face == 0) {
            shared = map.rect;
            continue;
        }
        for (int i = 0; i < 4; ++i) {
            if (!near(map.rect[i], shared[i])) return glm::vec4(0.0f);
        }
    }
    for (int i = 0; i < 4; ++i) {
        if (!(std::fabs(shared[i]) <= kLargestRepeatCoordinate)) return glm::vec4(0.0f);
    }
    return shared;
}
