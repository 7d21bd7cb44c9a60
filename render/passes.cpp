// The shadow pass, the city pass and the mesh pass of the 3D scene. Each
// frame's passes take the frame's view; the mesh pass draws a list of mesh
// draws with the scene state set once and one instanced call per mesh.
#include <GL/glew.h>

#include <algorithm>
#include <utility>
#include <vector>

#include <glm/gtc/matrix_transform.hpp>
#include <glm/gtc/type_ptr.hpp>

#include "render/city_culling.h"
#include "render/frustum.h"
#include "render/light.h"
#include "render/renderer.h"
#include "world/city_grid.h"

namespace {

constexpr float kCubeHalfSize = 1.0f;
constexpr GLsizei kCityStride = kFloatsPerCityVertex * sizeof(float);
constexpr GLuint kUVRectAttribute = 3;  // the city's texture rectangle per vertex
constexpr GLuint kModelAttribute = 4;   // an instance's model matrix, one column in each of 4..7
constexpr GLuint kMatrixColumns = 4;

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

// Disabled, the model attribute reads its constant value, the identity: all
// that is not drawn instanced is placed by the uniforms alone.
void reset_model_attribute() {
    for (GLuint c = 0; c < kMatrixColumns; ++c) {
        glDisableVertexAttribArray(kModelAttribute + c);
        glVertexAttribDivisor(kModelAttribute + c, 0);
        glVertexAttrib4f(kModelAttribute + c, c == 0, c == 1, c == 2, c == 3);
    }
}

// Model matrices from `first` on in the bound buffer, one per instance.
void point_model_attribute(size_t first) {
    for (GLuint c = 0; c < kMatrixColumns; ++c) {
        glEnableVertexAttribArray(kModelAttribute + c);
        glVertexAttribPointer(kModelAttribute + c, 4, GL_FLOAT, GL_FALSE, sizeof(glm::mat4),
                              reinterpret_cast<const void*>(first * sizeof(glm::mat4) +
                                                            c * sizeof(glm::vec4)));
        glVertexAttribDivisor(kModelAttribute + c, 1);
    }
}

// The eye, the light and the samplers' units, for the program in use.
void upload_frame_uniforms(const SceneUniforms& u, const FrameView& view) {
    upload_matrix(u.view, view.view);
    glUniform3f(u.light_inv_direction, kLightInvDirection.x, kLightInvDirection.y,
                kLightInvDirection.z);
    glUniform1i(u.texture, 0);
    glUniform1i(u.shadow_map, 1);
}

// Where the next geometry lies: `model` places it in the world (the
// identity for what is already there, the city and instanced meshes).
void upload_placement(const SceneUniforms& u, const SceneMatrices& m, const glm::mat4& model) {
    upload_matrix(u.mvp, m.view_projection * model);
    upload_matrix(u.model, model);
    upload_matrix(u.depth_bias_mvp, m.depth_bias_view_projection * model);
}

// Textures, program, view, light and samplers: everything a scene draw
// needs before its vertices, once per pass.
SceneMatrices begin_scene(const Renderer& r, const FrameView& view) {
    glActiveTexture(GL_TEXTURE0);
    glBindTexture(GL_TEXTURE_2D, r.block_texture);
    glActiveTexture(GL_TEXTURE1);
    glBindTexture(GL_TEXTURE_2D, r.depth_texture);
    glUseProgram(r.scene_program);
    reset_model_attribute();
    upload_frame_uniforms(r.scene_uniforms, view);
    return {view.projection * view.view, depth_bias_view_projection()};
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

// The viewport the frame had is kept to be put back afterwards: the shadow
// map has its own square one.
struct SavedViewport {
    GLint box[4] = {0, 0, 0, 0};
};

SavedViewport begin_shadow_pass(const Renderer& r) {
    SavedViewport saved;
    glGetIntegerv(GL_VIEWPORT, saved.box);
    glBindFramebuffer(GL_FRAMEBUFFER, r.shadow_framebuffer);
    glViewport(0, 0, GLsizei(r.screen_width), GLsizei(r.screen_width));
    glEnable(GL_CULL_FACE);
    glCullFace(GL_BACK);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glUseProgram(r.depth_program);
    return saved;
}

void end_shadow_pass(const SavedViewport& saved) {
    glDisableVertexAttribArray(0);
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
    glViewport(saved.box[0], saved.box[1], saved.box[2], saved.box[3]);
}

void draw_triangles(RenderStats& stats, int32_t first, int32_t count) {
    if (count <= 0) return;
    glDrawArrays(GL_TRIANGLES, first, count);
    count_draw(stats, count);
}

// Many ranges of the bound buffer, in the given order, with one call and
// one state set-up.
void draw_ranges(RenderStats& stats, const std::vector<DrawRun>& ranges) {
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
    count_draw(stats, vertices, int64_t(firsts.size()));
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
    if (!shadows) return;
    const SavedViewport saved = begin_shadow_pass(*this);
    upload_matrix(depth_mvp_location, depth_view_projection());
    glBindBuffer(GL_ARRAY_BUFFER, city_buffer);
    glEnableVertexAttribArray(0);
    glVertexAttribPointer(0, 3, GL_FLOAT, GL_FALSE, kCityStride, nullptr);
    draw_triangles(stats, 0, city_vertex_count);
    end_shadow_pass(saved);
}

void Renderer::draw_city(const CityGrid& city, int32_t cube_mesh, const FrameView& view) {
    build_city(city, cube_mesh);
    SceneMatrices m = begin_scene(*this, view);
    // Merged faces address the repeating copy of the cube side in cell units.
    if (city_texture != 0) {
        glActiveTexture(GL_TEXTURE0);
        glBindTexture(GL_TEXTURE_2D, city_texture);
    }
    bind_city_attributes(city_buffer);
    // The city buffer is already in world space.
    upload_placement(scene_uniforms, m, glm::mat4(1.0f));
    ViewFacing facing = view_facing(view.projection, view.view);
    // Sides turned from the light go to the program without the shadow lookup.
    uint32_t turned = unlit_program != 0 ? faces_turned_from_light(kLightInvDirection) : 0;
    if (turned != 0) {
        glUseProgram(unlit_program);
        upload_frame_uniforms(unlit_uniforms, view);
        upload_placement(unlit_uniforms, m, glm::mat4(1.0f));
    }
    // Blocks, then the floor, each nearest first: what is hidden then fails
    // the depth test before it is shaded. Seen from above the street, the
    // floor hides no block, while blocks hide much of the floor. Of the two
    // programs, the one with the nearer geometry draws first.
    for (int32_t type : {kCityTypeBlock, kCityTypeFloor}) {
        std::vector<DrawRun> lit = city_visible_ranges(city_ranges, type, view.frustum, facing,
                                                       kAllCityFaces & ~turned);
        std::vector<DrawRun> dark =
            city_visible_ranges(city_ranges, type, view.frustum, facing, turned);
        bool dark_first = !dark.empty() && (lit.empty() || dark[0].nearest < lit[0].nearest);
        for (bool unlit : {dark_first, !dark_first}) {
            const std::vector<DrawRun>& ranges = unlit ? dark : lit;
            if (ranges.empty()) continue;
            glUseProgram(unlit ? unlit_program : scene_program);
            glUniform1i((unlit ? unlit_uniforms : scene_uniforms).type_object, type);
            draw_ranges(stats, ranges);
        }
    }
    glUseProgram(scene_program);
    draw_near_cut(city, cube_mesh, view);
    disable_attributes();
    glActiveTexture(GL_TEXTURE0);
    glBindTexture(GL_TEXTURE_2D, block_texture);
}

void Renderer::draw_near_cut(const CityGrid& city, int32_t cube_mesh, const FrameView& view) {
    if (!valid_mesh(*this, cube_mesh)) return;
    CityMesh cut = near_cut_faces(city, meshes[size_t(cube_mesh)], view.projection * view.view);
    if (cut.ranges.empty()) return;
    if (near_cut_buffer == 0) glGenBuffers(1, &near_cut_buffer);
    glBindBuffer(GL_ARRAY_BUFFER, near_cut_buffer);
    glBufferData(GL_ARRAY_BUFFER, GLsizeiptr(cut.vertices.size() * sizeof(float)),
                 cut.vertices.data(), GL_STREAM_DRAW);
    bind_city_attributes(near_cut_buffer);
    for (const CityRange& range : cut.ranges) {
        glUniform1i(scene_uniforms.type_object, range.type_object);
        draw_triangles(stats, range.first, range.count);
    }
}

void Renderer::draw_city_per_cube(const CityGrid& city, int32_t cube_mesh, const FrameView& view) {
    if (!valid_mesh(*this, cube_mesh)) return;
    SceneMatrices m = begin_scene(*this, view);
    bind_mesh_attributes(*this, cube_mesh);
    int32_t count = vertex_counts[size_t(cube_mesh)];
    int32_t current_type = -1;
    for_each_city_cube(city, [&](int i, int j, int k) {
        int32_t type = k == 0 ? kCityTypeFloor : kCityTypeBlock;
        if (type != current_type) {
            glUniform1i(scene_uniforms.type_object, type);
            current_type = type;
        }
        glm::vec3 centre(2.0f * i, 2.0f * j, 2.0f * k);
        if (!cube_in_frustum(view.frustum, centre, kCubeHalfSize)) return;
        glm::mat4 model = glm::translate(glm::mat4(1.0f), centre);
        upload_placement(scene_uniforms, m, model);
        draw_triangles(stats, 0, count);
    });
    disable_attributes();
}

void Renderer::draw_meshes(const FrameView& view, const std::vector<MeshDraw>& draws) {
    // Culled and grouped before any OpenGL call; one buffer of model
    // matrices, batch after batch.
    std::vector<MeshBatch> batches;
    std::vector<glm::mat4> models;
    for (MeshBatch& batch : batch_by_mesh(draws_in_view(draws, view.frustum))) {
        if (!valid_mesh(*this, batch.mesh) || vertex_counts[size_t(batch.mesh)] <= 0) continue;
        models.insert(models.end(), batch.models.begin(), batch.models.end());
        batches.push_back(std::move(batch));
    }
    if (batches.empty()) return;
    SceneMatrices m = begin_scene(*this, view);
    glUniform1i(scene_uniforms.type_object, kTypeObjectMesh);
    upload_placement(scene_uniforms, m, glm::mat4(1.0f));
    if (instance_buffer == 0) glGenBuffers(1, &instance_buffer);
    glBindBuffer(GL_ARRAY_BUFFER, instance_buffer);
    glBufferData(GL_ARRAY_BUFFER, GLsizeiptr(models.size() * sizeof(glm::mat4)), models.data(),
                 GL_STREAM_DRAW);
    size_t first = 0;
    for (const MeshBatch& batch : batches) {
        bind_mesh_attributes(*this, batch.mesh);
        glBindBuffer(GL_ARRAY_BUFFER, instance_buffer);
        point_model_attribute(first);
        int32_t count = vertex_counts[size_t(batch.mesh)];
        GLsizei instances = GLsizei(batch.models.size());
        glDrawArraysInstanced(GL_TRIANGLES, 0, count, instances);
        count_draw(stats, int64_t(count) * instances);
        first += batch.models.size();
    }
    disable_attributes();
    reset_model_attribute();
}

void Renderer::draw_meshes_one_by_one(const FrameView& view, const std::vector<MeshDraw>& draws) {
    SceneMatrices m = begin_scene(*this, view);
    glUniform1i(scene_uniforms.type_object, kTypeObjectMesh);
    for (const MeshDraw& draw : draws_in_view(draws, view.frustum)) {
        if (!valid_mesh(*this, draw.mesh)) continue;
        bind_mesh_attributes(*this, draw.mesh);
        glm::mat4 model = model_matrix(draw);
        upload_placement(scene_uniforms, m, model);
        draw_triangles(stats, 0, vertex_counts[size_t(draw.mesh)]);
    }
    disable_attributes();
}
