#pragma once
// The static city as a few big vertex ranges instead of one draw per cube.
// Only the cube faces that touch a cell with nothing drawn in it are kept: a
// face between two drawn cubes can never be seen from outside the solid
// cells, so dropping it leaves the picture unchanged. Faces are grouped by
// object type, by the side of the cube they lie on and by chunk of columns,
// so that whole groups can be skipped when their chunk is outside the view
// or when every face in them points away from the eye.
#include <glm/glm.hpp>

#include <cstdint>
#include <vector>

#include "render/mesh_data.h"

struct CityGrid;

constexpr int kFloorSide = 148;         // the floor is always 148 x 148 tiles
constexpr int kCityChunkSide = 16;      // columns and rows per chunk
// Position 3, uv 2, normal 3, then the texture rectangle (min u, min v,
// width, height) the uv repeats in, zero width when the city's faces are
// not merged (the uv then addresses the block texture itself).
constexpr int kFloatsPerCityVertex = 12;
constexpr int kCityTypeFloor = 0;       // also the "TypeObject" codes
constexpr int kCityTypeBlock = 1;

// The cube side a triangle lies on (and faces out of), or FaceInner for
// triangles that are on no side or wound against it.
enum CubeFace : int32_t {
    FacePlusX = 0,
    FaceMinusX = 1,
    FacePlusY = 2,
    FaceMinusY = 3,
    FacePlusZ = 4,
    FaceMinusZ = 5,
    FaceInner = 6,
};
constexpr int kFaceGroups = 7;

struct CityRange {
    int32_t type_object = 0;
    int32_t face = 0;
    int32_t chunk = 0;
    int32_t first = 0;  // first vertex in the city buffer
    int32_t count = 0;  // vertices
    glm::vec3 box_min{0.0f}, box_max{0.0f};  // bounds of the cubes in the range
    float plane_min = 0.0f, plane_max = 0.0f;  // where the range's faces lie along their axis
};

struct CityMesh {
    std::vector<float> vertices;     // kFloatsPerCityVertex floats per vertex
    std::vector<CityRange> ranges;   // in buffer order: type, then face, then chunk
    glm::vec4 repeat_rect{0.0f};     // what every vertex carries (see city_repeat_rect)
    int32_t vertex_count() const { return int32_t(vertices.size() / kFloatsPerCityVertex); }
};

// Whether the city draws a cube in cell (i, j, k): the 148 x 148 floor at
// layer 0, and blocks on layers 1 up to two below the top.
bool city_cube_drawn(const CityGrid& city, int i, int j, int k);

// Which cube side each triangle of the mesh belongs to.
std::vector<int32_t> classify_cube_triangles(const MeshData& cube);

// Whether exposed faces of this type and side are joined into rectangles
// (within their chunk and plane) when the cube's texture allows it.
bool city_face_merged(int type_object, int face);

// Builds the exposed faces of the whole city in world space, from the cube
// mesh's own positions, texture coordinates and normals.
CityMesh build_city_mesh(const CityGrid& city, const MeshData& cube);

// The near plane can cut into solid cubes (the orthographic view's near
// plane lies 2 units ahead of the eye): looking out of a cut cube one sees
// the inner faces of its solid neighbours, which the static buffer leaves
// out. This returns those faces for the cubes the near rectangle of `clip`
// (projection x view) may touch, as at most one range per type.
CityMesh near_cut_faces(const CityGrid& city, const MeshData& cube, const glm::mat4& clip);
