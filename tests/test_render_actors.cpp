// The actors as a list of mesh draws (which meshes, where, turned how), its
// culling, hiding behind street blocks and grouping, and the pictures: the
// instanced one against one draw per mesh, and with hidden actors left out.
// The effects the same way: what a blast and a bite show at each tick, their
// triangles, and a blast on screen.
#include <gtest/gtest.h>

#include <glm/gtc/matrix_transform.hpp>

#include <algorithm>
#include <set>
#include <utility>

#include "actors/ant.h"
#include "actors/grenade.h"
#include "actors/hostage.h"
#include "actors/player.h"
#include "render/detail.h"
#include "render/effect_mesh.h"
#include "render/effects.h"
#include "render/scene.h"
#include "render/street_occlusion.h"
#include "render_city_helpers.h"
#include "render_gl_helpers.h"

namespace {

std::vector<int32_t> meshes_of(const std::vector<MeshDraw>& draws) {
    std::vector<int32_t> meshes;
    for (const MeshDraw& d : draws) meshes.push_back(d.mesh);
    return meshes;
}

void put(Actor& actor, float x, float y, float angle) {
    actor.pos_x = x;
    actor.pos_y = y;
    actor.pos_z = 1.0f;
    actor.facing_angle = angle;
}

constexpr int kRoundingPixels = 12;

const std::vector<int32_t> kAntMeshes = {MeshAntBody, 2, 3, 4, 5, 6, 7};
const std::vector<int32_t> kAntLegMeshes = {2, 3, 4, 5, 6, 7};

}  // namespace

TEST(ActorDraws, MeshSetsInDrawingOrderAndTheirPlaceAndTurn) {
    Player player;
    Hostage hostage;
    Grenade grenade;
    std::vector<Ant> ants(2);
    put(player, 10, 11, 0.0f);
    put(hostage, 12, 13, 0.5f);
    hostage.motion_mode = MotionSlide;
    put(grenade, 14, 15, 0.0f);
    grenade.visible = false;
    put(ants[0], 16, 17, 1.0f);
    ants[0].visible = false;  // knocked out: legs only
    ants[0].motion_mode = MotionTurnRight;
    put(ants[1], 18, 19, 2.0f);

    std::vector<MeshDraw> list = actor_draws(player, hostage, grenade, ants, true, true, 3);
    std::vector<int32_t> expected = {MeshGirlBody, MeshGirlArm1, MeshGirlArm2, MeshLeg1, MeshLeg2,
                                     MeshBoyBody,  MeshBoyArm1,  MeshBoyArm2,  MeshLeg1, MeshLeg2};
    expected.insert(expected.end(), kAntLegMeshes.begin(), kAntLegMeshes.end());
    expected.insert(expected.end(), kAntMeshes.begin(), kAntMeshes.end());
    ASSERT_EQ(meshes_of(list), expected);
    EXPECT_EQ(list[5].position, glm::vec3(12, 13, 1));
    EXPECT_FLOAT_EQ(list[6].angle, 0.5f + 7.5f * kDegreesToRadians);  // arm, mid-swing
    EXPECT_FLOAT_EQ(list[8].angle, 0.5f - 7.5f * kDegreesToRadians);  // leg
    EXPECT_FLOAT_EQ(list[10].angle, 1.0f - 5.0f * kDegreesToRadians);  // ant leg 1
    EXPECT_FLOAT_EQ(list[11].angle, 1.0f + 1.0f * kDegreesToRadians);  // ant leg 2
    EXPECT_EQ(list[16].position, glm::vec3(18, 19, 1));
    EXPECT_EQ(list[16].angle, 2.0f);  // standing still: no swing

    // First person: no player; a shown grenade sits between hostage and ants.
    grenade.visible = true;
    list = actor_draws(player, hostage, grenade, ants, false, false, 3);
    ASSERT_EQ(list.size(), 5u + 1u + 6u + 7u);
    EXPECT_EQ(list[0].mesh, MeshGirlBody);  // the hostage, the other character
    EXPECT_EQ(list[5].mesh, MeshGrenade);
    EXPECT_EQ(list[5].position, glm::vec3(14, 15, 1));
}

