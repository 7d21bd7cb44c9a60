// Joining exposed cube sides into rectangles: coverage, holes where blocks
// stand, and texture coordinates that repeat the cube side cell by cell.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "render/city_merge.h"
#include "render/city_mesh.h"
#include "render_city_helpers.h"

namespace {

struct Corner {
    glm::vec3 p;
    glm::vec2 uv;
    glm::vec4 rect;
};

Corner corner_at(const CityMesh& mesh, int v) {
    const float* f = &mesh.vertices[size_t(v) * kFloatsPerCityVertex];
    return {{f[0], f[1], f[2]}, {f[3], f[4]}, {f[8], f[9], f[10], f[11]}};
}

// The floor's top triangles, three corners each.
std::vector<Corner> floor_tops(const CityMesh& mesh) {
    std::vector<Corner> corners;
    for (const CityRange& r : mesh.ranges) {
        if (r.type_object != kCityTypeFloor || r.face != FacePlusZ) continue;
        for (int v = r.first; v < r.first + r.count; ++v) corners.push_back(corner_at(mesh, v));
    }
    return corners;
}

bool inside(const Corner* t, glm::vec2 q, glm::vec3& weights) {
    glm::vec2 a(t[0].p), b(t[1].p), c(t[2].p);
    float det = (b.x - a.x) * (c.y - a.y) - (c.x - a.x) * (b.y - a.y);
    float wb = ((q.x - a.x) * (c.y - a.y) - (c.x - a.x) * (q.y - a.y)) / det;
    float wc = ((b.x - a.x) * (q.y - a.y) - (q.x - a.x) * (b.y - a.y)) / det;
    weights = glm::vec3(1.0f - wb - wc, wb, wc);
    return weights.x > 0.0f && weights.y > 0.0f && weights.z > 0.0f;
}

// How many top triangles cover the centre of each floor cell.
std::vector<int> top_cover(const std::vector<Corner>& tops) {
    std::vector<int> cover(size_t(kFloorSide * kFloorSide), 0);
    glm::vec3 w;
    for (size_t t = 0; t + 2 < tops.size(); t += 3) {
        glm::vec2 lo = glm::min(glm::min(glm::vec2(tops[t].p), glm::vec2(tops[t + 1].p)),
                                glm::vec2(tops[t + 2].p));
        glm::vec2 hi = glm::max(glm::max(glm::vec2(tops[t].p), glm::vec2(tops[t + 1].p)),
                                glm::vec2(tops[t + 2].p));
        for (int i = std::max(0, int(lo.x / 2)); i <= std::min(kFloorSide - 1, int(hi.x / 2) + 1); ++i) {
            for (int j = std::max(0, int(lo.y / 2)); j <= std::min(kFloorSide - 1, int(hi.y / 2) + 1); ++j) {
                // Slightly off the centre, so it never lies on a diagonal.
                if (inside(&tops[t], glm::vec2(2 * i + 0.1f, 2 * j - 0.2f), w)) ++cover[size_t(i * kFloorSide + j)];
            }
        }
    }
    return cover;
}

// The test cube's top side (v negated by the loader): uv (0.1, -0.1) at
// (-1, -1), (0.4, -0.4) at (1, 1).
glm::vec2 cube_top_uv(glm::vec2 local) {
    return glm::vec2(0.25f + 0.15f * local.x, -0.25f - 0.15f * local.y);
}

}  // namespace

TEST(GreedyRectangles, CoverEverySetCellOnceAndNothingElse) {
    std::mt19937 random(7);
    for (int round = 0; round < 200; ++round) {
        int u_side = 1 + int(random() % 17), v_side = 1 + int(random() % 17);
        int density = int(random() % 5);
        std::vector<uint8_t> mask(size_t(u_side * v_side));
        for (uint8_t& m : mask) m = int(random() % 4) < density;
        std::vector<int> cover(mask.size(), 0);
        for (const CellRect& r : greedy_rectangles(mask, u_side, v_side)) {
            ASSERT_GE(r.u0, 0);
            ASSERT_LE(r.u0 + r.u_count, u_side);
            ASSERT_LE(r.v0 + r.v_count, v_side);
            for (int u = r.u0; u < r.u0 + r.u_count; ++u) {
                for (int v = r.v0; v < r.v0 + r.v_count; ++v) ++cover[size_t(u * v_side + v)];
            }
        }
        for (size_t c = 0; c < mask.size(); ++c) ASSERT_EQ(cover[c], mask[c] ? 1 : 0) << round;
    }
    EXPECT_EQ(greedy_rectangles(std::vector<uint8_t>(256, 1), 16, 16).size(), 1u);
    // A mask shorter than its sides is refused rather than read past.
    EXPECT_TRUE(greedy_rectangles(std::vector<uint8_t>(10, 1), 16, 16).empty());
}

