#include "render/renderer.h"

#include <GL/glew.h>

#include <algorithm>
#include <cmath>
#include <utility>

#include "render/city_merge.h"
#include "render/loaders.h"
#include "render/shader_variant.h"

namespace {

// The city covers most of the screen, and on a software rasterizer blending
// two mip levels per pixel costs about a tenth of a first-person frame; one
// level per pixel shows no visible step on the repeating bricks (the
// characters keep the full blend).
constexpr GLint kCityMinFilter = GL_LINEAR_MIPMAP_NEAREST;

template <typename T>
uint32_t upload_static(const std::vector<T>& data) {
    GLuint buffer = 0;
    glGenBuffers(1, &buffer);
    glBindBuffer(GL_ARRAY_BUFFER, buffer);
    glBufferData(GL_ARRAY_BUFFER, GLsizeiptr(data.size() * sizeof(T)),
                 data.empty() ? nullptr : data.data(), GL_STATIC_DRAW);
    return buffer;
}

SceneUniforms find_scene_uniforms(uint32_t program) {
    SceneUniforms u;
    u.mvp = glGetUniformLocation(program, "MVP");
    u.view = glGetUniformLocation(program, "V");
    u.model = glGetUniformLocation(program, "M");
    u.texture = glGetUniformLocation(program, "Texture1");
    u.type_object = glGetUniformLocation(program, "TypeObject");
    u.depth_bias_mvp = glGetUniformLocation(program, "DepthBiasMVP");
    u.shadow_map = glGetUniformLocation(program, "shadowMap");
    u.light_inv_direction = glGetUniformLocation(program, "LightInvDirection_worldspace");
    return u;
}

// The shadow pass's program, and the depth texture it renders into behind a
// framebuffer of its own.
void make_shadow_map(Renderer& r, float width) {
    r.depth_program = load_shader_program(kDepthVertexShader, kDepthFragmentShader);
    r.depth_mvp_location = glGetUniformLocation(r.depth_program, "depthMVP");

    glGenFramebuffers(1, &r.shadow_framebuffer);
    glBindFramebuffer(GL_FRAMEBUFFER, r.shadow_framebuffer);

    // The shadow map is square, both sides taken from the screen width.
    glGenTextures(1, &r.depth_texture);
    glBindTexture(GL_TEXTURE_2D, r.depth_texture);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_DEPTH_COMPONENT24, GLsizei(width), GLsizei(width), 0,
                 GL_DEPTH_COMPONENT, GL_FLOAT, nullptr);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_COMPARE_FUNC, GL_LEQUAL);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_COMPARE_MODE, GL_COMPARE_REF_TO_TEXTURE);

    glFramebufferTexture(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, r.depth_texture, 0);
    glDrawBuffer(GL_NONE);
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
}

}  // namespace

uint32_t expand_to_rgba8(uint32_t texture) {
    if (texture == 0) return 0;
    glBindTexture(GL_TEXTURE_2D, texture);
    GLint compressed = GL_FALSE;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_COMPRESSED, &compressed);
    if (compressed != GL_TRUE) return texture;
    std::vector<std::vector<unsigned char>> levels;
    std::vector<std::pair<GLint, GLint>> sizes;
    for (GLint level = 0;; ++level) {
        GLint w = 0, h = 0;
        glGetTexLevelParameteriv(GL_TEXTURE_2D, level, GL_TEXTURE_WIDTH, &w);
        glGetTexLevelParameteriv(GL_TEXTURE_2D, level, GL_TEXTURE_HEIGHT, &h);
        if (w <= 0 || h <= 0) break;
        levels.emplace_back(size_t(w) * size_t(h) * 4);
        sizes.push_back({w, h});
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glGetTexImage(GL_TEXTURE_2D, level, GL_RGBA, GL_UNSIGNED_BYTE, levels.back().data());
        if (w == 1 && h == 1) break;
    }
    GLuint expanded = 0;
    glGenTextures(1, &expanded);
    glBindTexture(GL_TEXTURE_2D, expanded);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    for (size_t level = 0; level < levels.size(); ++level) {
        glTexImage2D(GL_TEXTURE_2D, GLint(level), GL_RGBA8, sizes[level].first, sizes[level].second,
                     0, GL_RGBA, GL_UNSIGNED_BYTE, levels[level].data());
    }
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAX_LEVEL, GLint(levels.size()) - 1);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_LINEAR);
    glDeleteTextures(1, &texture);
    return expanded;
}

