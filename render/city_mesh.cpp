#include "render/city_mesh.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "render/city_merge.h"
#include "world/city_grid.h"

namespace {

constexpr float kPlaneTolerance = 1e-4f;
constexpr float kCellTouch = 0.01f;

// Outward unit step of each cube side, in cells.
constexpr std::array<std::array<int, 3>, 6> kFaceStep = {{
    {{1, 0, 0}}, {{-1, 0, 0}}, {{0, 1, 0}}, {{0, -1, 0}}, {{0, 0, 1}}, {{0, 0, -1}},
}};

int face_axis(int face) { return face / 2; }
float face_sign(int face) { return face % 2 == 0 ? 1.0f : -1.0f; }

struct Bounds {
    glm::vec3 min{0.0f}, max{0.0f};
};

Bounds mesh_bounds(const MeshData& mesh) {
    Bounds b;
    if (mesh.positions.empty()) return b;
    b.min = b.max = mesh.positions[0];
    for (const glm::vec3& p : mesh.positions) {
        b.min = glm::min(b.min, p);
        b.max = glm::max(b.max, p);
    }
    return b;
}

bool exposed(const CityGrid& city, int i, int j, int k, int face) {
    const std::array<int, 3>& s = kFaceStep[size_t(face)];
    return !city_cube_drawn(city, i + s[0], j + s[1], k + s[2]);
}

// One growing range per face group of the current type and chunk.
struct Group {
    std::vector<float> vertices;
    CityRange range;
    bool empty = true;
};

void push_vertex(Group& group, const glm::vec3& p, const glm::vec2& uv, const glm::vec3& n,
                 const glm::vec4& rect) {
    group.vertices.insert(group.vertices.end(), {p.x, p.y, p.z, uv.x, uv.y, n.x, n.y, n.z, rect.x,
                                                 rect.y, rect.z, rect.w});
}

void grow_bounds(Group& group, int face, const glm::vec3& lo, const glm::vec3& hi);

void add_cube(Group& group, const MeshData& cube, const std::vector<int32_t>& classes, int face,
              const glm::vec3& centre, const Bounds& cube_bounds, const glm::vec4& rect) {
    for (size_t t = 0; t < classes.size(); ++t) {
        if (classes[t] != face) continue;
        for (size_t c = 3 * t; c < 3 * t + 3; ++c) {
            glm::vec3 p = cube.positions[c] + centre;
            push_vertex(group, p, cube.uvs[c], cube.normals[c], rect);
        }
    }
    grow_bounds(group, face, centre + cube_bounds.min, centre + cube_bounds.max);
}

// Widens the group's box and face-plane span by one cube or rectangle.
void grow_bounds(Group& group, int face, const glm::vec3& lo, const glm::vec3& hi) {
    float plane = 0.0f;
    if (face != FaceInner) {
        int axis = face_axis(face);
        plane = face_sign(face) > 0 ? hi[axis] : lo[axis];
    }
    CityRange& r = group.range;
    if (group.empty) {
        r.box_min = lo;
        r.box_max = hi;
        r.plane_min = r.plane_max = plane;
        group.empty = false;
    } else {
        r.box_min = glm::min(r.box_min, lo);
        r.box_max = glm::max(r.box_max, hi);
        r.plane_min = std::min(r.plane_min, plane);
        r.plane_max = std::max(r.plane_max, plane);
    }
}

// One rectangle of `counts` cells from cell `first`, all showing side
// `face`: the side's triangles stretched over it, their texture coordinates
// carried on at the same rate and told which rectangle they repeat in. A
// lone cell is the cube's own side, untouched.
void add_rect(Group& group, const MeshData& cube, const std::vector<int32_t>& classes, int face,
              const FaceTextureMap& map, const glm::ivec3& first, const glm::ivec3& counts,
              const Bounds& cube_bounds) {
    glm::vec3 centre = 2.0f * glm::vec3(first);
    if (counts == glm::ivec3(1)) {
        add_cube(group, cube, classes, face, centre, cube_bounds, map.rect);
        return;
    }
    const int ua = face_u_axis(face), va = face_v_axis(face);
    glm::vec3 size = cube_bounds.max - cube_bounds.min;
    glm::vec3 lo = centre + cube_bounds.min;
    glm::vec3 hi = centre + 2.0f * glm::vec3(counts - 1) + cube_bounds.max;
    for (size_t t = 0; t < classes.size(); ++t) {
        if (classes[t] != face) continue;
        for (size_t c = 3 * t; c < 3 * t + 3; ++c) {
            const glm::vec3& p = cube.positions[c];
            glm::vec3 q = p + centre;
            for (int axis : {ua, va}) {
                float along = (p[axis] - cube_bounds.min[axis]) / size[axis];
                q[axis] = lo[axis] + along * (hi[axis] - lo[axis]);
            }
            glm::vec2 uv = cube.uvs[c] + map.per_u * (q[ua] - centre[ua] - p[ua]) +
                           map.per_v * (q[va] - centre[va] - p[va]);
            push_vertex(group, q, uv, cube.normals[c], map.rect);
        }
    }
    grow_bounds(group, face, lo, hi);
}

// Every exposed `face` side of the cubes in the box from `lo` of `size`
// cells, joined plane by plane into rectangles.
void add_merged_faces(Group& group, const CityGrid& city, const MeshData& cube,
                      const std::vector<int32_t>& classes, int face, const FaceTextureMap& map,
                      const glm::ivec3& lo, const glm::ivec3& size, const Bounds& cube_bounds) {
    const int axis = face_axis(face), ua = face_u_axis(face), va = face_v_axis(face);
    std::vector<uint8_t> mask(static_cast<size_t>(size[ua] * size[va]), 0);
    for (int plane = 0; plane < size[axis]; ++plane) {
        glm::ivec3 cell = lo;
        cell[axis] += plane;
        for (int u = 0; u < size[ua]; ++u) {
            for (int v = 0; v < size[va]; ++v) {
                cell[ua] = lo[ua] + u;
                cell[va] = lo[va] + v;
                mask[size_t(u * size[va] + v)] =
                    city_cube_drawn(city, cell.x, cell.y, cell.z) &&
                    exposed(city, cell.x, cell.y, cell.z, face);
            }
        }
        for (const CellRect& r : greedy_rectangles(mask, size[ua], size[va])) {
            glm::ivec3 first = cell, counts(1);
            first[ua] = lo[ua] + r.u0;
            first[va] = lo[va] + r.v0;
            counts[ua] = r.u_count;
            counts[va] = r.v_count;
            add_rect(group, cube, classes, face, map, first, counts, cube_bounds);
        }
    }
}

}  // namespace