TEST(CityMerge, OpenFloorIsFewQuadsCoveringEachCellOnce) {
    MeshData cube = city_test::test_cube();
    CityGrid city;
    city_test::build(city, {});
    std::vector<Corner> tops = floor_tops(build_city_mesh(city, cube));
    EXPECT_LE(tops.size(), size_t(kFloorSide * kFloorSide) * 6 / 100);
    std::vector<int> cover = top_cover(tops);
    for (int c : cover) ASSERT_EQ(c, 1);

    // A block above one cell removes exactly that cell's top.
    city_test::build(city, {{10, 20, 1}, {70, 71, 2}});
    cover = top_cover(floor_tops(build_city_mesh(city, cube)));
    for (int i = 0; i < kFloorSide; ++i) {
        for (int j = 0; j < kFloorSide; ++j) {
            ASSERT_EQ(cover[size_t(i * kFloorSide + j)], i == 10 && j == 20 ? 0 : 1) << i << "," << j;
        }
    }
}

TEST(CityMerge, StretchedTopsRepeatTheCubeSideCellByCell) {
    MeshData cube = city_test::test_cube();
    CityGrid city;
    city_test::build(city, {{10, 20, 1}});
    CityMesh mesh = build_city_mesh(city, cube);
    // The first chunk's rectangle ends at the far corner of cell (15, 15):
    // the top side's uv there, carried on 15 cells.
    bool found = false;
    for (const CityRange& r : mesh.ranges) {
        if (r.type_object != kCityTypeFloor || r.face != FacePlusZ || r.chunk != 0) continue;
        for (int v = r.first; v < r.first + r.count; ++v) {
            Corner c = corner_at(mesh, v);
            if (c.p != glm::vec3(31, 31, 1)) continue;
            found = true;
            EXPECT_NEAR(c.uv.x, 0.4f + 15 * 0.3f, 1e-4f);
            EXPECT_NEAR(c.uv.y, -0.4f - 15 * 0.3f, 1e-4f);
            EXPECT_NEAR(c.rect.x, 0.1f, 1e-6f);
            EXPECT_NEAR(c.rect.y, -0.4f, 1e-6f);
            EXPECT_NEAR(c.rect.z, 0.3f, 1e-6f);
            EXPECT_NEAR(c.rect.w, 0.3f, 1e-6f);
        }
    }
    EXPECT_TRUE(found);
    // Anywhere on a top, merged or a lone cell, the uv taken back into the
    // rectangle is the one cube's uv there.
    std::vector<Corner> tops = floor_tops(mesh);
    const glm::vec3 samples[] = {{0.2f, 0.3f, 0.5f}, {0.6f, 0.3f, 0.1f}, {0.15f, 0.7f, 0.15f}};
    for (size_t t = 0; t + 2 < tops.size(); t += 3) {
        ASSERT_GT(tops[t].rect.z, 0.0f);
        for (const glm::vec3& w : samples) {
            glm::vec2 p = w.x * glm::vec2(tops[t].p) + w.y * glm::vec2(tops[t + 1].p) +
                          w.z * glm::vec2(tops[t + 2].p);
            glm::vec2 uv = w.x * tops[t].uv + w.y * tops[t + 1].uv + w.z * tops[t + 2].uv;
            glm::vec2 local = p - 2.0f * glm::round(p / 2.0f);
            if (std::fabs(std::fabs(local.x) - 1.0f) < 1e-3f || std::fabs(std::fabs(local.y) - 1.0f) < 1e-3f) continue;
            glm::vec4 r = tops[t].rect;
            glm::vec2 wrapped = glm::vec2(r) + glm::mod(uv - glm::vec2(r), glm::vec2(r.z, r.w));
            glm::vec2 expected = cube_top_uv(local);
            ASSERT_NEAR(wrapped.x, expected.x, 1e-3f) << p.x << "," << p.y;
            ASSERT_NEAR(wrapped.y, expected.y, 1e-3f) << p.x << "," << p.y;
        }
    }
}

