#pragma once
// Start-up loaders for the three asset kinds: OBJ meshes, GLSL programs and
// block-compressed DDS textures. They report on standard output and hand
// back a failure value (false, 0) that the callers carry on with.
#include <glm/glm.hpp>

#include <cstdint>
#include <vector>

#include "render/dds_file.h"

// Appends one entry per triangle corner to the three lists, in face order.
// On any failure the lists are left exactly as they were.
bool load_obj(const char* path, std::vector<glm::vec3>& positions,
              std::vector<glm::vec2>& uvs, std::vector<glm::vec3>& normals);

// Compiles and links; returns the program even when compiling or linking
// failed (the log is printed), 0 only when the vertex file cannot be opened.
uint32_t load_shader_program(const char* vertex_path, const char* fragment_path);

// Returns a bound 2D texture with mipmaps, or 0.
uint32_t load_dds_texture(const char* path);
