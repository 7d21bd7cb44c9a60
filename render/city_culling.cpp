#include "render/city_culling.h"

#include <algorithm>
#include <climits>
#include <functional>

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

std::vector<DrawRun> city_draw_runs(const std::vector<CityRange>& ranges, int32_t type_object,
                                    const FrustumPlanes& planes, const ViewFacing& facing,
                                    int budget, int32_t first_face, int32_t last_face) {
    std::vector<DrawRun> runs;
    for (const CityRange& r : ranges) {
        if (r.type_object != type_object || r.count <= 0) continue;
        if (r.face < first_face || r.face > last_face) continue;
        if (!range_may_face_viewer(r, facing)) continue;
        if (!box_in_frustum(planes, r.box_min, r.box_max)) continue;
        float nearest = box_distance(facing, r.box_min, r.box_max);
        if (!runs.empty() && runs.back().first + runs.back().count == r.first) {
            runs.back().count += r.count;
            runs.back().nearest = std::min(runs.back().nearest, nearest);
        } else {
            runs.push_back({r.first, r.count, nearest});
        }
    }
    budget = std::max(budget, 1);
    if (int(runs.size()) <= budget) return runs;

    // Keep the budget - 1 widest gaps as splits and bridge all the others.
    std::vector<int32_t> gaps;
    for (size_t i = 1; i < runs.size(); ++i) {
        gaps.push_back(runs[i].first - (runs[i - 1].first + runs[i - 1].count));
    }
    std::vector<int32_t> sorted = gaps;
    std::sort(sorted.begin(), sorted.end(), std::greater<int32_t>());
    int32_t threshold = budget > 1 ? sorted[size_t(budget - 2)] : INT32_MAX;
    int splits_left = budget - 1;
    std::vector<DrawRun> merged{runs[0]};
    for (size_t i = 1; i < runs.size(); ++i) {
        bool split = gaps[i - 1] >= threshold && splits_left > 0;
        if (split) {
            --splits_left;
            merged.push_back(runs[i]);
        } else {
            DrawRun& last = merged.back();
            last.count = runs[i].first + runs[i].count - last.first;
            last.nearest = std::min(last.nearest, runs[i].nearest);
        }
    }
    return merged;
}

std::vector<FaceGroup> light_face_groups(const glm::vec3& light_inv_direction) {
    std::vector<FaceGroup> groups;
    for (int32_t face = FacePlusX; face <= FaceInner; ++face) {
        bool turned = false;
        if (face < FaceInner) {
            float along = light_inv_direction[face / 2];
            turned = (face % 2 == 0 ? along : -along) <= 0.0f;
        }
        if (!groups.empty() && groups.back().turned_from_light == turned) {
            groups.back().last_face = face;
        } else {
            groups.push_back({face, face, turned});
        }
    }
    return groups;
}
