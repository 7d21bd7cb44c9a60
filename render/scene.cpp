#include "render/scene.h"

#include "actors/ant.h"
#include "actors/grenade.h"
#include "actors/hostage.h"
#include "actors/player.h"
#include "render/detail.h"
#include "render/mesh_handles.h"
#include "render/street_occlusion.h"

namespace {

constexpr size_t kCharacterParts = 5;

bool animated(const Actor& actor) {
    return actor.motion_mode == MotionSlide || actor.motion_mode == MotionTurnLeft ||
           actor.motion_mode == MotionTurnRight;
}

size_t wrap_frame(int frame) {
    return size_t(((frame % kAnimationFrames) + kAnimationFrames) % kAnimationFrames);
}

glm::vec3 drawn_at(const Actor& actor) {
    VisualPosition p = visual_position(actor);
    return glm::vec3(p.x, p.y, p.z);
}

void add_character(std::vector<MeshDraw>& list, const Actor& actor, const CharacterMeshes& parts,
                   int frame) {
    glm::vec3 at = drawn_at(actor);
    float angle = actor.facing_angle;
    float arm = angle + arm_swing_angle(actor, frame);
    float leg = angle + leg_swing_angle(actor, frame);
    list.push_back({parts.body, at, angle});
    list.push_back({parts.arm1, at, arm});
    list.push_back({parts.arm2, at, arm});
    list.push_back({parts.leg1, at, leg});
    list.push_back({parts.leg2, at, leg});
}

// The body only while visible; a knocked-out ant still shows its legs.
void add_ant(std::vector<MeshDraw>& list, const Ant& ant, int frame) {
    glm::vec3 at = drawn_at(ant);
    if (ant.visible) list.push_back({MeshAntBody, at, ant.facing_angle});
    for (int leg = 1; leg <= kAntLegs; ++leg) {
        list.push_back({MeshAntLeg1 + leg - 1, at,
                        ant.facing_angle + ant_leg_swing_angle(ant, leg, frame)});
    }
}

}  // namespace

float arm_swing_angle(const Actor& actor, int frame) {
    return animated(actor) ? kArmSwing[wrap_frame(frame)] * kDegreesToRadians : 0.0f;
}

float leg_swing_angle(const Actor& actor, int frame) {
    return animated(actor) ? kLegSwing[wrap_frame(frame)] * kDegreesToRadians : 0.0f;
}

// Legs 1, 3 and 5 swing one way, 2, 4 and 6 the other.
float ant_leg_swing_angle(const Actor& ant, int leg, int frame) {
    if (!animated(ant)) return 0.0f;
    return (leg % 2 == 1 ? kAntSwingA : kAntSwingB)[wrap_frame(frame)] * kDegreesToRadians;
}

CharacterMeshes character_meshes(bool girl) {
    if (girl) return {MeshGirlBody, MeshGirlArm1, MeshGirlArm2, MeshLeg1, MeshLeg2};
    return {MeshBoyBody, MeshBoyArm1, MeshBoyArm2, MeshLeg1, MeshLeg2};
}

std::vector<MeshDraw> actor_draws(const Player& player, const Hostage& hostage,
                                  const Grenade& grenade, const std::vector<Ant>& ants,
                                  bool player_is_girl, bool free_camera, int frame) {
    std::vector<MeshDraw> list;
    list.reserve(2 * kCharacterParts + 1 + ants.size() * (kAntLegs + 1));
    if (free_camera) add_character(list, player, character_meshes(player_is_girl), frame);
    add_character(list, hostage, character_meshes(!player_is_girl), frame);
    if (grenade.visible) list.push_back({MeshGrenade, drawn_at(grenade), grenade.facing_angle});
    for (const Ant& ant : ants) add_ant(list, ant, frame);
    return list;
}

void draw_scene(Renderer& renderer, const FrameView& view, const CityGrid& city,
                const Player& player, const Hostage& hostage, const Grenade& grenade,
                const std::vector<Ant>& ants, bool player_is_girl, int frame) {
    // Which actors to draw is settled before any drawing.
    std::vector<MeshDraw> draws = draws_in_view(
        actor_draws(player, hostage, grenade, ants, player_is_girl, view.free_camera, frame),
        view.frustum);
    if (view.perspective) draws = draws_not_hidden(draws, city, view.eye);
    if (renderer.use_far_detail) {
        draws = draws_at_detail(draws, view, view.picture_height,
                                loaded_far_twins(renderer.vertex_counts));
    }
    renderer.draw_city(city, MeshCube, view);
    renderer.draw_meshes(view, draws);
}
