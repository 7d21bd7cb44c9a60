// The renderer on a real GL context: its objects, the mesh registry, the
// batched city against one draw per cube, and what draw_scene draws.
#include <gtest/gtest.h>

#include <glm/gtc/matrix_transform.hpp>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <string>

#include "actors/ant.h"
#include "actors/grenade.h"
#include "actors/hostage.h"
#include "actors/player.h"
#include "render/frame_picture.h"
#include "render/shader_variant.h"
#include "render/scene.h"
#include "render_city_helpers.h"
#include "render_gl_helpers.h"

namespace {

GLint buffer_size(uint32_t buffer) {
    GLint size = -1;
    glBindBuffer(GL_ARRAY_BUFFER, buffer);
    glGetBufferParameteriv(GL_ARRAY_BUFFER, GL_BUFFER_SIZE, &size);
    return size;
}

const glm::mat4 kPerspective = glm::perspective(glm::radians(45.0f), 4.0f / 3.0f, 0.1f, 450.0f);
const glm::mat4 kOrtho = glm::ortho(-3.0f, 3.0f, -3.0f, 3.0f, 2.0f, 200.0f);

}  // namespace

TEST(RendererGl, InitBuildsASquareShadowMapAndFindsTheUniforms) {
    REQUIRE_GL();
    Renderer r;
    render_test::set_up(r, render_test::flat_texture());
    EXPECT_NE(r.depth_program, 0u);
    EXPECT_NE(r.scene_program, 0u);
    EXPECT_GE(r.depth_mvp_location, 0);
    const SceneUniforms& u = r.scene_uniforms;
    for (int32_t location : {u.mvp, u.view, u.model, u.texture, u.type_object, u.depth_bias_mvp,
                             u.shadow_map, u.light_inv_direction}) {
        EXPECT_GE(location, 0);
    }
    glBindTexture(GL_TEXTURE_2D, r.depth_texture);
    GLint w = 0, h = 0, compare = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &w);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &h);
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_COMPARE_MODE, &compare);
    EXPECT_EQ(w, 1024);
    EXPECT_EQ(h, 1024);
    EXPECT_EQ(compare, GL_COMPARE_REF_TO_TEXTURE);
    EXPECT_EQ(r.screen_height, 768.0f);
    r.release();
}

TEST(RendererGl, BlockTextureIsKeptDecodedWithTheSamePixels) {
    REQUIRE_GL();
    std::string path = test_files::temp_path("block.dds");
    std::vector<uint8_t> data = test_files::solid_dxt1(32, 16, 6, 0xF81F);
    data[8] = 0x00;  // one block of another colour in the top level
    data[9] = 0x00;
    data[10] = 0x00;
    data[11] = 0x00;
    test_files::write_bytes(path, test_files::dds_bytes(32, 16, 256, 6, kFourCcDxt1, data));
    auto pixels = [](uint32_t texture, int level) {
        std::vector<unsigned char> out(size_t(32 * 16 * 4));
        glBindTexture(GL_TEXTURE_2D, texture);
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glGetTexImage(GL_TEXTURE_2D, level, GL_RGBA, GL_UNSIGNED_BYTE, out.data());
        return out;
    };
    uint32_t compressed = load_dds_texture(path.c_str());
    std::vector<unsigned char> top = pixels(compressed, 0), second = pixels(compressed, 1);
    uint32_t decoded = expand_to_rgba8(compressed);
    EXPECT_FALSE(glIsTexture(compressed));
    GLint format = 0, max_level = 0;
    glBindTexture(GL_TEXTURE_2D, decoded);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_INTERNAL_FORMAT, &format);
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MAX_LEVEL, &max_level);
    EXPECT_EQ(format, GL_RGBA8);
    EXPECT_EQ(max_level, 5);  // 32 x 16 halves to 1 x 1 in six levels
    EXPECT_EQ(pixels(decoded, 0), top);
    EXPECT_EQ(pixels(decoded, 1), second);
    glDeleteTextures(1, &decoded);
}

