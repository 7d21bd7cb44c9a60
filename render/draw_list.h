#pragma once
// The frame's mesh draws as plain data: which mesh, where (cells) and turned
// how far about z. The scene builds the list; the renderer culls it per
// actor and groups it by mesh, all before any OpenGL call, then draws each
// group with one call. Tests read the list without drawing.
#include <glm/glm.hpp>

#include <cstdint>
#include <vector>

#include "render/frustum.h"

struct MeshDraw {
    int32_t mesh = 0;
    glm::vec3 position{0.0f};  // cell units, doubled when drawn
    float angle = 0.0f;        // radians about the world z axis
};

// Translation to twice the position, then the turn about z.
glm::mat4 model_matrix(const MeshDraw& draw);

// For each draw, `test(position)` of its actor. The parts of one actor share
// its position, so the test runs once per run of equal positions.
template <typename Test>
std::vector<bool> answer_per_actor(const std::vector<MeshDraw>& draws, Test test) {
    std::vector<bool> answers;
    answers.reserve(draws.size());
    bool asked = false, answer = false;
    glm::vec3 last(0.0f);
    for (const MeshDraw& d : draws) {
        if (!asked || d.position != last) {
            answer = test(d.position);
            last = d.position;
            asked = true;
        }
        answers.push_back(answer);
    }
    return answers;
}

// The draws of the actors for which `test(position)` holds, in list order.
template <typename Test>
std::vector<MeshDraw> draws_of_actors_where(const std::vector<MeshDraw>& draws, Test test) {
    std::vector<bool> keep = answer_per_actor(draws, test);
    std::vector<MeshDraw> kept;
    for (size_t i = 0; i < draws.size(); ++i) {
        if (keep[i]) kept.push_back(draws[i]);
    }
    return kept;
}

// The draws whose cell cube (centre twice the position, half-size 1) is in
// the frustum, in list order; one test per actor.
std::vector<MeshDraw> draws_in_view(const std::vector<MeshDraw>& draws, const FrustumPlanes& planes);

struct MeshBatch {
    int32_t mesh = 0;
    std::vector<glm::mat4> models;  // in list order
};

// One batch per mesh, in the order each mesh first appears in the list.
std::vector<MeshBatch> batch_by_mesh(const std::vector<MeshDraw>& draws);