bool city_face_merged(int type_object, int face) {
    // Walls merge as well as the street: fewer vertices paid off on blocks too.
    return (type_object == kCityTypeFloor || type_object == kCityTypeBlock) && face >= 0 &&
           face < FaceInner;
}

bool city_cube_drawn(const CityGrid& city, int i, int j, int k) {
    if (k == 0) return i >= 0 && i < kFloorSide && j >= 0 && j < kFloorSide;
    if (k < 1 || k >= int(city.upper_layer_count) - 2 || k >= int(city.cells.size())) return false;
    if (i < 0 || j < 0 || i >= int(city.column_count) || j >= int(city.row_count)) return false;
    return cell_at(city, i, j, k) == CellBlock;
}

std::vector<int32_t> classify_cube_triangles(const MeshData& cube) {
    Bounds b = mesh_bounds(cube);
    size_t triangles = cube.positions.size() / 3;
    std::vector<int32_t> classes(triangles, FaceInner);
    for (size_t t = 0; t < triangles; ++t) {
        const glm::vec3& a = cube.positions[3 * t];
        const glm::vec3& p1 = cube.positions[3 * t + 1];
        const glm::vec3& p2 = cube.positions[3 * t + 2];
        glm::vec3 winding = glm::cross(p1 - a, p2 - a);
        for (int face = 0; face < 6; ++face) {
            int axis = face_axis(face);
            float plane = face_sign(face) > 0 ? b.max[axis] : b.min[axis];
            bool on_plane = std::fabs(a[axis] - plane) < kPlaneTolerance &&
                            std::fabs(p1[axis] - plane) < kPlaneTolerance &&
                            std::fabs(p2[axis] - plane) < kPlaneTolerance;
            // Only a side whose winding faces outwards can be culled as a side.
            if (on_plane && winding[axis] * face_sign(face) > 0.0f) {
                classes[t] = face;
                break;
            }
        }
    }
    return classes;
}