TEST(RendererGl, MeshHandlesCountUpAndAFailedLoadStillTakesOne) {
    REQUIRE_GL();
    Renderer r;
    render_test::set_up(r, 0);
    ASSERT_EQ(r.vertex_buffers.size(), size_t(kMeshCount));
    EXPECT_EQ(r.vertex_counts[0], 36);
    EXPECT_EQ(buffer_size(r.vertex_buffers[0]), 432);
    EXPECT_EQ(buffer_size(r.uv_buffers[0]), 288);
    EXPECT_EQ(buffer_size(r.normal_buffers[0]), 432);
    testing::internal::CaptureStdout();
    int32_t missing = r.add_mesh("/nonexistent/model.obj");
    testing::internal::GetCapturedStdout();
    EXPECT_EQ(missing, kMeshCount);
    EXPECT_EQ(r.vertex_counts.back(), 0);
    EXPECT_EQ(buffer_size(r.vertex_buffers.back()), 0);
    // Drawing the empty mesh draws nothing and does not fail.
    r.stats = RenderStats{};
    r.draw_meshes(render_test::look(kPerspective, glm::vec3(0, 10, 2), glm::vec3(0, -1, 0)),
                  {{missing, glm::vec3(0, 0, 1), 0.0f}, {99, glm::vec3(0, 0, 1), 0.0f}});
    EXPECT_EQ(r.stats.draw_calls, 0);
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));

    uint32_t first_buffer = r.vertex_buffers[0], program = r.scene_program, depth = r.depth_texture;
    r.release();
    glUseProgram(0);  // a program in use is only deleted once it is not
    EXPECT_FALSE(glIsBuffer(first_buffer));
    EXPECT_FALSE(glIsProgram(program));
    EXPECT_FALSE(glIsTexture(depth));
}

TEST(RendererGl, BatchedCityDrawsThePictureOfOneCallPerCube) {
    REQUIRE_GL();
    Renderer r;
    render_test::set_up(r, render_test::flat_texture());
    CityGrid city;
    city.init();
    r.render_shadow_map(city, MeshCube);
    gl_test::OffscreenTarget target;
    struct View {
        glm::mat4 projection;
        glm::vec3 eye, direction;
    };
    const View views[] = {
        {kPerspective, {124, 274, 2.8f}, {0, -1, 0}},              // first person at the gate
        {kPerspective, {148, 330, 110}, {0, -0.85f, -0.52f}},      // high above
        {kPerspective, {-30, -30, -8}, {0.6f, 0.6f, 0.35f}},       // under the floor
        {kOrtho, {124, 274, 2.8f}, {0, -1, 0}},                    // near plane cuts the floor
        {kOrtho, {40, 40, 30}, {0.3f, 0.2f, -0.9f}},               // looking down into blocks
    };
    for (const View& v : views) {
        const FrameView view = render_test::look(v.projection, v.eye, glm::normalize(v.direction));
        target.begin();
        r.stats = RenderStats{};
        r.draw_city(city, MeshCube, view);
        int64_t batched_calls = r.stats.draw_calls;
        std::vector<unsigned char> batched = target.read();
        target.begin();
        r.stats = RenderStats{};
        r.draw_city_per_cube(city, MeshCube, view);
        std::vector<unsigned char> per_cube = target.read();
        // The one-call-per-cube picture has one-pixel cracks where equal
        // depths meet; everything the batched picture shows must be there.
        int differing = render_test::differing_beyond_edges(batched, per_cube);
        EXPECT_LT(differing, gl_test::kWidth * gl_test::kHeight / 2000)
            << "eye " << v.eye.x << "," << v.eye.y << "," << v.eye.z;
        EXPECT_LE(batched_calls, 64);
        EXPECT_GE(r.stats.draw_calls, batched_calls);
    }
    r.release();
}

