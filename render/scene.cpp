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

glm::vec3 drawn_at(const Actor& actor) {
    VisualPosition p = visual_position(actor);
    return glm::vec3(p.x, p.y, p.z);
}

void draw_character(Renderer& r, const Actor& actor, const CharacterMeshes& parts, int frame) {
    glm::vec3 at = drawn_at(actor);
    float angle = actor.facing_angle;
    float arm = angle, leg = angle;
    if (animated(actor)) {
        arm = angle + kArmSwing[size_t(frame)] * kDegreesToRadians;
        leg = angle + kLegSwing[size_t(frame)] * kDegreesToRadians;
    }
    r.draw_mesh(at, angle, parts.body);
    r.draw_mesh(at, arm, parts.arm1);
    r.draw_mesh(at, arm, parts.arm2);
    r.draw_mesh(at, leg, parts.leg1);
    r.draw_mesh(at, leg, parts.leg2);
}

void draw_ant(Renderer& r, const Ant& ant, int frame) {
    glm::vec3 at = drawn_at(ant);
    float angle = ant.facing_angle;
    if (ant.visible) r.draw_mesh(at, angle, MeshAntBody);
    for (int leg = 0; leg < kAntLegs; ++leg) {
        float swing = 0.0f;
        if (animated(ant)) {
            // Legs 1, 3, 5 (even offsets) swing one way, 2, 4, 6 the other.
            swing = (leg % 2 == 0 ? kAntSwingA : kAntSwingB)[size_t(frame)] * kDegreesToRadians;
        }
        r.draw_mesh(at, angle + swing, MeshAntLeg1 + leg);
    }
}

}  // namespace

CharacterMeshes character_meshes(bool girl) {
    if (girl) return {MeshGirlBody, MeshGirlArm1, MeshGirlArm2, MeshLeg1, MeshLeg2};
    return {MeshBoyBody, MeshBoyArm1, MeshBoyArm2, MeshLeg1, MeshLeg2};
}

void draw_scene(Renderer& renderer, const CityGrid& city, const Player& player,
                const Hostage& hostage, const Grenade& grenade, const std::vector<Ant>& ants,
                bool player_is_girl, int animation_frame) {
    int frame = ((animation_frame % kAnimationFrames) + kAnimationFrames) % kAnimationFrames;
    renderer.draw_city(city, MeshCube);
    if (free_camera) draw_character(renderer, player, character_meshes(player_is_girl), frame);
    draw_character(renderer, hostage, character_meshes(!player_is_girl), frame);
    if (grenade.visible) renderer.draw_mesh(drawn_at(grenade), grenade.facing_angle, MeshGrenade);
    for (const Ant& ant : ants) draw_ant(renderer, ant, frame);
}