namespace {
// What every chunk of one type is built from: the cube with its triangles'
// classes and bounds, the type's layers, and per side its texture map and
// whether it is merged into rectangles.
struct TypeBuild {
    const MeshData& cube;
    const std::vector<int32_t>& classes;
    Bounds cube_bounds;
    glm::vec4 repeat_rect;
    int k_begin = 0, k_end = 0;
    std::array<FaceTextureMap, 6> maps;
    std::array<bool, 6> merged{};
};

// One chunk's faces: the exposed sides of its cubes one by one (the merged
// sides as rectangles after), and the inner faces of every cube that shows
// a side.
std::array<Group, kFaceGroups> chunk_faces(const CityGrid& city, const TypeBuild& t, int i0,
                                           int j0) {
    std::array<Group, kFaceGroups> chunk_groups;
    for (int i = i0; i < i0 + kCityChunkSide; ++i) {
        for (int j = j0; j < j0 + kCityChunkSide; ++j) {
            for (int k = t.k_begin; k < t.k_end; ++k) {
                if (!city_cube_drawn(city, i, j, k)) continue;
                glm::vec3 centre(2.0f * i, 2.0f * j, 2.0f * k);
                bool any = false;
                for (int face = 0; face < 6; ++face) {
                    if (!exposed(city, i, j, k, face)) continue;
                    any = true;
                    if (t.merged[size_t(face)]) continue;
                    add_cube(chunk_groups[size_t(face)], t.cube, t.classes, face, centre,
                             t.cube_bounds, t.repeat_rect);
                }
                if (any) {
                    add_cube(chunk_groups[FaceInner], t.cube, t.classes, FaceInner, centre,
                             t.cube_bounds, t.repeat_rect);
                }
            }
        }
    }
    glm::ivec3 chunk_lo(i0, j0, t.k_begin), chunk_size(kCityChunkSide, kCityChunkSide,
                                                       t.k_end - t.k_begin);
    for (int face = 0; face < 6; ++face) {
        if (t.merged[size_t(face)]) {
            add_merged_faces(chunk_groups[size_t(face)], city, t.cube, t.classes, face,
                             t.maps[size_t(face)], chunk_lo, chunk_size, t.cube_bounds);
        }
    }
    return chunk_groups;
}
}  // namespace

CityMesh build_city_mesh(const CityGrid& city, const MeshData& cube) {
    CityMesh mesh;
    std::vector<int32_t> classes = classify_cube_triangles(cube);
    const Bounds cube_bounds = mesh_bounds(cube);
    mesh.repeat_rect = city_repeat_rect(cube, classes);
    const bool repeats = mesh.repeat_rect.z > 0.0f;
    const int chunks_per_side = (kFloorSide + kCityChunkSide - 1) / kCityChunkSide;
    const int top_layer = std::max(1, int(city.upper_layer_count) - 2);

    for (int type = kCityTypeFloor; type <= kCityTypeBlock; ++type) {
        const bool floor = type == kCityTypeFloor;
        TypeBuild t{cube, classes, cube_bounds, mesh.repeat_rect, floor ? 0 : 1,
                    floor ? 1 : top_layer, {}, {}};
        for (int face = 0; face < 6; ++face) {
            t.maps[size_t(face)] = face_texture_map(cube, classes, face);
            t.merged[size_t(face)] = city_face_merged(type, face) && repeats;
        }
        std::array<std::vector<Group>, kFaceGroups> groups;
        for (int chunk = 0; chunk < chunks_per_side * chunks_per_side; ++chunk) {
            std::array<Group, kFaceGroups> chunk_groups =
                chunk_faces(city, t, (chunk / chunks_per_side) * kCityChunkSide,
                            (chunk % chunks_per_side) * kCityChunkSide);
            for (int face = 0; face < kFaceGroups; ++face) {
                Group& g = chunk_groups[size_t(face)];
                if (g.vertices.empty()) continue;
                g.range.type_object = type;
                g.range.face = face;
                g.range.chunk = chunk;
                groups[size_t(face)].push_back(std::move(g));
            }
        }
        for (std::vector<Group>& face_groups : groups) {
            for (Group& g : face_groups) {
                g.range.first = mesh.vertex_count();
                g.range.count = int32_t(g.vertices.size() / kFloatsPerCityVertex);
                mesh.vertices.insert(mesh.vertices.end(), g.vertices.begin(), g.vertices.end());
                mesh.ranges.push_back(g.range);
            }
        }
    }
    return mesh;
}

