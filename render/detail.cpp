#include "render/detail.h"

#include <limits>

#include "render/mesh_handles.h"

float cell_span_pixels(const FrameView& view, float picture_height, const glm::vec3& position) {
    glm::vec4 clip = view.projection * view.view * glm::vec4(2.0f * position, 1.0f);
    if (!(clip.w > 0.0f)) return std::numeric_limits<float>::infinity();
    // Normalised height per world unit is projection[1][1] / w; the picture
    // is 2 of those high and the cell 2 units.
    return view.projection[1][1] * picture_height / clip.w;
}

std::vector<int32_t> loaded_far_twins(const std::vector<int32_t>& vertex_counts) {
    std::vector<int32_t> twin(vertex_counts.size(), -1);
    auto loaded = [&](int32_t mesh) {
        return mesh >= 0 && size_t(mesh) < vertex_counts.size() && vertex_counts[size_t(mesh)] > 0;
    };
    for (const FarTwin& t : kFarTwins) {
        if (loaded(t.mesh) && loaded(t.far)) twin[size_t(t.mesh)] = t.far;
    }
    return twin;
}

std::vector<MeshDraw> draws_at_detail(const std::vector<MeshDraw>& draws, const FrameView& view,
                                      float picture_height, const std::vector<int32_t>& far_twin) {
    std::vector<bool> far = answer_per_actor(draws, [&](const glm::vec3& position) {
        return cell_span_pixels(view, picture_height, position) < kFarDetailPixels;
    });
    std::vector<MeshDraw> out = draws;
    for (size_t i = 0; i < out.size(); ++i) {
        int32_t mesh = out[i].mesh;
        if (far[i] && mesh >= 0 && size_t(mesh) < far_twin.size() && far_twin[size_t(mesh)] >= 0) {
            out[i].mesh = far_twin[size_t(mesh)];
        }
    }
    return out;
}
