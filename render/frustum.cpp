#include "render/frustum.h"

FrustumPlanes extract_frustum_planes(const glm::mat4& projection, const glm::mat4& view) {
    glm::mat4 clip = projection * view;
    auto row = [&](int r) { return glm::vec4(clip[0][r], clip[1][r], clip[2][r], clip[3][r]); };
    glm::vec4 r1 = row(0), r2 = row(1), r3 = row(2), r4 = row(3);
    FrustumPlanes planes = {r4 - r1, r4 + r1, r4 + r2, r4 - r2, r4 - r3, r4 + r3};
    for (glm::vec4& p : planes) {
        float length = glm::length(glm::vec3(p));
        if (length > 0.0f) p /= length;
    }
    return planes;
}

bool box_in_frustum(const FrustumPlanes& planes, const glm::vec3& lo, const glm::vec3& hi) {
    for (const glm::vec4& p : planes) {
        bool all_outside = true;
        for (int corner = 0; corner < 8 && all_outside; ++corner) {
            float x = (corner & 1) ? hi.x : lo.x;
            float y = (corner & 2) ? hi.y : lo.y;
            float z = (corner & 4) ? hi.z : lo.z;
            if (p.x * x + p.y * y + p.z * z + p.w > 0.0f) all_outside = false;
        }
        if (all_outside) return false;
    }
    return true;
}

bool cube_in_frustum(const FrustumPlanes& planes, const glm::vec3& centre, float half_size) {
    glm::vec3 h(half_size);
    return box_in_frustum(planes, centre - h, centre + h);
}
