// The static city buffer: which cube faces it keeps, where they go, and the
// inner faces uncovered when the near plane cuts into solid cubes.
#include <gtest/gtest.h>

#include <glm/gtc/matrix_transform.hpp>

#include "render/city_mesh.h"
#include "render_city_helpers.h"

namespace {

constexpr int kVerticesPerFace = 6;

int vertices_of(const CityMesh& mesh, int type, int face = -1) {
    int n = 0;
    for (const CityRange& r : mesh.ranges) {
        if (r.type_object == type && (face < 0 || r.face == face)) n += r.count;
    }
    return n;
}

float area_of(const CityMesh& mesh, int type, int face = -1) {
    float area = 0.0f;
    for (const CityRange& r : mesh.ranges) {
        if (r.type_object != type || (face >= 0 && r.face != face)) continue;
        for (int v = r.first; v + 2 < r.first + r.count; v += 3) {
            const float* a = &mesh.vertices[size_t(v) * kFloatsPerCityVertex];
            const float* b = a + kFloatsPerCityVertex;
            const float* c = b + kFloatsPerCityVertex;
            glm::vec3 pa(a[0], a[1], a[2]), pb(b[0], b[1], b[2]), pc(c[0], c[1], c[2]);
            area += 0.5f * glm::length(glm::cross(pb - pa, pc - pa));
        }
    }
    return area;
}

constexpr float kFaceArea = 4.0f;  // one 2 x 2 cube side

}  // namespace

TEST(CityMesh, LoneCubeKeepsSixFacesTouchingCubesTen) {
    MeshData cube = city_test::test_cube();
    CityGrid city;
    city_test::build(city, {{40, 40, 3}});
    CityMesh lone = build_city_mesh(city, cube);
    EXPECT_EQ(vertices_of(lone, kCityTypeBlock), 6 * kVerticesPerFace);
    EXPECT_FLOAT_EQ(area_of(lone, kCityTypeBlock), 6 * kFaceArea);
    // Touching cubes hide the two sides between them; the sides they share
    // a plane with become one rectangle each.
    city_test::build(city, {{40, 40, 3}, {41, 40, 3}});
    CityMesh pair = build_city_mesh(city, cube);
    EXPECT_FLOAT_EQ(area_of(pair, kCityTypeBlock), 10 * kFaceArea);
    EXPECT_EQ(vertices_of(pair, kCityTypeBlock), 6 * kVerticesPerFace);
    city_test::build(city, {{40, 40, 3}, {40, 40, 4}});
    CityMesh stacked = build_city_mesh(city, cube);
    EXPECT_FLOAT_EQ(area_of(stacked, kCityTypeBlock), 10 * kFaceArea);
    EXPECT_EQ(vertices_of(stacked, kCityTypeBlock, FacePlusZ), kVerticesPerFace);
    EXPECT_FLOAT_EQ(area_of(stacked, kCityTypeBlock, FacePlusX), 2 * kFaceArea);
}

TEST(CityMesh, FloorKeepsOnlyTopsBottomsAndItsOuterRim) {
    MeshData cube = city_test::test_cube();
    CityGrid city;
    city_test::build(city, {});
    CityMesh mesh = build_city_mesh(city, cube);
    // Merged, the open floor is one rectangle per chunk and side.
    const int chunks = (kFloorSide + kCityChunkSide - 1) / kCityChunkSide;
    EXPECT_EQ(vertices_of(mesh, kCityTypeFloor, FacePlusZ), chunks * chunks * kVerticesPerFace);
    EXPECT_EQ(vertices_of(mesh, kCityTypeFloor, FaceMinusZ), chunks * chunks * kVerticesPerFace);
    EXPECT_EQ(vertices_of(mesh, kCityTypeFloor, FacePlusX), chunks * kVerticesPerFace);
    EXPECT_EQ(vertices_of(mesh, kCityTypeFloor, FaceInner), 0);
    EXPECT_EQ(vertices_of(mesh, kCityTypeBlock), 0);
    // A block on the ground keeps five sides: the tile top under it is gone.
    city_test::build(city, {{10, 20, 1}});
    mesh = build_city_mesh(city, cube);
    EXPECT_EQ(vertices_of(mesh, kCityTypeBlock), 5 * kVerticesPerFace);
    EXPECT_GT(vertices_of(mesh, kCityTypeFloor, FacePlusZ), chunks * chunks * kVerticesPerFace);
}

