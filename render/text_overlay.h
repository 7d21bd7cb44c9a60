#pragma once
// Bitmap-font text over the frame: one textured square per byte, from a
// 16 x 16 glyph grid. Positions are text coordinates: x to the right, y down
// from the top of a 588-unit-high space (flipped to y' = 588 - y inside).
#include <cstdint>
#include <vector>

constexpr int32_t kTextFlip = 588;

enum TextBlend : int32_t { TextBlendAlpha = 0, TextBlendAdd = 1, TextBlendStencil = 2 };

// The overlay's OpenGL objects: made by init_text_overlay once the context
// exists, released by release_text_overlay; every print draws with them.
struct TextOverlay {
    uint32_t text_font_texture = 0;
    uint32_t text_vertex_buffer = 0;
    uint32_t text_uv_buffer = 0;
    uint32_t text_program = 0;
    int32_t text_sampler_location = -1;
    int32_t text_colour_location = -1;
};

void init_text_overlay(TextOverlay& overlay, const char* font_path);
void print_text_blended(const TextOverlay& overlay, const char* text, int32_t x, int32_t y,
                        int32_t size, float r, float g, float b, int32_t blend_mode);
void print_text(const TextOverlay& overlay, const char* text, int32_t x, int32_t y, int32_t size,
                float r, float g, float b);
void release_text_overlay(TextOverlay& overlay);

// The two triangles of every glyph: positions (x, y') and texture
// coordinates, two floats per vertex, six vertices per byte.
struct TextQuads {
    std::vector<float> positions;
    std::vector<float> uvs;
};
TextQuads build_text_quads(const char* text, int32_t x, int32_t y, int32_t size);
