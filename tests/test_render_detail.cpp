// The ants' level of detail: which ants take their far meshes, and that a
// far ant looks like the full one at the sizes it is drawn at.
#include <gtest/gtest.h>

#include <cmath>

#include "actors/ant.h"
#include "actors/grenade.h"
#include "actors/hostage.h"
#include "actors/player.h"
#include "render/detail.h"
#include "render/scene.h"
#include "render_city_helpers.h"
#include "render_gl_helpers.h"

namespace {

constexpr float kPicturePixels = float(gl_test::kHeight);

std::vector<int32_t> meshes_of_draws(const std::vector<MeshDraw>& draws) {
    std::vector<int32_t> meshes;
    for (const MeshDraw& d : draws) meshes.push_back(d.mesh);
    return meshes;
}

bool ant_mesh(int32_t mesh) {
    return mesh == MeshAntBody || (mesh >= MeshAntLeg1 && mesh < MeshAntLeg1 + kAntLegs);
}

// The game's camera looking along +y from (40, 10, 3), world units.
FrameView view_along_y(bool use_orthographic) {
    return render_test::look(camera_projection(use_orthographic), {40, 10, 3}, {0, 1, 0});
}

// Ants in rows across the view, one row at each world distance ahead of
// the eye, standing on the street and walking.
std::vector<Ant> rows_of_ants(const std::vector<float>& distances, int per_row) {
    std::vector<Ant> ants;
    for (float distance : distances) {
        for (int i = 0; i < per_row; ++i) {
            Ant ant;
            ant.pos_x = 20.0f + 2.0f * float(i - per_row / 2) * distance / 40.0f;
            ant.pos_y = (10.0f + distance) / 2.0f;
            ant.pos_z = 1.0f;
            ant.facing_angle = 0.7f * float(i);
            ant.motion_mode = MotionSlide;
            ant.visible = i % 3 != 2;  // some knocked out, legs only
            ants.push_back(ant);
        }
    }
    return ants;
}

}  // namespace

TEST(FarDetail, SmallAntsTakeTheFarMeshesNearOnesAndOthersKeepTheirs) {
    FrameView view = view_along_y(false);
    // A cell d units ahead spans the picture height over tan(22.5 deg) d.
    float d = 100.0f;
    EXPECT_NEAR(cell_span_pixels(view, kPicturePixels, {20, 55, 1.5f}),
                kPicturePixels / std::tan(0.3926991f) / d, 0.05f);
    EXPECT_TRUE(std::isinf(cell_span_pixels(view, kPicturePixels, {20, 4, 1.5f})));  // behind

    std::vector<int32_t> counts(kMeshCount, 100);
    std::vector<int32_t> twins = loaded_far_twins(counts);
    Player player;
    Hostage hostage;
    Grenade grenade;
    for (Actor* a : std::initializer_list<Actor*>{&player, &hostage, &grenade}) {
        a->pos_x = 20;
        a->pos_y = 80;  // far away, but not an ant
        a->pos_z = 1;
    }
    grenade.visible = true;
    std::vector<Ant> ants = rows_of_ants({20.0f, 150.0f}, 3);
    std::vector<MeshDraw> list = actor_draws(player, hostage, grenade, ants, true, true, 2);
    std::vector<MeshDraw> chosen = draws_at_detail(list, view, kPicturePixels, twins);
    ASSERT_EQ(chosen.size(), list.size());
    for (size_t i = 0; i < list.size(); ++i) {
        EXPECT_EQ(chosen[i].position, list[i].position);
        EXPECT_EQ(chosen[i].angle, list[i].angle);
        // The near row spans about 90 pixels, the far one about 12.
        bool far_ant = ant_mesh(list[i].mesh) && list[i].position.y > 40.0f;
        int32_t expected = list[i].mesh;
        if (far_ant) expected = list[i].mesh == MeshAntBody ? MeshAntBodyFar
                                                            : list[i].mesh - MeshAntLeg1 + MeshAntLeg1Far;
        EXPECT_EQ(chosen[i].mesh, expected) << i;
    }
    // The same pixels from a larger picture: the far ones come nearer.
    EXPECT_EQ(meshes_of_draws(draws_at_detail(list, view, 20.0f * kPicturePixels, twins)),
              meshes_of_draws(list));

    // The orthographic view shows a few cells across: never far.
    FrameView flat = view_along_y(true);
    EXPECT_EQ(meshes_of_draws(draws_at_detail(list, flat, kPicturePixels, twins)),
              meshes_of_draws(list));
    // A far model that failed to load leaves its mesh as it is.
    counts[MeshAntLeg1Far + 2] = 0;
    twins = loaded_far_twins(counts);
    EXPECT_EQ(twins[MeshAntLeg1 + 2], -1);
    EXPECT_EQ(twins[MeshAntLeg1 + 1], MeshAntLeg1Far + 1);
    EXPECT_EQ(loaded_far_twins({}).size(), size_t(0));
}

TEST(FarDetail, FarAntsLookLikeTheFullOnesAtTheSizesTheyAreDrawnAt) {
    REQUIRE_GL();
    Renderer r;
    gl_test::close_stdin();
    testing::internal::CaptureStdout();
    r.init(float(gl_test::kWidth), float(gl_test::kHeight));
    for (const char* path : kMeshFiles) r.add_mesh(path);
    testing::internal::GetCapturedStdout();
    for (const FarTwin& t : kFarTwins) {
        ASSERT_GT(r.vertex_counts[size_t(t.far)], 0);
        EXPECT_LT(3 * r.vertex_counts[size_t(t.far)], r.vertex_counts[size_t(t.mesh)]);
    }
    CityGrid city;
    city_test::build(city, {});
    r.render_shadow_map(city, MeshCube);
    // From above the street, so the rows lie one above the other.
    const FrameView view = render_test::look(camera_projection(false), {40, 10, 14},
                                             glm::normalize(glm::vec3(0, 1, -0.2f)));
    Player player;
    Hostage hostage;
    Grenade grenade;
    hostage.pos_y = -50;  // behind the eye
    std::vector<Ant> ants = rows_of_ants({44.0f, 62.0f, 93.0f, 155.0f}, 9);
    std::vector<MeshDraw> full =
        draws_in_view(actor_draws(player, hostage, grenade, ants, true, false, 3), view.frustum);
    std::vector<MeshDraw> far =
        draws_at_detail(full, view, kPicturePixels, loaded_far_twins(r.vertex_counts));
    gl_test::OffscreenTarget target;
    auto picture = [&](const std::vector<MeshDraw>& draws) {
        target.begin();
        r.draw_city(city, MeshCube, view);
        r.draw_meshes(view, draws);
        return target.read();
    };
    std::vector<unsigned char> street = picture({});
    std::vector<unsigned char> full_picture = picture(full);
    std::vector<unsigned char> far_picture = picture(far);
    int ant_pixels = render_test::differing_beyond_edges(full_picture, street);
    EXPECT_GT(ant_pixels, 1500);
    // Outlines move by a pixel here and there (about a sixth of the ant
    // pixels); a far model out of place or of another size moves whole ants.
    EXPECT_LE(render_test::differing_beyond_edges(far_picture, full_picture), ant_pixels / 4);
    EXPECT_LE(render_test::differing_beyond_edges(full_picture, far_picture), ant_pixels / 4);
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
    r.release();
}