// The repeating texture is one rectangle for the whole city, so one side
// showing another rectangle, or triangles on no side, stop all merging.
TEST(CityMerge, OneSharedSideRectangleOrNothingIsMerged) {
    MeshData cube = city_test::test_cube();
    std::vector<int32_t> classes = classify_cube_triangles(cube);
    glm::vec4 rect = city_repeat_rect(cube, classes);
    EXPECT_NEAR(rect.x, 0.1f, 1e-6f);
    EXPECT_NEAR(rect.y, -0.4f, 1e-6f);
    EXPECT_NEAR(rect.z, 0.3f, 1e-6f);
    EXPECT_NEAR(rect.w, 0.3f, 1e-6f);

    MeshData moved = cube;  // the top shows the texture's other corner
    for (size_t t = 0; t < classes.size(); ++t) {
        if (classes[t] != FacePlusZ) continue;
        for (size_t c = 3 * t; c < 3 * t + 3; ++c) moved.uvs[c] += glm::vec2(0.5f, 0.0f);
    }
    EXPECT_TRUE(face_texture_map(moved, classes, FacePlusZ).wrappable);
    EXPECT_EQ(city_repeat_rect(moved, classes), glm::vec4(0.0f));
    std::vector<int32_t> inner = classes;
    inner[0] = FaceInner;
    EXPECT_EQ(city_repeat_rect(cube, inner), glm::vec4(0.0f));
    MeshData far_off = cube;  // a broken model: one shared rectangle, far out
    for (glm::vec2& uv : far_off.uvs) uv += glm::vec2(2000.0f, 0.0f);
    EXPECT_TRUE(face_texture_map(far_off, classes, FacePlusZ).wrappable);
    EXPECT_EQ(city_repeat_rect(far_off, classes), glm::vec4(0.0f));

    CityGrid city;
    city_test::build(city, {});
    CityMesh mesh = build_city_mesh(city, moved);
    EXPECT_EQ(mesh.repeat_rect, glm::vec4(0.0f));
    std::vector<Corner> tops = floor_tops(mesh);
    EXPECT_EQ(tops.size(), size_t(kFloorSide * kFloorSide) * 6);
    for (const Corner& c : tops) ASSERT_EQ(c.rect, glm::vec4(0.0f));
}

TEST(CityMerge, TopsThatDoNotTileStayOneQuadPerCell) {
    MeshData cube = city_test::test_cube();
    std::vector<int32_t> classes = classify_cube_triangles(cube);
    EXPECT_TRUE(face_texture_map(cube, classes, FacePlusZ).wrappable);
    // Texture turned a quarter: still one rectangle per cell, still merged.
    MeshData turned = cube;
    for (size_t t = 0; t < classes.size(); ++t) {
        if (classes[t] != FacePlusZ) continue;
        for (size_t c = 3 * t; c < 3 * t + 3; ++c) {
            glm::vec3 p = turned.positions[c];
            turned.uvs[c] = glm::vec2(0.25f + 0.15f * p.y, 0.75f + 0.15f * p.x);
        }
    }
    EXPECT_TRUE(face_texture_map(turned, classes, FacePlusZ).wrappable);
    // A sheared texture does not repeat by wrapping one rectangle, and uvs
    // that no flat map fits cannot be carried on.
    MeshData sheared = cube, broken = cube;
    for (size_t t = 0; t < classes.size(); ++t) {
        if (classes[t] != FacePlusZ) continue;
        for (size_t c = 3 * t; c < 3 * t + 3; ++c) sheared.uvs[c].x += 0.05f * cube.positions[c].y;
        std::swap(broken.uvs[3 * t], broken.uvs[3 * t + 1]);
    }
    for (const MeshData* odd : {&sheared, &broken}) {
        EXPECT_FALSE(face_texture_map(*odd, classes, FacePlusZ).wrappable);
        CityGrid city;
        city_test::build(city, {});
        std::vector<Corner> tops = floor_tops(build_city_mesh(city, *odd));
        EXPECT_EQ(tops.size(), size_t(kFloorSide * kFloorSide) * 6);
        for (const Corner& c : tops) EXPECT_EQ(c.rect, glm::vec4(0.0f));
    }
}
