#include "render/frame_view.h"

FrameView make_frame_view(const glm::mat4& projection, const glm::mat4& view, bool free_camera) {
    FrameView v;
    v.projection = projection;
    v.view = view;
    v.frustum = extract_frustum_planes(projection, view);
    v.eye = glm::vec3(glm::inverse(view)[3]);
    v.perspective = projection[3][3] == 0.0f && projection[2][3] != 0.0f;
    v.free_camera = free_camera;
    return v;
}
