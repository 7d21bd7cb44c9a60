// The shadow pass, the city pass and the mesh pass of the 3D scene.
#include <GL/glew.h>

#include <algorithm>
#include <utility>
#include <vector>

#include <glm/gtc/matrix_transform.hpp>
#include <glm/gtc/type_ptr.hpp>

#include "render/camera.h"
#include "render/city_culling.h"
#include "render/frame_picture.h"
#include "render/frustum.h"
#include "render/light.h"
#include "render/render_stats.h"
#include "render/renderer.h"
#include "world/city_grid.h"

RenderStats render_stats;

namespace {

constexpr float kCubeHalfSize = 1.0f;
constexpr GLsizei kCityStride = kFloatsPerCityVertex * sizeof(float);
constexpr GLuint kUVRectAttribute = 3;  // the city's texture rectangle per vertex

struct SceneMatrices {
    glm::mat4 view_projection;
    glm::mat4 depth_bias_view_projection;
};

bool valid_mesh(const Renderer& r, int32_t mesh) {
    return mesh >= 0 && size_t(mesh) < r.vertex_buffers.size();
}

void upload_matrix(int32_t location, const glm::mat4& m) {
    glUniformMatrix4fv(location, 1, GL_FALSE, glm::value_ptr(m));
}

// Textures, program, view, frustum, light and samplers: everything a scene
// draw needs before its vertices.
SceneMatrices begin_scene(const Renderer& r) {
    glActiveTexture(GL_TEXTURE0);
    glBindTexture(GL_TEXTURE_2D, r.block_texture);
    glActiveTexture(GL_TEXTURE1);
    glBindTexture(GL_TEXTURE_2D, r.depth_texture);
    glUseProgram(r.scene_program);

    SceneMatrices m;
    m.view_projection = projection_matrix * view_matrix;
    upload_matrix(r.view_location, view_matrix);
    frustum_planes = extract_frustum_planes(projection_matrix, view_matrix);

    glUniform3f(r.light_inv_direction_location, kLightInvDirection.x, kLightInvDirection.y,
                kLightInvDirection.z);
    m.depth_bias_view_projection = depth_bias_view_projection();
    glUniform1i(r.texture_location, 0);
    glUniform1i(r.shadow_map_location, 1);
    return m;
}

void bind_mesh_attributes(const Renderer& r, int32_t mesh) {
    glEnableVertexAttribArray(0);
    glBindBuffer(GL_ARRAY_BUFFER, r.vertex_buffers[size_t(mesh)]);
    glVertexAttribPointer(0, 3, GL_FLOAT, GL_FALSE, 0, nullptr);
    glEnableVertexAttribArray(1);
    glBindBuffer(GL_ARRAY_BUFFER, r.uv_buffers[size_t(mesh)]);
    glVertexAttribPointer(1, 2, GL_FLOAT, GL_FALSE, 0, nullptr);
    glEnableVertexAttribArray(2);
    glBindBuffer(GL_ARRAY_BUFFER, r.normal_buffers[size_t(mesh)]);
    glVertexAttribPointer(2, 3, GL_FLOAT, GL_FALSE, 0, nullptr);
    glVertexAttrib4f(kUVRectAttribute, 0.0f, 0.0f, 0.0f, 0.0f);  // uv addresses the block texture
}

void bind_city_attributes(uint32_t buffer) {
    glBindBuffer(GL_ARRAY_BUFFER, buffer);
    glEnableVertexAttribArray(0);
    glVertexAttribPointer(0, 3, GL_FLOAT, GL_FALSE, kCityStride, nullptr);
    glEnableVertexAttribArray(1);
    glVertexAttribPointer(1, 2, GL_FLOAT, GL_FALSE, kCityStride,
                          reinterpret_cast<const void*>(3 * sizeof(float)));
    glEnableVertexAttribArray(2);
    glVertexAttribPointer(2, 3, GL_FLOAT, GL_FALSE, kCityStride,
                          reinterpret_cast<const void*>(5 * sizeof(float)));
    glEnableVertexAttribArray(kUVRectAttribute);
    glVertexAttribPointer(kUVRectAttribute, 4, GL_FLOAT, GL_FALSE, kCityStride,
                          reinterpret_cast<const void*>(8 * sizeof(float)));
}

void disable_attributes() {
    glDisableVertexAttribArray(0);
    glDisableVertexAttribArray(1);
    glDisableVertexAttribArray(2);
    glDisableVertexAttribArray(kUVRectAttribute);
    glVertexAttrib4f(kUVRectAttribute, 0.0f, 0.0f, 0.0f, 0.0f);
}

void begin_shadow_pass(const Renderer& r) {
    glBindFramebuffer(GL_FRAMEBUFFER, r.shadow_framebuffer);
    glViewport(0, 0, GLsizei(r.screen_width), GLsizei(r.screen_width));
    glEnable(GL_CULL_FACE);
    glCullFace(GL_BACK);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glUseProgram(r.depth_program);
}

void end_shadow_pass() {
    glDisableVertexAttribArray(0);
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
    use_picture_viewport();
}

void draw_triangles(int32_t first, int32_t count) {
    if (count <= 0) return;
    glDrawArrays(GL_TRIANGLES, first, count);
    count_draw(count);
}

// Many ranges of the bound buffer, in the given order, with one call and
// one state set-up.
void draw_ranges(const std::vector<DrawRun>& ranges) {
    std::vector<GLint> firsts;
    std::vector<GLsizei> counts;
    int64_t vertices = 0;
    for (const DrawRun& r : ranges) {
        if (r.count <= 0) continue;
        firsts.push_back(r.first);
        counts.push_back(r.count);
        vertices += r.count;
    }
    if (firsts.empty()) return;
    glMultiDrawArrays(GL_TRIANGLES, firsts.data(), counts.data(), GLsizei(firsts.size()));
    count_draw(vertices, int64_t(firsts.size()));
}

// The cube cells in the order the one-cube-per-call passes visit them.
template <typename Visit>
void for_each_city_cube(const CityGrid& city, Visit visit) {
    for (int i = 0; i < kFloorSide; ++i) {
        for (int j = 0; j < kFloorSide; ++j) visit(i, j, 0);
    }
    for (int k = 1; k < int(city.upper_layer_count) - 2; ++k) {
        for (int j = 0; j < int(city.row_count); ++j) {
            for (int i = 0; i < int(city.column_count); ++i) {
                if (cell_at(city, i, j, k) == CellBlock) visit(i, j, k);
            }
        }
    }
}

}  // namespace

