#pragma once
// Chooses which city ranges to draw this frame and joins them into a
// bounded number of draw calls.
#include <glm/glm.hpp>

#include <cstdint>
#include <vector>

#include "render/city_mesh.h"
#include "render/frustum.h"

// Draw calls per object type; two types stay within 48 calls a frame.
constexpr int kCityRunBudget = 24;

// Where the eye is (perspective) or which way it looks (orthographic),
// which is all the facing test needs.
struct ViewFacing {
    bool orthographic = false;
    glm::vec3 eye{0.0f};
    glm::vec3 forward{0.0f, 0.0f, -1.0f};
};

struct DrawRun {
    int32_t first = 0;
    int32_t count = 0;
    float nearest = 0.0f;  // how far the nearest of its ranges lies ahead of the eye
};

ViewFacing view_facing(const glm::mat4& projection, const glm::mat4& view);

// Distance from the eye to a box (0 when the eye is inside); along the view
// direction for an orthographic view.
float box_distance(const ViewFacing& facing, const glm::vec3& lo, const glm::vec3& hi);

// False only when every face of the range is turned away from the eye, so
// back-face culling would drop all of it anyway.
bool range_may_face_viewer(const CityRange& range, const ViewFacing& facing);

// Ranges of one type inside the frustum and possibly facing the eye, joined
// where they touch in the buffer; when more runs remain than `budget`, the
// smallest gaps are drawn too (their vertices fall outside the view or face
// away, so the picture does not change). Runs come in buffer order; sorting
// them by `nearest` lets near geometry hide far geometry before it is shaded.
// Only ranges on cube sides first_face..last_face take part, so a gap that is
// bridged never holds another side's faces (the buffer orders sides).
std::vector<DrawRun> city_draw_runs(const std::vector<CityRange>& ranges, int32_t type_object,
                                    const FrustumPlanes& planes, const ViewFacing& facing,
                                    int budget, int32_t first_face = FacePlusX,
                                    int32_t last_face = FaceInner);

// Consecutive cube sides that either all turn away from (or lie along) the
// light, so they need no shadow lookup, or not; FaceInner always counts as
// possibly lit. Together the groups cover every side once, in order.
struct FaceGroup {
    int32_t first_face = FacePlusX;
    int32_t last_face = FaceInner;
    bool turned_from_light = false;
};
std::vector<FaceGroup> light_face_groups(const glm::vec3& light_inv_direction);