uint32_t cut_repeating_texture(uint32_t atlas, const glm::vec4& rect) {
    if (atlas == 0 || !(rect.z > 0.0f) || !(rect.w > 0.0f)) return 0;
    for (int i = 0; i < 4; ++i) {
        if (!(std::fabs(rect[i]) <= kLargestRepeatCoordinate)) return 0;
    }
    glBindTexture(GL_TEXTURE_2D, atlas);
    GLint w = 0, h = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &w);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &h);
    if (w <= 0 || h <= 0) return 0;
    std::vector<unsigned char> texels(size_t(w) * size_t(h) * 4);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, texels.data());
    // The texels whose centres the rectangle holds (its edges usually sit
    // half a texel inside, so the cube's own sides never bleed neighbours).
    // The atlas repeats, so the rectangle may lie outside 0..1 (the model
    // loader turns v negative); texel indices wrap the same way.
    auto span = [](float lo, float size, GLint extent) {
        int first = int(std::floor(lo * float(extent)));
        int end = int(std::ceil((lo + size) * float(extent)));
        return std::pair<int, int>(first, std::clamp(end - first, 1, int(extent)));
    };
    auto wrap = [](int i, int extent) { return ((i % extent) + extent) % extent; };
    auto [x0, cut_w] = span(rect.x, rect.z, w);
    auto [y0, cut_h] = span(rect.y, rect.w, h);
    std::vector<unsigned char> cut(size_t(cut_w) * size_t(cut_h) * 4);
    for (int y = 0; y < cut_h; ++y) {
        for (int x = 0; x < cut_w; ++x) {
            size_t from = (size_t(wrap(y0 + y, h)) * size_t(w) + size_t(wrap(x0 + x, w))) * 4;
            std::copy_n(texels.data() + from, 4, cut.data() + (size_t(y) * size_t(cut_w) + x) * 4);
        }
    }
    GLuint texture = 0;
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, cut_w, cut_h, 0, GL_RGBA, GL_UNSIGNED_BYTE,
                 cut.data());
    glGenerateMipmap(GL_TEXTURE_2D);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, kCityMinFilter);
    return texture;
}

void Renderer::init(float width, float height) {
    screen_width = width;
    screen_height = height;
    glGenVertexArrays(1, &vertex_array);
    glBindVertexArray(vertex_array);

    scene_program = shadows ? load_shader_program(kSceneVertexShader, kSceneFragmentShader)
                            : load_shader_variant(kSceneVertexShader, kSceneFragmentShader,
                                                  kNoShadowLookupDefine);
    scene_uniforms = find_scene_uniforms(scene_program);
    if (shadows) {
        unlit_program = load_shader_variant(kSceneVertexShader, kSceneFragmentShader,
                                            kNoShadowLookupDefine);
    }
    if (unlit_program != 0) unlit_uniforms = find_scene_uniforms(unlit_program);

    effect_program = load_shader_program(kEffectVertexShader, kEffectFragmentShader);
    effect_vp_location = glGetUniformLocation(effect_program, "VP");

    block_texture = expand_to_rgba8(load_dds_texture(kBlockTexture));
    // Without shadows nothing renders or reads a shadow map.
    if (!shadows) return;

    make_shadow_map(*this, width);
}

int32_t Renderer::add_mesh(const char* path) {
    MeshData mesh;
    // A model that fails to load still takes a handle, as an empty mesh.
    (void)load_obj(path, mesh.positions, mesh.uvs, mesh.normals);
    vertex_buffers.push_back(upload_static(mesh.positions));
    uv_buffers.push_back(upload_static(mesh.uvs));
    normal_buffers.push_back(upload_static(mesh.normals));
    vertex_counts.push_back(int32_t(mesh.positions.size()));
    meshes.push_back(std::move(mesh));
    return int32_t(vertex_buffers.size()) - 1;
}

void Renderer::release() {
    for (size_t i = 0; i < vertex_buffers.size(); ++i) {
        glDeleteBuffers(1, &vertex_buffers[i]);
        glDeleteBuffers(1, &uv_buffers[i]);
        glDeleteBuffers(1, &normal_buffers[i]);
    }
    glDeleteProgram(scene_program);
    if (unlit_program != 0) glDeleteProgram(unlit_program);
    unlit_program = 0;
    glDeleteProgram(depth_program);
    glDeleteProgram(effect_program);
    effect_program = 0;
    if (effect_buffer != 0) glDeleteBuffers(1, &effect_buffer);
    effect_buffer = 0;
    glDeleteTextures(1, &block_texture);
    if (city_texture != 0) glDeleteTextures(1, &city_texture);
    city_texture = 0;
    glDeleteFramebuffers(1, &shadow_framebuffer);
    glDeleteTextures(1, &depth_texture);
    if (city_buffer != 0) glDeleteBuffers(1, &city_buffer);
    if (near_cut_buffer != 0) glDeleteBuffers(1, &near_cut_buffer);
    if (instance_buffer != 0) glDeleteBuffers(1, &instance_buffer);
    city_buffer = 0;
    near_cut_buffer = 0;
    instance_buffer = 0;
    city_source = nullptr;
    glDeleteVertexArrays(1, &vertex_array);
    vertex_array = 0;
}

void Renderer::build_city(const CityGrid& city, int32_t cube_mesh) {
    if (city_buffer != 0 && city_source == &city && city_cube_mesh == cube_mesh) return;
    static const MeshData kNoMesh;
    bool known = cube_mesh >= 0 && size_t(cube_mesh) < meshes.size();
    CityMesh mesh = build_city_mesh(city, known ? meshes[size_t(cube_mesh)] : kNoMesh);
    if (city_buffer != 0) glDeleteBuffers(1, &city_buffer);
    city_buffer = upload_static(mesh.vertices);
    if (city_texture != 0) glDeleteTextures(1, &city_texture);
    city_texture = cut_repeating_texture(block_texture, mesh.repeat_rect);
    city_ranges = std::move(mesh.ranges);
    city_vertex_count = mesh.vertex_count();
    city_source = &city;
    city_cube_mesh = cube_mesh;
}