void Renderer::render_shadow_map(const CityGrid& city, int32_t cube_mesh) {
    build_city(city, cube_mesh);
    begin_shadow_pass(*this);
    upload_matrix(depth_mvp_location, depth_view_projection());
    glBindBuffer(GL_ARRAY_BUFFER, city_buffer);
    glEnableVertexAttribArray(0);
    glVertexAttribPointer(0, 3, GL_FLOAT, GL_FALSE, kCityStride, nullptr);
    draw_triangles(0, city_vertex_count);
    end_shadow_pass();
}

void Renderer::draw_city(const CityGrid& city, int32_t cube_mesh) {
    build_city(city, cube_mesh);
    SceneMatrices m = begin_scene(*this);
    // Merged faces address the repeating copy of the cube side in cell units.
    if (city_texture != 0) {
        glActiveTexture(GL_TEXTURE0);
        glBindTexture(GL_TEXTURE_2D, city_texture);
    }
    bind_city_attributes(city_buffer);
    // The city buffer is already in world space.
    upload_matrix(mvp_location, m.view_projection);
    upload_matrix(model_location, glm::mat4(1.0f));
    upload_matrix(depth_bias_mvp_location, m.depth_bias_view_projection);
    ViewFacing facing = view_facing(projection_matrix, view_matrix);
    // Sides turned from the light go to the program without the shadow lookup.
    uint32_t turned = unlit_program != 0 ? faces_turned_from_light(kLightInvDirection) : 0;
    if (turned != 0) {
        glUseProgram(unlit_program);
        upload_matrix(unlit_mvp_location, m.view_projection);
        upload_matrix(unlit_view_location, view_matrix);
        upload_matrix(unlit_model_location, glm::mat4(1.0f));
        glUniform1i(unlit_texture_location, 0);
        glUniform3f(unlit_light_location, kLightInvDirection.x, kLightInvDirection.y,
                    kLightInvDirection.z);
    }
    // Blocks, then the floor, each nearest first: what is hidden then fails
    // the depth test before it is shaded. Seen from above the street, the
    // floor hides no block, while blocks hide much of the floor. Of the two
    // programs, the one with the nearer geometry draws first.
    for (int32_t type : {kCityTypeBlock, kCityTypeFloor}) {
        std::vector<DrawRun> lit = city_visible_ranges(city_ranges, type, frustum_planes, facing,
                                                       kAllCityFaces & ~turned);
        std::vector<DrawRun> dark =
            city_visible_ranges(city_ranges, type, frustum_planes, facing, turned);
        bool dark_first = !dark.empty() && (lit.empty() || dark[0].nearest < lit[0].nearest);
        for (bool unlit : {dark_first, !dark_first}) {
            const std::vector<DrawRun>& ranges = unlit ? dark : lit;
            if (ranges.empty()) continue;
            glUseProgram(unlit ? unlit_program : scene_program);
            glUniform1i(unlit ? unlit_type_object_location : type_object_location, type);
            draw_ranges(ranges);
        }
    }
    glUseProgram(scene_program);
    draw_near_cut(city, cube_mesh);
    disable_attributes();
    glActiveTexture(GL_TEXTURE0);
    glBindTexture(GL_TEXTURE_2D, block_texture);
}

