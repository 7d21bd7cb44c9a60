#pragma once
// What the passes need to know about the frame's eye, taken once per frame:
// the camera's two matrices, the frustum made from them, where the eye is
// and whether the projection has one, and whether the free camera is on
// (then the player is drawn).
#include <glm/glm.hpp>

#include "render/frustum.h"

struct FrameView {
    glm::mat4 projection{1.0f};
    glm::mat4 view{1.0f};
    FrustumPlanes frustum{};
    glm::vec3 eye{0.0f};       // world units
    bool perspective = false;  // sight lines meet at the eye (not parallel)
    bool free_camera = false;
};

FrameView make_frame_view(const glm::mat4& projection, const glm::mat4& view, bool free_camera);