// The boy as the player with the free camera: every part at its actor's
// place, arms and legs swinging opposite ways, ant legs 1, 3, 5 on one table
// and 2, 4, 6 on the other, at every frame of the cycle.
TEST(ActorDraws, EveryPartAtItsActorWithItsOwnSwingThroughTheCycle) {
    Player player;
    Hostage hostage;
    Grenade grenade;
    std::vector<Ant> ants(1);
    put(player, 10, 11, 0.25f);
    player.motion_mode = MotionSlide;
    put(hostage, 12, 13, 0.5f);
    hostage.motion_mode = MotionTurnLeft;
    put(grenade, 14, 15, 0.75f);
    put(ants[0], 16, 17, 1.0f);
    ants[0].motion_mode = MotionTurnRight;
    const std::vector<int32_t> boy = {MeshBoyBody, MeshBoyArm1, MeshBoyArm2, MeshLeg1, MeshLeg2};
    const std::vector<int32_t> girl = {MeshGirlBody, MeshGirlArm1, MeshGirlArm2, MeshLeg1, MeshLeg2};
    std::vector<int32_t> meshes = boy;
    meshes.insert(meshes.end(), girl.begin(), girl.end());
    meshes.push_back(MeshGrenade);
    meshes.insert(meshes.end(), kAntMeshes.begin(), kAntMeshes.end());
    const float d = kDegreesToRadians;
    for (int frame = 0; frame < kAnimationFrames; ++frame) {
        SCOPED_TRACE(testing::Message() << "frame " << frame);
        EXPECT_EQ(kArmSwing[size_t(frame)], -kLegSwing[size_t(frame)]);
        std::vector<MeshDraw> list = actor_draws(player, hostage, grenade, ants, false, true, frame);
        ASSERT_EQ(meshes_of(list), meshes);
        const float arm = kArmSwing[size_t(frame)] * d, leg = kLegSwing[size_t(frame)] * d;
        const float a = kAntSwingA[size_t(frame)] * d, b = kAntSwingB[size_t(frame)] * d;
        const float angles[] = {0.25f, 0.25f + arm, 0.25f + arm, 0.25f + leg, 0.25f + leg,
                                0.5f,  0.5f + arm,  0.5f + arm,  0.5f + leg,  0.5f + leg,
                                0.75f, 1.0f,        1.0f + a,    1.0f + b,    1.0f + a,
                                1.0f + b, 1.0f + a, 1.0f + b};
        const glm::vec3 places[] = {{10, 11, 1}, {12, 13, 1}, {14, 15, 1}, {16, 17, 1}};
        for (size_t i = 0; i < list.size(); ++i) {
            EXPECT_FLOAT_EQ(list[i].angle, angles[i]) << "draw " << i;
            EXPECT_EQ(list[i].position, places[i < 5 ? 0 : i < 10 ? 1 : i < 11 ? 2 : 3]) << "draw " << i;
        }
    }
    EXPECT_FLOAT_EQ(kArmSwing[1], 15.0f);  // arms forward first
    EXPECT_FLOAT_EQ(kAntSwingA[1], -10.0f);
    EXPECT_FLOAT_EQ(kAntSwingB[1], 10.0f);
}

TEST(ActorDraws, ModelMatrixPlacesTwiceThePositionTurnedAboutZ) {
    glm::mat4 m = model_matrix({MeshAntBody, glm::vec3(1, 2, 3), glm::half_pi<float>()});
    glm::vec4 p = m * glm::vec4(1, 0, 0, 1);
    EXPECT_NEAR(glm::distance(glm::vec3(p), glm::vec3(2, 5, 6)), 0.0f, 1e-6f);
}

TEST(ActorDraws, CulledOncePerActorAndGroupedByMeshInFirstAppearanceOrder) {
    Player player;
    Hostage hostage;
    Grenade grenade;
    grenade.visible = false;
    std::vector<Ant> ants(3);
    put(hostage, 0, 50, 0.0f);  // behind the eye
    put(ants[0], 0, -10, 0.0f);
    ants[0].visible = false;
    put(ants[1], 0, 40, 0.0f);  // behind
    put(ants[2], 1, -12, 0.0f);
    std::vector<MeshDraw> list = actor_draws(player, hostage, grenade, ants, true, false, 0);
    glm::mat4 view = glm::lookAt(glm::vec3(0, 0, 2), glm::vec3(0, -1, 2), glm::vec3(0, 0, 1));
    FrameView v = make_frame_view(glm::perspective(0.785f, 4.0f / 3.0f, 0.1f, 450.0f), view, false);
    std::vector<MeshDraw> seen = draws_in_view(list, v.frustum);
    ASSERT_EQ(seen.size(), 6u + 7u);
    EXPECT_EQ(seen.front().position, glm::vec3(0, -10, 1));
    EXPECT_EQ(seen.back().position, glm::vec3(1, -12, 1));

    std::vector<MeshBatch> batches = batch_by_mesh(seen);
    std::vector<int32_t> order;
    for (const MeshBatch& b : batches) order.push_back(b.mesh);
    std::vector<int32_t> expected = kAntLegMeshes;
    expected.push_back(MeshAntBody);
    EXPECT_EQ(order, expected);
    EXPECT_EQ(batches[0].models.size(), 2u);
    EXPECT_EQ(batches[6].models.size(), 1u);
    EXPECT_EQ(batches[0].models[1], model_matrix(seen[7]));
}

