// The effects pass: the frame's effect triangles in one buffer, the blasts
// drawn in the scene's depth without writing it, then the bite flash over
// the picture, both blended as premultiplied colour.
#include <GL/glew.h>

#include <cstddef>
#include <utility>
#include <vector>

#include <glm/gtc/type_ptr.hpp>

#include "render/effect_mesh.h"
#include "render/render_stats.h"
#include "render/renderer.h"

namespace {
constexpr GLuint kPositionAttribute = 0;
constexpr GLuint kColourAttribute = 1;

void point_attributes() {
    glEnableVertexAttribArray(kPositionAttribute);
    glVertexAttribPointer(kPositionAttribute, 3, GL_FLOAT, GL_FALSE, sizeof(EffectVertex),
                          reinterpret_cast<const void*>(offsetof(EffectVertex, position)));
    glEnableVertexAttribArray(kColourAttribute);
    glVertexAttribPointer(kColourAttribute, 4, GL_FLOAT, GL_FALSE, sizeof(EffectVertex),
                          reinterpret_cast<const void*>(offsetof(EffectVertex, colour)));
}

void draw_range(RenderStats& stats, int32_t location, const glm::mat4& vp, size_t first,
                size_t count) {
    if (count == 0) return;
    glUniformMatrix4fv(location, 1, GL_FALSE, glm::value_ptr(vp));
    glDrawArrays(GL_TRIANGLES, GLint(first), GLsizei(count));
    count_draw(stats, int64_t(count));
}
}  // namespace

void Renderer::draw_effects(const FrameView& view, const EffectsPicture& picture) {
    EffectMesh mesh = effect_mesh(picture, view.view);
    if (effect_program == 0 || (mesh.world.empty() && mesh.screen.empty())) return;
    std::vector<EffectVertex> vertices = std::move(mesh.world);
    const size_t world_count = vertices.size();
    vertices.insert(vertices.end(), mesh.screen.begin(), mesh.screen.end());
    if (effect_buffer == 0) glGenBuffers(1, &effect_buffer);
    glBindBuffer(GL_ARRAY_BUFFER, effect_buffer);
    glBufferData(GL_ARRAY_BUFFER, GLsizeiptr(vertices.size() * sizeof(EffectVertex)),
                 vertices.data(), GL_STREAM_DRAW);
    glUseProgram(effect_program);
    point_attributes();

    // Glows are seen from both sides and do not hide one another.
    const GLboolean culling = glIsEnabled(GL_CULL_FACE);
    const GLboolean depth_test = glIsEnabled(GL_DEPTH_TEST);
    glDisable(GL_CULL_FACE);
    glDepthMask(GL_FALSE);
    glEnable(GL_BLEND);
    glBlendFunc(GL_ONE, GL_ONE_MINUS_SRC_ALPHA);
    draw_range(stats, effect_vp_location, view.projection * view.view, 0, world_count);
    glDisable(GL_DEPTH_TEST);
    draw_range(stats, effect_vp_location, glm::mat4(1.0f), world_count,
               vertices.size() - world_count);

    glDisable(GL_BLEND);
    glDepthMask(GL_TRUE);
    if (depth_test) glEnable(GL_DEPTH_TEST);
    if (culling) glEnable(GL_CULL_FACE);
    glDisableVertexAttribArray(kPositionAttribute);
    glDisableVertexAttribArray(kColourAttribute);
}
