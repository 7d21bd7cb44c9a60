#include "render/city_culling.h"

#include <algorithm>

namespace {
// Margin so that faces seen exactly edge-on are still drawn.
constexpr float kFacingMargin = 1e-3f;
}

ViewFacing view_facing(const glm::mat4& projection, const glm::mat4& view) {
    ViewFacing facing;
    glm::mat4 inverse_view = glm::inverse(view);
    facing.eye = glm::vec3(inverse_view[3]);
    facing.forward = -glm::vec3(inverse_view[2]);
    facing.orthographic = projection[2][3] == 0.0f && projection[3][3] == 1.0f;
    return facing;
}

float box_distance(const ViewFacing& facing, const glm::vec3& lo, const glm::vec3& hi) {
    if (facing.orthographic) {
        float nearest = 0.0f;
        for (int corner = 0; corner < 8; ++corner) {
            glm::vec3 c((corner & 1) ? hi.x : lo.x, (corner & 2) ? hi.y : lo.y, (corner & 4) ? hi.z : lo.z);
            float along = glm::dot(c - facing.eye, facing.forward);
            nearest = corner == 0 ? along : std::min(nearest, along);
        }
        return nearest;
    }
    glm::vec3 closest = glm::clamp(facing.eye, lo, hi);
    return glm::distance(closest, facing.eye);
}

bool range_may_face_viewer(const CityRange& range, const ViewFacing& facing) {
    if (range.face < 0 || range.face >= FaceInner) return true;
    int axis = range.face / 2;
    bool plus = range.face % 2 == 0;
    if (facing.orthographic) {
        float along = plus ? facing.forward[axis] : -facing.forward[axis];
        return along <= kFacingMargin;
    }
    if (plus) return facing.eye[axis] >= range.plane_min - kFacingMargin;
    return facing.eye[axis] <= range.plane_max + kFacingMargin;
}

std::vector<DrawRun> city_visible_ranges(const std::vector<CityRange>& ranges, int32_t type_object,
                                         const FrustumPlanes& planes, const ViewFacing& facing,
                                         uint32_t face_mask) {
    std::vector<DrawRun> visible;
    for (const CityRange& r : ranges) {
        if (r.type_object != type_object || r.count <= 0) continue;
        if (r.face < 0 || r.face >= kFaceGroups || (face_mask & (1u << r.face)) == 0) continue;
        if (!range_may_face_viewer(r, facing)) continue;
        if (!box_in_frustum(planes, r.box_min, r.box_max)) continue;
        visible.push_back({r.first, r.count, box_distance(facing, r.box_min, r.box_max)});
    }
    std::stable_sort(visible.begin(), visible.end(),
                     [](const DrawRun& a, const DrawRun& b) { return a.nearest < b.nearest; });
    return visible;
}

uint32_t faces_turned_from_light(const glm::vec3& light_inv_direction) {
    uint32_t mask = 0;
    for (int32_t face = FacePlusX; face < FaceInner; ++face) {
        float along = light_inv_direction[face / 2];
        if ((face % 2 == 0 ? along : -along) <= 0.0f) mask |= 1u << face;
    }
    return mask;
}