Grenade grenade_at(int32_t x, int32_t y, int32_t z, int32_t radius) {
    Grenade g;
    g.cell_x = x;
    g.cell_y = y;
    g.cell_z = z;
    g.blast_radius = radius;
    return g;
}

std::set<std::pair<int, int>> offsets_of(const BlastPicture& blast) {
    std::set<std::pair<int, int>> offsets;
    for (const CellCoord& c : blast.cells) {
        offsets.insert({c.x - int(blast.centre.x), c.y - int(blast.centre.y)});
    }
    return offsets;
}

// A blast glows over the cells its rule reaches, on open floors only,
// spreading from the grenade's cell; it grows, cools, fades and is gone
// after its ticks of game time. The bite flash fades over its own.
TEST(EffectsPicture, BlastGlowsOverTheCellsItsRuleReachesAndBothFadeInGameTime) {
    CityGrid city;
    city_test::build(city, {{21, 20, 1}, {30, 30, 1}, {31, 30, 1}, {32, 30, 1}});
    Effects effects;
    start_blast(effects, grenade_at(20, 20, 1, 3), 100);
    EXPECT_TRUE(describe_effects(effects, city, 99).blasts.empty());
    const EffectsPicture first = describe_effects(effects, city, 100);
    ASSERT_EQ(first.blasts.size(), 1u);
    EXPECT_EQ(first.blasts[0].centre, glm::vec3(20, 20, 1));
    EXPECT_EQ(offsets_of(first.blasts[0]), (std::set<std::pair<int, int>>{{0, 0}}));
    EXPECT_EQ(first.blasts[0].strength, 1.0f);
    EXPECT_EQ(first.blasts[0].heat, 1.0f);

    // Spread: radius 3 reaches the 7 x 7 square but its corners (distance
    // 4.2); (3, 2) at 3.6 truncates to 3. The block at (1, 0) holds no floor.
    const BlastPicture spread = describe_effects(effects, city, 100 + kBlastTicks / 5).blasts.at(0);
    const std::set<std::pair<int, int>> cells = offsets_of(spread);
    EXPECT_EQ(cells.size(), 49u - 4u - 1u);
    EXPECT_TRUE(cells.count({3, 2}) && cells.count({-2, -3}) && cells.count({0, 3}));
    EXPECT_FALSE(cells.count({3, 3}) || cells.count({-3, -3}) || cells.count({1, 0}));
    for (const CellCoord& c : spread.cells) EXPECT_EQ(c.z, 1);
    EXPECT_EQ(spread.reach, 4.0f);

    BlastPicture last = first.blasts[0];
    for (int64_t tick = 101; tick < 100 + kBlastTicks; ++tick) {
        const BlastPicture now = describe_effects(effects, city, tick).blasts.at(0);
        EXPECT_GE(now.radius, last.radius);
        EXPECT_LE(now.strength, last.strength);
        EXPECT_LE(now.heat, last.heat);
        last = now;
    }
    EXPECT_GT(last.radius, 2.0f * first.blasts[0].radius);
    EXPECT_LT(last.radius, last.reach);  // the glow on the floor shows the reach
    EXPECT_LT(last.strength, 0.05f);
    EXPECT_TRUE(describe_effects(effects, city, 100 + kBlastTicks).blasts.empty());

    // On a roof the glow lies only on the blocks, never in the air beside them.
    start_blast(effects, grenade_at(31, 30, 2, 1), 300);
    EXPECT_EQ(offsets_of(describe_effects(effects, city, 320).blasts.at(0)),
              (std::set<std::pair<int, int>>{{-1, 0}, {0, 0}, {1, 0}}));

    start_bite_flash(effects, 200);
    EXPECT_EQ(describe_effects(effects, city, 199).edge_flash, 0.0f);
    EXPECT_EQ(describe_effects(effects, city, 200).edge_flash, 1.0f);
    EXPECT_FLOAT_EQ(describe_effects(effects, city, 200 + kBiteFlashTicks / 2).edge_flash, 0.5f);
    EXPECT_EQ(describe_effects(effects, city, 200 + kBiteFlashTicks).edge_flash, 0.0f);
}

