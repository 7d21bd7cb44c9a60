#pragma once
// Start-up loaders for the three asset kinds: OBJ meshes, GLSL programs and
// block-compressed DDS textures. They report on standard output and hand
// back a failure value (false, 0) that the callers carry on with.
#include <glm/glm.hpp>

#include <cstdint>
#include <vector>

// Appends one entry per triangle corner to the three lists, in face order.
// On any failure the lists are left exactly as they were.
bool load_obj(const char* path, std::vector<glm::vec3>& positions,
              std::vector<glm::vec2>& uvs, std::vector<glm::vec3>& normals);

// Compiles and links; returns the program even when compiling or linking
// failed (the log is printed), 0 only when the vertex file cannot be opened.
uint32_t load_shader_program(const char* vertex_path, const char* fragment_path);

// Returns a bound 2D texture with mipmaps, or 0.
uint32_t load_dds_texture(const char* path);

// DDS pixel formats we accept, as their little-endian FourCC codes.
constexpr uint32_t kFourCcDxt1 = 0x31545844;
constexpr uint32_t kFourCcDxt3 = 0x33545844;
constexpr uint32_t kFourCcDxt5 = 0x35545844;

// Byte sizes of the mip levels to upload: one whole block per 4 x 4 pixels
// (at least one per axis), halving down to 1 pixel. Only levels that lie
// wholly within `available` bytes are listed, so the upload never reads
// past the data that came from the file.
std::vector<uint32_t> dds_level_sizes(uint32_t width, uint32_t height, uint32_t mip_count,
                                      uint32_t block_size, uint64_t available);