TEST(CityMesh, TopTwoLayersAreNeitherDrawnNorHiding) {
    MeshData cube = city_test::test_cube();
    CityGrid city;
    city_test::build(city, {{30, 30, 6}, {30, 30, 7}});
    EXPECT_TRUE(city_cube_drawn(city, 30, 30, 6));
    EXPECT_FALSE(city_cube_drawn(city, 30, 30, 7));
    CityMesh mesh = build_city_mesh(city, cube);
    // The layer-6 block keeps its top: the layer-7 block above is never drawn.
    EXPECT_EQ(vertices_of(mesh, kCityTypeBlock), 6 * kVerticesPerFace);
    EXPECT_EQ(vertices_of(mesh, kCityTypeBlock, FacePlusZ), kVerticesPerFace);
}

TEST(CityMesh, FacesCarryTheCubeMeshAttributes) {
    MeshData cube = city_test::test_cube();
    CityGrid city;
    city_test::build(city, {{5, 6, 2}});
    CityMesh mesh = build_city_mesh(city, cube);
    int found = 0;
    for (const CityRange& r : mesh.ranges) {
        if (r.type_object != kCityTypeBlock || r.face != FacePlusX) continue;
        for (int v = r.first; v < r.first + r.count; ++v) {
            const float* f = &mesh.vertices[size_t(v) * kFloatsPerCityVertex];
            EXPECT_EQ(glm::vec3(f[0], f[1], f[2]).x, 11.0f);  // 2 * 5 + 1
            EXPECT_EQ(glm::vec3(f[5], f[6], f[7]), glm::vec3(1, 0, 0));
            // The first +x corner of the test cube carries texture corner 1.
            if (v == r.first) {
                EXPECT_EQ(glm::vec2(f[3], f[4]), glm::vec2(0.1f, -0.1f));
            }
            ++found;
        }
    }
    EXPECT_EQ(found, kVerticesPerFace);
}

TEST(CityMesh, TrianglesWoundInwardsOrOffTheSidesStayInner) {
    MeshData cube = city_test::test_cube();
    std::swap(cube.positions[1], cube.positions[2]);
    cube.positions.insert(cube.positions.end(), {glm::vec3(0), glm::vec3(1, 0, 1), glm::vec3(0, 1, 1)});
    std::vector<int32_t> classes = classify_cube_triangles(cube);
    EXPECT_EQ(classes[0], FaceInner);
    EXPECT_EQ(classes[1], FacePlusX);
    EXPECT_EQ(classes[11], FaceMinusZ);
    EXPECT_EQ(classes[12], FaceInner);
}

TEST(CityMesh, NearPlaneCutOpensTheNeighboursInnerFaces) {
    MeshData cube = city_test::test_cube();
    CityGrid city;
    city_test::build(city, {});
    // Orthographic eye 0.8 above the ground looking along -y: the near plane,
    // 2 units ahead and 3 units down, cuts into the floor slab.
    glm::vec3 eye(124.0f, 274.0f, 2.8f);
    glm::mat4 ortho = glm::ortho(-3.0f, 3.0f, -3.0f, 3.0f, 2.0f, 200.0f);
    glm::mat4 view = glm::lookAt(eye, eye + glm::vec3(0, -1, 0), glm::vec3(0, 0, 1));
    CityMesh cut = near_cut_faces(city, cube, ortho * view);
    ASSERT_EQ(cut.ranges.size(), 1u);
    EXPECT_EQ(cut.ranges[0].type_object, kCityTypeFloor);
    EXPECT_GT(cut.vertex_count(), 0);
    // Each face returned lies between two floor tiles, so it is never in
    // the static buffer.
    for (int v = 0; v < cut.vertex_count(); ++v) {
        const float* f = &cut.vertices[size_t(v) * kFloatsPerCityVertex];
        EXPECT_GE(f[2], -1.0f);
        EXPECT_LE(f[2], 1.0f);
        EXPECT_NE(std::abs(f[7]), 1.0f);  // no tops or bottoms
    }
    // A perspective eye well clear of the solids uncovers nothing.
    glm::mat4 perspective = glm::perspective(0.785398f, 4.0f / 3.0f, 0.1f, 450.0f);
    EXPECT_TRUE(near_cut_faces(city, cube, perspective * view).ranges.empty());
}
