#include "render/text_overlay.h"

#include <GL/glew.h>

#include <cstring>

#include "render/loaders.h"

namespace {
constexpr int32_t kGlyphsPerRow = 16;
constexpr float kGlyphCell = 1.0f / kGlyphsPerRow;

void push(std::vector<float>& list, float a, float b) {
    list.push_back(a);
    list.push_back(b);
}

void set_blend(int32_t blend_mode) {
    switch (blend_mode) {
    case TextBlendAdd: glBlendFunc(GL_ONE, GL_ONE_MINUS_SRC_ALPHA); break;
    case TextBlendStencil: glBlendFunc(GL_ZERO, GL_SRC_ALPHA); break;
    default: glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA); break;
    }
}
}  // namespace

void init_text_overlay(TextOverlay& t, const char* font_path) {
    t.text_font_texture = load_dds_texture(font_path);
    glGenBuffers(1, &t.text_vertex_buffer);
    glGenBuffers(1, &t.text_uv_buffer);
    t.text_program =
        load_shader_program("shaders/TextVertexShader.vsh", "shaders/TextVertexShader.fsh");
    t.text_sampler_location = glGetUniformLocation(t.text_program, "myTextureSampler");
    t.text_colour_location = glGetUniformLocation(t.text_program, "colorText");
}

// Bytes above 127 are taken as unsigned here, so they address the lower half
// of the glyph grid instead of falling outside the texture.
TextQuads build_text_quads(const char* text, int32_t x, int32_t y, int32_t size) {
    TextQuads quads;
    const size_t length = std::strlen(text);
    const float top = float(kTextFlip - y);
    const float bottom = float(kTextFlip - y - size);
    for (size_t i = 0; i < length; ++i) {
        const float left = float(uint32_t(x) + uint32_t(i) * uint32_t(size));
        const float right = left + float(size);
        push(quads.positions, left, top);
        push(quads.positions, left, bottom);
        push(quads.positions, right, top);
        push(quads.positions, right, bottom);
        push(quads.positions, right, top);
        push(quads.positions, left, bottom);

        const int32_t code = static_cast<unsigned char>(text[i]);
        const float u = float(code % kGlyphsPerRow) / kGlyphsPerRow;
        const float v = float(code / kGlyphsPerRow) / kGlyphsPerRow;
        push(quads.uvs, u, v);
        push(quads.uvs, u, v + kGlyphCell);
        push(quads.uvs, u + kGlyphCell, v);
        push(quads.uvs, u + kGlyphCell, v + kGlyphCell);
        push(quads.uvs, u + kGlyphCell, v);
        push(quads.uvs, u, v + kGlyphCell);
    }
    return quads;
}

void print_text_blended(const TextOverlay& t, const char* text, int32_t x, int32_t y,
                        int32_t size, float r, float g, float b, int32_t blend_mode) {
    TextQuads quads = build_text_quads(text, x, y, size);
    glBindBuffer(GL_ARRAY_BUFFER, t.text_vertex_buffer);
    glBufferData(GL_ARRAY_BUFFER, GLsizeiptr(quads.positions.size() * sizeof(float)),
                 quads.positions.data(), GL_STATIC_DRAW);
    glBindBuffer(GL_ARRAY_BUFFER, t.text_uv_buffer);
    glBufferData(GL_ARRAY_BUFFER, GLsizeiptr(quads.uvs.size() * sizeof(float)), quads.uvs.data(),
                 GL_STATIC_DRAW);

    glUseProgram(t.text_program);
    glActiveTexture(GL_TEXTURE0);
    glBindTexture(GL_TEXTURE_2D, t.text_font_texture);
    glUniform4f(t.text_colour_location, r, g, b, 1.0f);
    glUniform1i(t.text_sampler_location, 0);

    glEnableVertexAttribArray(0);
    glBindBuffer(GL_ARRAY_BUFFER, t.text_vertex_buffer);
    glVertexAttribPointer(0, 2, GL_FLOAT, GL_FALSE, 0, nullptr);
    glEnableVertexAttribArray(1);
    glBindBuffer(GL_ARRAY_BUFFER, t.text_uv_buffer);
    glVertexAttribPointer(1, 2, GL_FLOAT, GL_FALSE, 0, nullptr);

    glEnable(GL_BLEND);
    set_blend(blend_mode);
    glDrawArrays(GL_TRIANGLES, 0, GLsizei(quads.positions.size() / 2));
    glDisable(GL_BLEND);
    glDisableVertexAttribArray(0);
    glDisableVertexAttribArray(1);
}

void print_text(const TextOverlay& t, const char* text, int32_t x, int32_t y, int32_t size,
                float r, float g, float b) {
    print_text_blended(t, text, x, y, size, r, g, b, TextBlendAlpha);
}

void release_text_overlay(TextOverlay& t) {
    glDeleteBuffers(1, &t.text_vertex_buffer);
    glDeleteBuffers(1, &t.text_uv_buffer);
    glDeleteTextures(1, &t.text_font_texture);
    glDeleteProgram(t.text_program);
    t = TextOverlay{};
}
