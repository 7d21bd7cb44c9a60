// The frustum rule (corners on a plane are outside), the chunk choice that
// follows it, the nearest-first order and the sides that skip the shadow.
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

TEST(CityCulling, ChunksKeptAreExactlyThoseTheRuleKeepsNearestFirst) {
    MeshData cube = city_test::test_cube();
    CityGrid city;
    city.init();
    CityMesh mesh = build_city_mesh(city, cube);
    for (const Camera& c : sample_cameras()) {
        FrustumPlanes planes = extract_frustum_planes(c.projection, c.view);
        ViewFacing facing = view_facing(c.projection, c.view);
        for (int type = kCityTypeFloor; type <= kCityTypeBlock; ++type) {
            std::vector<DrawRun> kept =
                city_visible_ranges(mesh.ranges, type, planes, facing, kAllCityFaces);
            for (size_t i = 1; i < kept.size(); ++i) {
                ASSERT_LE(kept[i - 1].nearest, kept[i].nearest);
            }
            for (const CityRange& r : mesh.ranges) {
                if (r.type_object != type) continue;
                bool expected = box_in_frustum(planes, r.box_min, r.box_max) &&
                                range_may_face_viewer(r, facing);
                int times = 0;
                for (const DrawRun& run : kept) {
                    if (run.first == r.first) {
                        ++times;
                        EXPECT_EQ(run.count, r.count);
                        EXPECT_FLOAT_EQ(run.nearest, box_distance(facing, r.box_min, r.box_max));
                    }
                }
                ASSERT_EQ(times, expected ? 1 : 0) << "range at " << r.first;
            }
        }
    }
}

// The two programs share the visible ranges out by side, none twice.
TEST(CityCulling, SideMasksSplitTheRangesBetweenThePrograms) {
    MeshData cube = city_test::test_cube();
    CityGrid city;
    city.init();
    CityMesh mesh = build_city_mesh(city, cube);
    uint32_t turned = faces_turned_from_light(glm::vec3(0, -1, 1));
    for (const Camera& c : sample_cameras()) {
        FrustumPlanes planes = extract_frustum_planes(c.projection, c.view);
        ViewFacing facing = view_facing(c.projection, c.view);
        for (int32_t type : {kCityTypeFloor, kCityTypeBlock}) {
            std::vector<DrawRun> all = city_visible_ranges(mesh.ranges, type, planes, facing, kAllCityFaces);
            std::vector<DrawRun> dark = city_visible_ranges(mesh.ranges, type, planes, facing, turned);
            std::vector<DrawRun> lit =
                city_visible_ranges(mesh.ranges, type, planes, facing, kAllCityFaces & ~turned);
            EXPECT_EQ(dark.size() + lit.size(), all.size());
            for (const DrawRun& run : dark) {
                for (const CityRange& r : mesh.ranges) {
                    if (r.first == run.first) {
                        EXPECT_NE(turned & (1u << r.face), 0u);
                    }
                }
            }
        }
    }
}

TEST(CityCulling, SidesTurnedFromTheLightAreExactlyThoseItCannotReach) {
    for (glm::vec3 light : {glm::vec3(0, -1, 1), glm::vec3(0, 0, 1), glm::vec3(0.3f, 0.5f, -0.8f)}) {
        uint32_t turned = faces_turned_from_light(light);
        EXPECT_EQ(turned & (1u << FaceInner), 0u);  // unknown sides keep the lookup
        for (int32_t face = FacePlusX; face < FaceInner; ++face) {
            glm::vec3 normal(0.0f);
            normal[face / 2] = face % 2 == 0 ? 1.0f : -1.0f;
            EXPECT_EQ((turned & (1u << face)) != 0, glm::dot(normal, light) <= 0.0f) << "face " << face;
        }
    }
    // The game's light: the top and the sides facing -y are lit, the x sides
    // lie along it.
    EXPECT_EQ(faces_turned_from_light(glm::vec3(0, -1, 1)),
              (1u << FacePlusX) | (1u << FaceMinusX) | (1u << FacePlusY) | (1u << FaceMinusZ));
}
