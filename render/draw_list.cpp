#include "render/draw_list.h"

#include <glm/gtc/matrix_transform.hpp>

namespace {
constexpr float kCellHalfSize = 1.0f;
}  // namespace

glm::mat4 model_matrix(const MeshDraw& draw) {
    glm::mat4 model = glm::translate(glm::mat4(1.0f), 2.0f * draw.position);
    return glm::rotate(model, draw.angle, glm::vec3(0.0f, 0.0f, 1.0f));
}

std::vector<MeshDraw> draws_in_view(const std::vector<MeshDraw>& draws, const FrustumPlanes& planes) {
    return draws_of_actors_where(draws, [&](const glm::vec3& position) {
        return cube_in_frustum(planes, 2.0f * position, kCellHalfSize);
    });
}

std::vector<MeshBatch> batch_by_mesh(const std::vector<MeshDraw>& draws) {
    std::vector<MeshBatch> batches;
    for (const MeshDraw& d : draws) {
        MeshBatch* batch = nullptr;
        for (MeshBatch& b : batches) {
            if (b.mesh == d.mesh) batch = &b;
        }
        if (!batch) {
            batches.push_back(MeshBatch{d.mesh, {}});
            batch = &batches.back();
        }
        batch->models.push_back(model_matrix(d));
    }
    return batches;
}