CityMesh near_cut_faces(const CityGrid& city, const MeshData& cube, const glm::mat4& clip) {
    CityMesh mesh;
    glm::mat4 inverse_clip = glm::inverse(clip);
    glm::vec3 lo(0.0f), hi(0.0f);
    for (int corner = 0; corner < 4; ++corner) {
        glm::vec4 ndc((corner & 1) ? 1.0f : -1.0f, (corner & 2) ? 1.0f : -1.0f, -1.0f, 1.0f);
        glm::vec4 world = inverse_clip * ndc;
        if (!(std::fabs(world.w) > 0.0f)) return mesh;
        glm::vec3 p = glm::vec3(world) / world.w;
        if (!std::isfinite(p.x) || !std::isfinite(p.y) || !std::isfinite(p.z)) return mesh;
        lo = corner == 0 ? p : glm::min(lo, p);
        hi = corner == 0 ? p : glm::max(hi, p);
    }
    // Cell n spans [2n - 1, 2n + 1]; cells merely touching the box count.
    auto first_cell = [](float v, int limit) {
        return int(std::clamp(std::floor((v + 1.0f - kCellTouch) / 2.0f), -1.0f, float(limit)));
    };
    auto last_cell = [](float v, int limit) {
        return int(std::clamp(std::floor((v + 1.0f + kCellTouch) / 2.0f), -1.0f, float(limit)));
    };
    int layers = std::max(int(city.upper_layer_count), 1);
    int i0 = first_cell(lo.x, kFloorSide), i1 = last_cell(hi.x, kFloorSide);
    int j0 = first_cell(lo.y, kFloorSide), j1 = last_cell(hi.y, kFloorSide);
    int k0 = first_cell(lo.z, layers), k1 = last_cell(hi.z, layers);

    std::vector<int32_t> classes = classify_cube_triangles(cube);
    Bounds cube_bounds = mesh_bounds(cube);
    mesh.repeat_rect = city_repeat_rect(cube, classes);
    std::array<Group, 2> by_type;
    for (int i = i0; i <= i1; ++i) {
        for (int j = j0; j <= j1; ++j) {
            for (int k = k0; k <= k1; ++k) {
                if (!city_cube_drawn(city, i, j, k)) continue;
                for (int face = 0; face < 6; ++face) {
                    if (exposed(city, i, j, k, face)) continue;
                    const std::array<int, 3>& s = kFaceStep[size_t(face)];
                    int ni = i + s[0], nj = j + s[1], nk = k + s[2];
                    int opposite = face ^ 1;  // the neighbour's side that faces back at us
                    add_cube(by_type[nk == 0 ? kCityTypeFloor : kCityTypeBlock], cube, classes,
                             opposite, glm::vec3(2.0f * ni, 2.0f * nj, 2.0f * nk), cube_bounds,
                             mesh.repeat_rect);
                }
                add_cube(by_type[k == 0 ? kCityTypeFloor : kCityTypeBlock], cube, classes,
                         FaceInner, glm::vec3(2.0f * i, 2.0f * j, 2.0f * k), cube_bounds,
                         mesh.repeat_rect);
            }
        }
    }
    for (int type = kCityTypeFloor; type <= kCityTypeBlock; ++type) {
        Group& g = by_type[size_t(type)];
        if (g.vertices.empty()) continue;
        g.range.type_object = type;
        g.range.face = FaceInner;
        g.range.first = mesh.vertex_count();
        g.range.count = int32_t(g.vertices.size() / kFloatsPerCityVertex);
        mesh.vertices.insert(mesh.vertices.end(), g.vertices.begin(), g.vertices.end());
        mesh.ranges.push_back(g.range);
    }
    return mesh;
}
