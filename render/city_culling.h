#pragma once
// Chooses which city ranges to draw this frame, and in which order.
#include <glm/glm.hpp>

#include <cstdint>
#include <vector>

#include "render/city_mesh.h"
#include "render/frustum.h"

// Where the eye is (perspective) or which way it looks (orthographic),
// which is all the facing test needs.
struct ViewFacing {
    bool orthographic = false;
    glm::vec3 eye{0.0f};
    glm::vec3 forward{0.0f, 0.0f, -1.0f};
};

// One range of the city buffer to draw.
struct DrawRun {
    int32_t first = 0;
    int32_t count = 0;
    float nearest = 0.0f;  // how far its box lies ahead of the eye
};

ViewFacing view_facing(const glm::mat4& projection, const glm::mat4& view);

// Distance from the eye to a box (0 when the eye is inside); along the view
// direction for an orthographic view.
float box_distance(const ViewFacing& facing, const glm::vec3& lo, const glm::vec3& hi);

// False only when every face of the range is turned away from the eye, so
// back-face culling would drop all of it anyway.
bool range_may_face_viewer(const CityRange& range, const ViewFacing& facing);

// The ranges of one type, on the sides set in `face_mask` (bit 1 << face),
// that are inside the frustum and may face the eye, nearest first: drawn in
// this order, near geometry hides far geometry before it is shaded.
std::vector<DrawRun> city_visible_ranges(const std::vector<CityRange>& ranges, int32_t type_object,
                                         const FrustumPlanes& planes, const ViewFacing& facing,
                                         uint32_t face_mask);
constexpr uint32_t kAllCityFaces = (1u << kFaceGroups) - 1;

// The cube sides (bit 1 << face) that turn away from, or lie along, the
// light: in their own shadow, they need no shadow lookup. FaceInner never
// counts, as its triangles may face anywhere.
uint32_t faces_turned_from_light(const glm::vec3& light_inv_direction);