// Sides turned from the light are drawn without the shadow lookup: the
// picture must be the one the full program gives. The two programs draw in
// two nearest-first lists instead of one, so where faces meet with equal
// depth a rare pixel may come from the other face; a shading difference
// would change thousands.
TEST(RendererGl, SidesTurnedFromTheLightLookTheSameWithoutTheLookup) {
    REQUIRE_GL();
    Renderer r;
    render_test::set_up(r, render_test::flat_texture());
    ASSERT_NE(r.unlit_program, 0u);
    for (int32_t location : {r.unlit_uniforms.mvp, r.unlit_uniforms.view, r.unlit_uniforms.texture,
                             r.unlit_uniforms.type_object}) {
        EXPECT_GE(location, 0);
    }
    CityGrid city;
    city.init();
    r.render_shadow_map(city, MeshCube);
    gl_test::OffscreenTarget target;
    const glm::vec3 eyes[][2] = {{{124, 274, 2.8f}, {0, -1, 0}},   // x sides and the street
                                 {{100, 60, 3.0f}, {0, 1, -0.1f}},   // sides facing +y
                                 {{148, 330, 110}, {0, -0.85f, -0.52f}}};
    for (const auto& e : eyes) {
        const FrameView view = render_test::look(kPerspective, e[0], glm::normalize(e[1]));
        target.begin();
        r.draw_city(city, MeshCube, view);
        std::vector<unsigned char> split = target.read();
        uint32_t unlit = r.unlit_program;
        r.unlit_program = 0;
        target.begin();
        r.draw_city(city, MeshCube, view);
        std::vector<unsigned char> single = target.read();
        r.unlit_program = unlit;
        size_t differing = 0;
        for (size_t i = 0; i < split.size(); ++i) differing += split[i] != single[i];
        EXPECT_LE(differing, 16u) << "eye " << e[0].x << "," << e[0].y << "," << e[0].z;
    }
    r.release();
}

// A driver may keep a sampler that the variant declares but never reads,
// and two samplers of different types on unit 0 fail every draw: the variant
// must declare no shadow map. A second declaration of the name compiles
// only then. Its messages, like every loader's, go to standard output.
TEST(RendererGl, VariantWithoutTheLookupDeclaresNoShadowSampler) {
    REQUIRE_GL();
    std::ifstream in(kSceneFragmentShader);
    std::stringstream text;
    text << in.rdbuf();
    const std::string probe = test_files::temp_path("probe.fsh");
    test_files::write_text(probe, text.str() + "\nuniform float shadowMap;\n");
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    const uint32_t program = load_shader_variant(kSceneVertexShader, probe.c_str(), kNoShadowLookupDefine);
    const uint32_t missing = load_shader_variant(kSceneVertexShader, "/nonexistent.fsh", kNoShadowLookupDefine);
    const std::string err = testing::internal::GetCapturedStderr();
    const std::string out = testing::internal::GetCapturedStdout();
    EXPECT_NE(program, 0u) << out << err;
    EXPECT_EQ(missing, 0u);
    EXPECT_NE(out.find("/nonexistent.fsh"), std::string::npos);
    EXPECT_EQ(err, "");
    glDeleteProgram(program);
}

