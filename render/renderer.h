#pragma once
// Owner of every OpenGL object of the 3D scene: the two programs and their
// uniforms, the block texture, the shadow map and the registered meshes.
// The static city is also kept here, as one buffer of exposed faces built
// once from the grid.
#include <glm/glm.hpp>

#include <cstdint>
#include <vector>

#include "render/city_mesh.h"
#include "render/draw_list.h"
#include "render/effects.h"
#include "render/frame_view.h"
#include "render/mesh_data.h"
#include "render/render_stats.h"

struct CityGrid;

constexpr const char* kDepthVertexShader = "shaders/Depth.vsh";
constexpr const char* kDepthFragmentShader = "shaders/Depth.fsh";
constexpr const char* kSceneVertexShader = "shaders/CubeVertexShader.vsh";
constexpr const char* kSceneFragmentShader = "shaders/CubeFragmentShader.fsh";
// Builds the scene program without the shadow lookup: every surface that
// faces the light is fully lit.
constexpr const char* kNoShadowLookupDefine = "NO_SHADOW_LOOKUP";
constexpr const char* kEffectVertexShader = "shaders/Effect.vsh";
constexpr const char* kEffectFragmentShader = "shaders/Effect.fsh";
constexpr const char* kBlockTexture = "texture/Cube_BMP_BC7_2.DDS";
constexpr int32_t kTypeObjectMesh = 2;

// A copy of a 2D texture with every level decoded to plain RGBA8 and the
// same filters; the original is deleted. Software rasterizers decode
// block-compressed texels on every fetch, which made texturing a large part
// of a frame; decoded once at start-up, the picture stays the same.
uint32_t expand_to_rgba8(uint32_t texture);

// A new texture holding the texels of `atlas` (level 0) that the texture
// rectangle `rect` (min u, min v, width, height) covers, with its own mip
// chain, wrapping by repeat: merged city faces sample it in cell units and
// the sampler repeats it cell by cell, from one mip level per pixel. 0 when
// there is nothing to cut.
uint32_t cut_repeating_texture(uint32_t atlas, const glm::vec4& rect);

// Where a scene program takes each of its uniforms; -1 for one it lacks
// (the program without the shadow lookup has no shadow map or DepthBiasMVP).
struct SceneUniforms {
    int32_t mvp = -1, view = -1, model = -1, texture = -1, type_object = -1;
    int32_t depth_bias_mvp = -1, shadow_map = -1, light_inv_direction = -1;
};

struct Renderer {
    // The one vertex array of the run, made and bound by init: every pass,
    // the text and the screen images too, sets its attributes in it.
    uint32_t vertex_array = 0;
    // Set before init. Off: the scene program is built without the shadow
    // lookup, no shadow map is made or rendered, and the city and the actors
    // are drawn fully lit: a lighter picture for slow renderers.
    bool shadows = true;
    uint32_t depth_program = 0;
    int32_t depth_mvp_location = -1;
    uint32_t scene_program = 0;
    SceneUniforms scene_uniforms;
    // The scene program without the shadow lookup, for city sides turned
    // from the light, and its uniforms (0 when it failed to build, and
    // without shadows, where the scene program itself has no lookup).
    uint32_t unlit_program = 0;
    SceneUniforms unlit_uniforms;
    uint32_t block_texture = 0;
    // The block texture's cube side on its own, repeating, for the merged
    // city (0 when the city is not merged).
    uint32_t city_texture = 0;
    uint32_t shadow_framebuffer = 0;
    uint32_t depth_texture = 0;
    std::vector<uint32_t> vertex_buffers;
    std::vector<uint32_t> uv_buffers;
    std::vector<uint32_t> normal_buffers;
    std::vector<int32_t> vertex_counts;
    float screen_width = 0.0f;
    float screen_height = 0.0f;

    // Loaded mesh data, kept so the city can be built from the cube model.
    std::vector<MeshData> meshes;
    // The batched city: one buffer, its ranges, and what it was built from.
    uint32_t city_buffer = 0;
    std::vector<CityRange> city_ranges;
    int32_t city_vertex_count = 0;
    const CityGrid* city_source = nullptr;
    int32_t city_cube_mesh = -1;
    // Refilled each frame with the inner faces the near plane may uncover.
    uint32_t near_cut_buffer = 0;
    // Refilled each frame with the model matrices of the meshes in view.
    uint32_t instance_buffer = 0;
    // The effects: coloured triangles, refilled in the frames they show.
    uint32_t effect_program = 0;
    int32_t effect_vp_location = -1;
    uint32_t effect_buffer = 0;

    // Every draw call of the passes is counted here.
    RenderStats stats;
    // Small ants drawn with their far models; on in the game, the benchmark
    // turns it off to show what it saves.
    bool use_far_detail = true;

    void init(float width, float height);
    int32_t add_mesh(const char* path);
    void release();

    // Builds the city buffer unless it was already built from this grid and
    // cube; the passes call it themselves, so start-up pays for it once.
    void build_city(const CityGrid& city, int32_t cube_mesh);

    // Renders the city's depth from the light; once, at start-up, and only
    // with shadows.
    void render_shadow_map(const CityGrid& city, int32_t cube_mesh);
    // The floor and blocks, in a few draw calls over the batched buffer.
    void draw_city(const CityGrid& city, int32_t cube_mesh, const FrameView& view);
    // Inner faces uncovered where the near plane cuts into solid cubes; a
    // step of draw_city, which binds its program, buffer and textures.
    void draw_near_cut(const CityGrid& city, int32_t cube_mesh, const FrameView& view);
    // The same picture with one draw call per visible cube; kept to compare
    // against (benchmark, tests).
    void draw_city_per_cube(const CityGrid& city, int32_t cube_mesh, const FrameView& view);
    // The draws in view, the scene state set once, one instanced call per
    // mesh; unknown meshes are skipped.
    void draw_meshes(const FrameView& view, const std::vector<MeshDraw>& draws);
    // The same picture with one draw call per mesh in view, in list order;
    // kept to compare against (benchmark, tests).
    void draw_meshes_one_by_one(const FrameView& view, const std::vector<MeshDraw>& draws);
    // Blasts in the scene's depth, then the bite flash over the picture:
    // one call each, and none when nothing shows. After the scene, before
    // the status line.
    void draw_effects(const FrameView& view, const EffectsPicture& picture);
};
