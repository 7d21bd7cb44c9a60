#include "render/light.h"

#include <glm/gtc/matrix_transform.hpp>

glm::mat4 light_projection() {
    return glm::ortho(kLightLeft, kLightRight, kLightBottom, kLightTop, kLightNear, kLightFar);
}

glm::mat4 light_view() {
    return glm::lookAt(kLightInvDirection, glm::vec3(0.0f), glm::vec3(0.0f, 1.0f, 1.0f));
}

glm::mat4 bias_matrix() {
    return glm::mat4(0.5f, 0.0f, 0.0f, 0.0f,
                     0.0f, 0.5f, 0.0f, 0.0f,
                     0.0f, 0.0f, 0.5f, 0.0f,
                     0.5f, 0.5f, 0.5f, 1.0f);
}

glm::mat4 depth_view_projection() { return light_projection() * light_view(); }

glm::mat4 depth_bias_view_projection() { return bias_matrix() * depth_view_projection(); }