// The fireball lies in the plane facing the eye, every glowing floor is one
// square on its cell's floor, and the bite flash is red at the picture's
// edges and clear inside.
TEST(EffectsPicture, TrianglesFaceTheEyeLieOnTheFloorsAndRimThePicture) {
    BlastPicture blast;
    blast.centre = glm::vec3(10, 12, 1);
    blast.reach = 2.0f;
    blast.radius = 2.0f;
    blast.strength = blast.heat = 1.0f;
    blast.cells = {{10, 12, 1}, {11, 12, 1}};
    EffectsPicture picture;
    picture.blasts = {blast};
    picture.edge_flash = 1.0f;
    const glm::vec3 eye(20, 4, 6), centre(20, 24, 2);
    EffectMesh mesh = effect_mesh(picture, glm::lookAt(eye, centre, glm::vec3(0, 0, 1)));
    ASSERT_GT(mesh.world.size(), 12u);
    ASSERT_EQ(mesh.world.size() % 3, 0u);
    for (size_t i = 0; i < 12; ++i) {
        const glm::vec3 p = mesh.world[i].position;
        const float cell_x = i < 6 ? 20.0f : 22.0f;
        EXPECT_NEAR(p.z, 1.0f, 0.05f) << i;  // the floor under layer 1
        EXPECT_EQ(std::abs(p.x - cell_x), 1.0f) << i;
        EXPECT_EQ(std::abs(p.y - 24.0f), 1.0f) << i;
    }
    // Brighter nearer the centre, and the same where two squares meet.
    EXPECT_GT(mesh.world[0].colour.a, mesh.world[7].colour.a);
    EXPECT_EQ(mesh.world[1].colour, mesh.world[6].colour);
    const glm::vec3 forward = glm::normalize(centre - eye);
    for (size_t i = 12; i < mesh.world.size(); ++i) {
        const glm::vec3 offset = mesh.world[i].position - centre;
        EXPECT_NEAR(glm::dot(offset, forward), 0.0f, 1e-4f) << i;
        EXPECT_LE(glm::length(offset), 4.0f + 1e-4f) << i;
    }
    ASSERT_EQ(mesh.screen.size(), 4u * 6u);
    for (const EffectVertex& v : mesh.screen) {
        const bool edge = std::abs(v.position.x) == 1.0f || std::abs(v.position.y) == 1.0f;
        EXPECT_EQ(v.colour.a > 0.5f, edge);
        EXPECT_EQ(v.colour.g + v.colour.b, 0.0f);
        EXPECT_LE(v.colour.r, v.colour.a);
    }
}

TEST(StreetOcclusion, OnlyBoxesBehindStreetBlocksSeenFromStreetHeightAreHidden) {
    CityGrid city;
    std::vector<city_test::Block> wall;
    for (int x = 15; x <= 25; ++x) wall.push_back({x, 25, 1});  // world y 49..51, x 29..51
    city_test::build(city, wall);
    const glm::vec3 eye(40, 60, 2.8f);
    EXPECT_TRUE(hidden_behind_street_blocks(city, eye, {40, 40, 2}));
    EXPECT_TRUE(hidden_behind_street_blocks(city, eye, {46, 30, 2}));
    EXPECT_FALSE(hidden_behind_street_blocks(city, eye, {40, 54, 2}));  // in front
    EXPECT_FALSE(hidden_behind_street_blocks(city, eye, {70, 40, 2}));  // past the wall's end
    EXPECT_FALSE(hidden_behind_street_blocks(city, eye, {40, 40, 3}));  // lifted off the street
    EXPECT_FALSE(hidden_behind_street_blocks(city, {40, 60, 4.8f}, {40, 40, 2}));  // eye above

    wall.erase(wall.begin() + 5);  // a gap at x 39..41
    city_test::build(city, wall);
    EXPECT_FALSE(hidden_behind_street_blocks(city, eye, {40, 40, 2}));
    EXPECT_TRUE(hidden_behind_street_blocks(city, eye, {48, 40, 2}));
    for (city_test::Block& b : wall) b.layer = 2;  // only above the street
    city_test::build(city, wall);
    EXPECT_FALSE(hidden_behind_street_blocks(city, eye, {48, 40, 2}));
}

