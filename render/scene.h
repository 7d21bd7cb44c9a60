#pragma once
// One frame of the game world: the city, then the characters, the grenade
// and the ants, each drawn as body-part meshes with a swing animation. The
// actors become a list of mesh draws first (plain data, no OpenGL), which
// the renderer then draws for the frame's view.
#include <array>
#include <vector>

#include "app/loop_clock.h"
#include "render/draw_list.h"
#include "render/renderer.h"

struct Player;
struct Hostage;
struct Grenade;
struct Ant;
struct Actor;

constexpr float kDegreesToRadians = 0.017453292f;

// Swing angles in degrees per animation frame.
constexpr std::array<float, kAnimationFrames> kArmSwing = {7.5f, 15, 15, 7.5f, 0, -7.5f, -15, -15, -7.5f, 0};
constexpr std::array<float, kAnimationFrames> kLegSwing = {-7.5f, -15, -15, -7.5f, 0, 7.5f, 15, 15, 7.5f, 0};
constexpr std::array<float, kAnimationFrames> kAntSwingA = {-5, -10, -10, -5, 0, 5, 10, 10, 5, 0};
// Entry 3 is 1, not 5: the legs' stride is deliberately uneven there.
constexpr std::array<float, kAnimationFrames> kAntSwingB = {5, 10, 10, 1, 0, -5, -10, -10, -5, 0};

struct CharacterMeshes {
    int32_t body, arm1, arm2, leg1, leg2;
};

CharacterMeshes character_meshes(bool girl);

// Extra turn, in radians, of a character's arms and legs and of ant leg
// 1..6 at `frame`; zero unless the actor is sliding or turning.
float arm_swing_angle(const Actor& actor, int frame);
float leg_swing_angle(const Actor& actor, int frame);
float ant_leg_swing_angle(const Actor& ant, int leg, int frame);

// The actors' draws in drawing order: the player (with the free camera
// only) and the hostage as body, arm 1, arm 2, leg 1, leg 2; the grenade
// while visible; each ant in list order as its body (while visible) and legs
// 1 to 6. `animation_frame` is 0..9.
std::vector<MeshDraw> actor_draws(const Player& player, const Hostage& hostage,
                                  const Grenade& grenade, const std::vector<Ant>& ants,
                                  bool player_is_girl, bool free_camera, int animation_frame);

// The city, then the actors' draws in the frame's view, less those hidden
// behind street-level blocks, small ants with their far meshes. The player
// is drawn with the free camera only.
void draw_scene(Renderer& renderer, const FrameView& view, const CityGrid& city,
                const Player& player, const Hostage& hostage, const Grenade& grenade,
                const std::vector<Ant>& ants, bool player_is_girl, int animation_frame);
