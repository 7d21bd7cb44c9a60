#pragma once
// A mesh as the OBJ loader returns it: one entry per triangle corner.
#include <glm/glm.hpp>

#include <vector>

struct MeshData {
    std::vector<glm::vec3> positions;
    std::vector<glm::vec2> uvs;
    std::vector<glm::vec3> normals;
};