namespace {

// The game's own models and block texture, as start-up loads them.
void set_up_game_meshes(Renderer& r) {
    gl_test::close_stdin();
    testing::internal::CaptureStdout();
    r.init(float(gl_test::kWidth), float(gl_test::kHeight));
    for (const char* path : kMeshFiles) r.add_mesh(path);
    testing::internal::GetCapturedStdout();
}

}  // namespace

TEST(ActorPicture, InstancedDrawsMatchOneDrawPerMeshWithManyAnts) {
    REQUIRE_GL();
    Renderer r;
    set_up_game_meshes(r);
    CityGrid city;
    city_test::build(city, {{22, 16, 1}, {22, 16, 2}, {27, 19, 1}});  // shadows on some ants
    r.render_shadow_map(city, MeshCube);
    Player player;
    Hostage hostage;
    Grenade grenade;
    put(player, 21, 21, 0.0f);
    put(hostage, 23, 21, 1.2f);
    hostage.motion_mode = MotionSlide;
    put(grenade, 22, 21, 0.3f);
    std::vector<Ant> ants;
    for (int i = 0; i < 48; ++i) {
        Ant ant;
        put(ant, 16.0f + float(i % 12), 12.0f + float(i / 12) * 2.0f, 0.4f * float(i));
        ant.motion_mode = i % 3 == 0 ? MotionNone : MotionSlide;  // mid-swing or standing
        ant.visible = i % 4 != 1;                                  // some knocked out
        ants.push_back(ant);
    }
    gl_test::OffscreenTarget target;
    struct Eye {
        glm::vec3 at, direction;
        int ant_pixels;  // at least, beyond the city's
        bool far;        // the ants drawn with their far models
    };
    // Near, from above, and far enough for the far models.
    for (const Eye& e : {Eye{{44, 44, 5}, {-0.1f, -1, -0.15f}, 15000, false},
                         Eye{{44, 34, 30}, {0, -0.5f, -1}, 15000, false},
                         Eye{{44, 120, 40}, {-0.1f, -1, -0.45f}, 1500, true}}) {
        const FrameView view = render_test::look(camera_projection(false), e.at,
                                                 glm::normalize(e.direction), true);
        target.begin();
        r.draw_city(city, MeshCube, view);
        std::vector<unsigned char> city_only = target.read();
        for (int frame : {1, 3, 6}) {
            std::vector<MeshDraw> list =
                draws_at_detail(actor_draws(player, hostage, grenade, ants, true, true, frame),
                                view, float(gl_test::kHeight), loaded_far_twins(r.vertex_counts));
            std::vector<int32_t> meshes = meshes_of(list);
            EXPECT_EQ(std::count(meshes.begin(), meshes.end(), MeshAntBodyFar) > 0, e.far);
            target.begin();
            r.draw_city(city, MeshCube, view);
            r.stats = RenderStats{};
            r.draw_meshes(view, list);
            EXPECT_LE(r.stats.draw_calls, 7 + 5 + 3 + 1);
            std::vector<unsigned char> instanced = target.read();
            target.begin();
            r.draw_city(city, MeshCube, view);
            r.draw_meshes_one_by_one(view, list);
            std::vector<unsigned char> one_by_one = target.read();
            EXPECT_GT(render_test::differing_beyond_edges(one_by_one, city_only), e.ant_pixels);
            // Matrices multiplied in another order round differently: a
            // handful of pixels where a leg meets the body at nearly equal
            // depth may go the other way; a wrong turn or place moves
            // thousands.
            EXPECT_LE(render_test::differing_beyond_edges(instanced, one_by_one), kRoundingPixels)
                << frame;
            EXPECT_LE(render_test::differing_beyond_edges(one_by_one, instanced), kRoundingPixels)
                << frame;
        }
    }
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
    r.release();
}

