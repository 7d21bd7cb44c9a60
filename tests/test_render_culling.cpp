// The frustum rule (corners on a plane are outside), the chunk choice that
// follows it and the bounded number of draw runs.
#include <gtest/gtest.h>

#include <glm/gtc/matrix_transform.hpp>


#include "render/city_culling.h"
#include "render/frustum.h"
#include "render_city_helpers.h"

namespace {

// Everything with x > 0 (the other five planes accept everything).
FrustumPlanes half_space_x() {
    FrustumPlanes planes;
    planes.fill(glm::vec4(0, 0, 0, 1));
    planes[0] = glm::vec4(1, 0, 0, 0);
    return planes;
}

struct Camera {
    glm::mat4 projection, view;
};

Camera perspective_at(glm::vec3 eye, glm::vec3 direction) {
    return {glm::perspective(0.785398f, 4.0f / 3.0f, 0.1f, 450.0f),
            glm::lookAt(eye, eye + direction, glm::vec3(0, 0, 1))};
}

std::vector<Camera> sample_cameras() {
    return {
        perspective_at({124, 274, 2.8f}, {0, -1, 0}),
        perspective_at({148, 330, 110}, {0, -0.85f, -0.52f}),
        perspective_at({20, 20, -6}, {0.6f, 0.6f, 0.5f}),
        perspective_at({300, 150, 9}, {-1, 0.1f, -0.05f}),
        {glm::ortho(-3.0f, 3.0f, -3.0f, 3.0f, 2.0f, 200.0f),
         glm::lookAt(glm::vec3(60, 200, 2.8f), glm::vec3(61, 199, 2.8f), glm::vec3(0, 0, 1))},
    };
}

}  // namespace

TEST(Frustum, CornersOnAPlaneCountAsOutside) {
    FrustumPlanes planes = half_space_x();
    EXPECT_FALSE(cube_in_frustum(planes, glm::vec3(-1, 0, 0), 1.0f));   // touches x = 0
    EXPECT_TRUE(cube_in_frustum(planes, glm::vec3(-0.99f, 0, 0), 1.0f)); // one side just inside
    EXPECT_FALSE(box_in_frustum(planes, glm::vec3(-5, 0, 0), glm::vec3(0, 1, 1)));
    EXPECT_TRUE(box_in_frustum(planes, glm::vec3(-5, 0, 0), glm::vec3(0.001f, 1, 1)));
}

TEST(Frustum, TileBehindTheEyeIsSkippedTileWithOneCornerInsideIsKept) {
    Camera c = perspective_at({0, 0, 0}, {0, -1, 0});
    FrustumPlanes planes = extract_frustum_planes(c.projection, c.view);
    EXPECT_FALSE(cube_in_frustum(planes, glm::vec3(0, 4, 0), 1.0f));
    EXPECT_TRUE(cube_in_frustum(planes, glm::vec3(0, -10, 0), 1.0f));
    EXPECT_FALSE(cube_in_frustum(planes, glm::vec3(0, -452, 0), 1.0f));  // past the far plane
    // Only the corner (x + 1, -9) pokes across the left plane.
    float half_width = std::tan(0.392699f) * 4.0f / 3.0f * 9.0f;
    EXPECT_TRUE(cube_in_frustum(planes, glm::vec3(-half_width - 0.9f, -10, 0), 1.0f));
    EXPECT_FALSE(cube_in_frustum(planes, glm::vec3(-half_width - 2.5f, -10, 0), 1.0f));
}

TEST(CityCulling, ChunksKeptAreExactlyThoseTheRuleKeeps) {
    MeshData cube = city_test::test_cube();
    CityGrid city;
    city.init();
    CityMesh mesh = build_city_mesh(city, cube);
    for (const Camera& c : sample_cameras()) {
        FrustumPlanes planes = extract_frustum_planes(c.projection, c.view);
        ViewFacing facing = view_facing(c.projection, c.view);
        for (int type = kCityTypeFloor; type <= kCityTypeBlock; ++type) {
            std::vector<DrawRun> runs = city_draw_runs(mesh.ranges, type, planes, facing, 1 << 20);
            auto drawn = [&](const CityRange& r) {
                for (const DrawRun& run : runs) {
                    if (r.first >= run.first && r.first + r.count <= run.first + run.count) return true;
                }
                return false;
            };
            for (const CityRange& r : mesh.ranges) {
                if (r.type_object != type) continue;
                bool expected = box_in_frustum(planes, r.box_min, r.box_max) &&
                                range_may_face_viewer(r, facing);
                ASSERT_EQ(drawn(r), expected) << "range at " << r.first;
            }
        }
    }
}