void Renderer::draw_near_cut(const CityGrid& city, int32_t cube_mesh) {
    if (!valid_mesh(*this, cube_mesh)) return;
    CityMesh cut = near_cut_faces(city, meshes[size_t(cube_mesh)], projection_matrix * view_matrix);
    if (cut.ranges.empty()) return;
    if (near_cut_buffer == 0) glGenBuffers(1, &near_cut_buffer);
    glBindBuffer(GL_ARRAY_BUFFER, near_cut_buffer);
    glBufferData(GL_ARRAY_BUFFER, GLsizeiptr(cut.vertices.size() * sizeof(float)),
                 cut.vertices.data(), GL_STREAM_DRAW);
    bind_city_attributes(near_cut_buffer);
    for (const CityRange& range : cut.ranges) {
        glUniform1i(type_object_location, range.type_object);
        draw_triangles(range.first, range.count);
    }
}

void Renderer::draw_city_per_cube(const CityGrid& city, int32_t cube_mesh) {
    if (!valid_mesh(*this, cube_mesh)) return;
    SceneMatrices m = begin_scene(*this);
    bind_mesh_attributes(*this, cube_mesh);
    int32_t count = vertex_counts[size_t(cube_mesh)];
    int32_t current_type = -1;
    for_each_city_cube(city, [&](int i, int j, int k) {
        int32_t type = k == 0 ? kCityTypeFloor : kCityTypeBlock;
        if (type != current_type) {
            glUniform1i(type_object_location, type);
            current_type = type;
        }
        glm::vec3 centre(2.0f * i, 2.0f * j, 2.0f * k);
        if (!cube_in_frustum(frustum_planes, centre, kCubeHalfSize)) return;
        glm::mat4 model = glm::translate(glm::mat4(1.0f), centre);
        upload_matrix(mvp_location, m.view_projection * model);
        upload_matrix(model_location, model);
        upload_matrix(depth_bias_mvp_location, m.depth_bias_view_projection * model);
        draw_triangles(0, count);
    });
    disable_attributes();
}

void Renderer::draw_mesh(const glm::vec3& position, float angle, int32_t mesh) {
    if (!valid_mesh(*this, mesh)) return;
    SceneMatrices m = begin_scene(*this);
    bind_mesh_attributes(*this, mesh);
    glUniform1i(type_object_location, kTypeObjectMesh);
    glm::vec3 centre = 2.0f * position;
    if (cube_in_frustum(frustum_planes, centre, kCubeHalfSize)) {
        glm::mat4 model = glm::translate(glm::mat4(1.0f), centre);
        model = glm::rotate(model, angle, glm::vec3(0.0f, 0.0f, 1.0f));
        upload_matrix(mvp_location, m.view_projection * model);
        upload_matrix(model_location, model);
        upload_matrix(depth_bias_mvp_location, m.depth_bias_view_projection * model);
        draw_triangles(0, vertex_counts[size_t(mesh)]);
    }
    disable_attributes();
}