TEST(ActorPicture, AntsLeftOutBehindStreetBlocksChangeNoPixel) {
    REQUIRE_GL();
    Renderer r;
    set_up_game_meshes(r);
    CityGrid city;
    std::vector<city_test::Block> blocks;
    for (int x = 12; x <= 32; ++x) {
        if (x != 21) blocks.push_back({x, 22, 1});  // a wall with a one-cell gap
    }
    blocks.push_back({24, 26, 1});
    city_test::build(city, blocks);
    r.render_shadow_map(city, MeshCube);
    Player player;
    Hostage hostage;
    Grenade grenade;
    grenade.visible = false;
    put(hostage, 22, 20, 0.0f);
    std::vector<Ant> ants;
    for (int i = 0; i < 60; ++i) {
        Ant ant;
        put(ant, 12.0f + float(i % 20), 12.0f + float(i / 20) * 3.0f, 0.3f * float(i));
        ant.motion_mode = MotionSlide;
        ant.visible = i % 5 != 2;
        ants.push_back(ant);
    }
    put(ants[0], 24, 28, 0.0f);  // just behind the lone block
    gl_test::OffscreenTarget target;
    const FrameView view = render_test::look(camera_projection(false), glm::vec3(44, 60, 2.8f),
                                             glm::normalize(glm::vec3(0.05f, -1, -0.04f)));
    ASSERT_TRUE(view.perspective);
    std::vector<MeshDraw> all =
        draws_in_view(actor_draws(player, hostage, grenade, ants, true, false, 4), view.frustum);
    std::vector<MeshDraw> kept = draws_not_hidden(all, city, view.eye);
    EXPECT_LT(kept.size(), all.size() / 2);
    EXPECT_GT(kept.size(), 20u);  // through the gap, and beside the lone block
    target.begin();
    r.draw_city(city, MeshCube, view);
    r.draw_meshes(view, all);
    std::vector<unsigned char> every = target.read();
    target.begin();
    r.draw_city(city, MeshCube, view);
    r.draw_meshes(view, kept);
    std::vector<unsigned char> left_out = target.read();
    size_t differing = 0;
    for (size_t i = 0; i < every.size(); ++i) differing += every[i] != left_out[i];
    EXPECT_EQ(differing, 0u);
    r.release();
}

// A blast lights up the picture where it goes off, in one draw call; the
// bite flash adds one more.
TEST(ActorPicture, ABlastIsDrawnWhereItGoesOffInOneCall) {
    REQUIRE_GL();
    Renderer r;
    set_up_game_meshes(r);
    CityGrid city;
    city_test::build(city, {});
    r.render_shadow_map(city, MeshCube);
    Effects effects;
    start_blast(effects, grenade_at(22, 22, 1, 2), 0);
    gl_test::OffscreenTarget target;
    const FrameView view = render_test::look(camera_projection(false), glm::vec3(44, 28, 5),
                                             glm::normalize(glm::vec3(0, 16, -3)));
    target.begin();
    r.draw_city(city, MeshCube, view);
    const std::vector<unsigned char> before = target.read();
    r.stats = RenderStats{};
    glBindFramebuffer(GL_FRAMEBUFFER, target.framebuffer);  // read() let it go
    r.draw_effects(view, describe_effects(effects, city, 5));
    EXPECT_EQ(r.stats.draw_calls, 1);
    const std::vector<unsigned char> after = target.read();
    int lit = 0, centre_lit = 0;
    for (size_t i = 0; i < after.size(); i += 3) {
        const bool brighter = after[i] > before[i] + 60 && after[i] > after[i + 2] + 40;
        lit += brighter;
        const int x = int(i / 3) % gl_test::kWidth, y = int(i / 3) / gl_test::kWidth;
        centre_lit += brighter && std::abs(x - gl_test::kWidth / 2) < 100 &&
                      std::abs(y - gl_test::kHeight / 2) < 100;
    }
    EXPECT_GT(lit, 20000);
    EXPECT_GT(centre_lit, 10000);

    start_bite_flash(effects, 5);
    r.stats = RenderStats{};
    r.draw_effects(view, describe_effects(effects, city, 5));
    EXPECT_EQ(r.stats.draw_calls, 2);
    r.stats = RenderStats{};
    const int64_t both_over = 5 + std::max(kBlastTicks, kBiteFlashTicks);
    r.draw_effects(view, describe_effects(effects, city, both_over));
    EXPECT_EQ(r.stats.draw_calls, 0);
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
    r.release();
}