TEST(CityCulling, RunsStayWithinTheBudgetAndCoverEveryChosenRange) {
    MeshData cube = city_test::test_cube();
    CityGrid city;
    city.init();
    CityMesh mesh = build_city_mesh(city, cube);
    for (const Camera& c : sample_cameras()) {
        FrustumPlanes planes = extract_frustum_planes(c.projection, c.view);
        ViewFacing facing = view_facing(c.projection, c.view);
        for (int budget : {1, 3, kCityRunBudget}) {
            std::vector<DrawRun> all = city_draw_runs(mesh.ranges, kCityTypeFloor, planes, facing, 1 << 20);
            std::vector<DrawRun> runs = city_draw_runs(mesh.ranges, kCityTypeFloor, planes, facing, budget);
            ASSERT_LE(int(runs.size()), budget);
            ASSERT_EQ(runs.size(), std::min(all.size(), size_t(budget)));
            for (size_t i = 1; i < runs.size(); ++i) {
                ASSERT_GT(runs[i].first, runs[i - 1].first + runs[i - 1].count);
            }
            for (const DrawRun& needed : all) {
                bool covered = false;
                for (const DrawRun& run : runs) {
                    covered |= needed.first >= run.first &&
                               needed.first + needed.count <= run.first + run.count;
                }
                ASSERT_TRUE(covered);
            }
        }
    }
}

TEST(CityCulling, LightGroupsCoverEverySideAndSkipOnlySidesTheLightCannotReach) {
    for (glm::vec3 light : {glm::vec3(0, -1, 1), glm::vec3(0, 0, 1), glm::vec3(0.3f, 0.5f, -0.8f)}) {
        std::vector<FaceGroup> groups = light_face_groups(light);
        ASSERT_FALSE(groups.empty());
        EXPECT_EQ(groups.front().first_face, FacePlusX);
        EXPECT_EQ(groups.back().last_face, FaceInner);
        EXPECT_FALSE(groups.back().turned_from_light);  // unknown sides keep the lookup
        for (size_t i = 0; i < groups.size(); ++i) {
            if (i > 0) {
                EXPECT_EQ(groups[i].first_face, groups[i - 1].last_face + 1);
                EXPECT_NE(groups[i].turned_from_light, groups[i - 1].turned_from_light);
            }
            for (int32_t face = groups[i].first_face; face <= groups[i].last_face; ++face) {
                if (face == FaceInner) continue;
                glm::vec3 normal(0.0f);
                normal[face / 2] = face % 2 == 0 ? 1.0f : -1.0f;
                EXPECT_EQ(groups[i].turned_from_light, glm::dot(normal, light) <= 0.0f)
                    << "face " << face;
            }
        }
    }
    // The game's light: the top and the sides facing -y are lit, the x sides
    // lie along it.
    std::vector<FaceGroup> game = light_face_groups(glm::vec3(0, -1, 1));
    ASSERT_EQ(game.size(), 4u);
    EXPECT_TRUE(game[0].turned_from_light);
    EXPECT_EQ(game[0].last_face, FacePlusY);
    EXPECT_EQ(game[1].first_face, FaceMinusY);
    EXPECT_EQ(game[1].last_face, FacePlusZ);
}

// Runs for a group of sides, however tightly budgeted, never reach into the
// vertices of another side: those would be drawn with the wrong program.
TEST(CityCulling, RunsOfASideGroupHoldOnlyThoseSides) {
    MeshData cube = city_test::test_cube();
    CityGrid city;
    city.init();
    CityMesh mesh = build_city_mesh(city, cube);
    for (const Camera& c : sample_cameras()) {
        FrustumPlanes planes = extract_frustum_planes(c.projection, c.view);
        ViewFacing facing = view_facing(c.projection, c.view);
        for (const FaceGroup& g : light_face_groups(glm::vec3(0, -1, 1))) {
            for (int32_t type : {kCityTypeFloor, kCityTypeBlock}) {
                for (int budget : {1, 6}) {
                    for (const DrawRun& run : city_draw_runs(mesh.ranges, type, planes, facing, budget,
                                                             g.first_face, g.last_face)) {
                        for (const CityRange& r : mesh.ranges) {
                            bool overlaps = r.first < run.first + run.count && run.first < r.first + r.count;
                            if (!overlaps) continue;
                            EXPECT_EQ(r.type_object, type);
                            EXPECT_GE(r.face, g.first_face);
                            EXPECT_LE(r.face, g.last_face);
                        }
                    }
                }
            }
        }
    }
}
