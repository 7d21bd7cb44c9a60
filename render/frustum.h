#pragma once
// View-frustum planes and the box test the passes use to skip geometry.
#include <glm/glm.hpp>

#include <array>

using FrustumPlanes = std::array<glm::vec4, 6>;  // (a, b, c, d), inside where > 0

// Planes of clip = projection x view, normalised by the length of (a, b, c):
// left, right, bottom, top, far, near.
FrustumPlanes extract_frustum_planes(const glm::mat4& projection, const glm::mat4& view);

// A box is outside when all eight corners lie on or behind one plane;
// corners exactly on a plane count as outside it.
bool box_in_frustum(const FrustumPlanes& planes, const glm::vec3& lo, const glm::vec3& hi);
bool cube_in_frustum(const FrustumPlanes& planes, const glm::vec3& centre, float half_size);
