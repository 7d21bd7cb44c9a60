#pragma once
// Builds a second version of a program from the same shader files with one
// preprocessor name defined, so a cheaper path can skip work that a uniform
// branch would not skip on a software rasterizer (it runs both sides).
#include <cstdint>

// 0 when a file cannot be read or a shader does not compile or link; the
// messages go to standard output, like every loader's.
uint32_t load_shader_variant(const char* vertex_path, const char* fragment_path,
                             const char* define_name);
