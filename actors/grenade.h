#pragma once
#include "actors/actor.h"

struct ActorRegistry;

enum GrenadePhase : int32_t {
    GrenadeExploding = 0,
    GrenadeHeld = 1,
    GrenadeFlying = 2,
    GrenadeClimbing = 3,
    GrenadeDropping = 4,
};

constexpr int32_t kDefaultBlastRadius = 2;
// A throw of range r (0..3) flies 2 * (r + 1) passes.
constexpr int32_t kFlightStepsPerRange = 2;

// Whether a cell (dx, dy) cells from the blast, in its layer, is reached:
// the distance truncated to whole cells is at most the radius.
bool within_blast(int32_t dx, int32_t dy, int32_t radius);

struct Grenade : Actor {
    int32_t flight_steps = 0;
    int32_t phase = 0;  // GrenadePhase; round set-up makes it GrenadeHeld
    int32_t blast_radius = kDefaultBlastRadius;

    Grenade();

    // Once per decision pass, right after the player: flies, climbs, drops
    // or explodes.
    void decision_update(ActorRegistry& world);
};
