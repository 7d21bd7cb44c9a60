#pragma once
// What the passes need to know about the frame's eye, taken once per frame:
// the camera's two matrices, the frustum made from them, where the eye is
// and whether the projection has one, whether the free camera is on (then
// the player is drawn), and how many pixels high the picture is.
#include <glm/glm.hpp>

#include "render/frustum.h"
#include "render/picture_rect.h"

struct FrameView {
    glm::mat4 projection{1.0f};
    glm::mat4 view{1.0f};
    FrustumPlanes frustum{};
    glm::vec3 eye{0.0f};       // world units
    bool perspective = false;  // sight lines meet at the eye (not parallel)
    bool free_camera = false;
    float picture_height = float(kPictureHeight);  // pixels: how large things look
};

FrameView make_frame_view(const glm::mat4& projection, const glm::mat4& view, bool free_camera);
