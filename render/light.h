#pragma once
// The one directional light and the matrices of its shadow map.
#include <glm/glm.hpp>

// Towards the light, also the light's eye point; deliberately not normalised.
inline const glm::vec3 kLightInvDirection(0.0f, -1.0f, 1.0f);

// Orthographic volume holding the whole city, in light-view space.
constexpr float kLightLeft = -4.0f, kLightRight = 300.0f;
constexpr float kLightBottom = -4.0f, kLightTop = 300.0f;
constexpr float kLightNear = -40.0f, kLightFar = 300.0f;

glm::mat4 light_projection();
glm::mat4 light_view();
// Maps clip coordinates [-1, 1] to texture coordinates and depth [0, 1].
glm::mat4 bias_matrix();
// light projection x light view
glm::mat4 depth_view_projection();
// bias x light projection x light view
glm::mat4 depth_bias_view_projection();
