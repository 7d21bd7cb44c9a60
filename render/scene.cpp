#include "render/scene.h"

#include "actors/ant.h"
#include "actors/grenade.h"
#include "actors/hostage.h"
#include "actors/player.h"
#include "render/camera.h"
#include "render/mesh_handles.h"

namespace {

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

void draw_character(Renderer& r, const Actor& actor, const CharacterMeshes& parts, int frame) {
    glm::vec3 at = drawn_at(actor);
    float angle = actor.facing_angle;
    float arm = angle + arm_swing_angle(actor, frame);
    float leg = angle + leg_swing_angle(actor, frame);
    r.draw_mesh(at, angle, parts.body);
    r.draw_mesh(at, arm, parts.arm1);
    r.draw_mesh(at, arm, parts.arm2);
    r.draw_mesh(at, leg, parts.leg1);
    r.draw_mesh(at, leg, parts.leg2);
}

// The body only while visible; a knocked-out ant still shows its legs.
void draw_ant(Renderer& r, const Ant& ant, int frame) {
    glm::vec3 at = drawn_at(ant);
    if (ant.visible) r.draw_mesh(at, ant.facing_angle, MeshAntBody);
    for (int leg = 1; leg <= kAntLegs; ++leg) {
        r.draw_mesh(at, ant.facing_angle + ant_leg_swing_angle(ant, leg, frame),
                    MeshAntLeg1 + leg - 1);
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

void draw_scene(Renderer& renderer, const CityGrid& city, const Player& player,
                const Hostage& hostage, const Grenade& grenade, const std::vector<Ant>& ants,
                bool player_is_girl, int frame) {
    renderer.draw_city(city, MeshCube);
    if (free_camera) draw_character(renderer, player, character_meshes(player_is_girl), frame);
    draw_character(renderer, hostage, character_meshes(!player_is_girl), frame);
    if (grenade.visible) renderer.draw_mesh(drawn_at(grenade), grenade.facing_angle, MeshGrenade);
    for (const Ant& ant : ants) draw_ant(renderer, ant, frame);
}