TEST(RendererGl, ShadowPassIsOneDrawAndGivesTheWindowBackAndNoneWithoutShadows) {
    REQUIRE_GL();
    Renderer r;
    render_test::set_up(r, 0);
    CityGrid city;
    city.init();
    r.stats = RenderStats{};
    r.render_shadow_map(city, MeshCube);
    EXPECT_EQ(r.stats.draw_calls, 1);
    GLint viewport[4] = {0, 0, 0, 0}, framebuffer = -1;
    glGetIntegerv(GL_VIEWPORT, viewport);
    glGetIntegerv(GL_FRAMEBUFFER_BINDING, &framebuffer);
    EXPECT_EQ(viewport[2], 1024);
    EXPECT_EQ(viewport[3], 768);
    EXPECT_EQ(framebuffer, 0);
    // Run inside a letterboxed frame, it gives that frame's picture back.
    const PictureRect picture = begin_frame_picture(1280, 1024);
    r.render_shadow_map(city, MeshCube);
    glGetIntegerv(GL_VIEWPORT, viewport);
    EXPECT_EQ((PictureRect{viewport[0], viewport[1], viewport[2], viewport[3]}), picture);
    r.release();

    // Without shadows: one scene program, itself without the lookup, no
    // shadow map and no shadow pass at all; the window's framebuffer stays
    // the one drawn to.
    Renderer light;
    light.shadows = false;
    render_test::set_up(light, 0);
    glGetIntegerv(GL_FRAMEBUFFER_BINDING, &framebuffer);
    EXPECT_EQ(framebuffer, 0);
    EXPECT_EQ(light.shadow_framebuffer, 0u);
    EXPECT_EQ(light.depth_texture, 0u);
    EXPECT_NE(light.scene_program, 0u);
    EXPECT_EQ(light.scene_uniforms.shadow_map, -1);
    EXPECT_GE(light.scene_uniforms.type_object, 0);
    EXPECT_EQ(light.unlit_program, 0u);
    light.stats = RenderStats{};
    light.render_shadow_map(city, MeshCube);
    EXPECT_EQ(light.stats.draw_calls, 0);
    EXPECT_GT(light.city_vertex_count, 0);
    light.release();
}

TEST(RendererGl, SceneDrawsOneCallPerMeshAndThePlayerOnlyWithTheFreeCamera) {
    REQUIRE_GL();
    Renderer r;
    render_test::set_up(r, render_test::flat_texture());
    CityGrid city;
    city_test::build(city, {});
    Player player;
    Hostage hostage;
    Grenade grenade;
    std::vector<Ant> ants(2);
    for (Actor* a : std::initializer_list<Actor*>{&player, &hostage, &grenade, &ants[0], &ants[1]}) {
        a->pos_x = 20.0f;
        a->pos_y = 20.0f;
        a->pos_z = 1.0f;
    }
    grenade.visible = true;
    ants[1].visible = false;  // knocked out: legs only
    FrameView view = render_test::look(kPerspective, glm::vec3(40, 60, 6), glm::vec3(0, -1, -0.1f));
    r.stats = RenderStats{};
    r.draw_city(city, MeshCube, view);
    int64_t city_calls = r.stats.draw_calls;

    r.stats = RenderStats{};
    draw_scene(r, view, city, player, hostage, grenade, ants, true, 3);
    // Hostage 5 meshes, grenade 1, both ants' 7 meshes shared.
    EXPECT_EQ(r.stats.draw_calls, city_calls + 5 + 1 + 7);
    view.free_camera = true;
    grenade.visible = false;
    r.stats = RenderStats{};
    draw_scene(r, view, city, player, hostage, grenade, ants, false, 3);
    // The girl and the boy share their legs.
    EXPECT_EQ(r.stats.draw_calls, city_calls + 5 + 3 + 7);
    r.release();
}

TEST(SceneAnimation, LimbsSwingOnlyWhileMovingAndAntLegsAlternate) {
    Ant ant;
    ant.motion_mode = MotionSlide;
    for (int leg : {1, 3, 5}) EXPECT_FLOAT_EQ(ant_leg_swing_angle(ant, leg, 3), -5.0f * kDegreesToRadians);
    for (int leg : {2, 4, 6}) EXPECT_FLOAT_EQ(ant_leg_swing_angle(ant, leg, 3), 1.0f * kDegreesToRadians);
    ant.motion_mode = MotionLift;
    EXPECT_EQ(ant_leg_swing_angle(ant, 1, 6), 0.0f);
    Player player;
    player.motion_mode = MotionTurnLeft;
    EXPECT_FLOAT_EQ(arm_swing_angle(player, 1), 15.0f * kDegreesToRadians);
    EXPECT_FLOAT_EQ(leg_swing_angle(player, 1), -15.0f * kDegreesToRadians);
}
