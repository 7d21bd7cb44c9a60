#pragma once
#include "actors/actor.h"

enum GrenadePhase : int32_t {
    GrenadeExploding = 0,
    GrenadeHeld = 1,
    GrenadeFlying = 2,
    GrenadeClimbing = 3,
    GrenadeDropping = 4,
};

constexpr int32_t kDefaultBlastRadius = 2;

struct Grenade : Actor {
    int32_t flight_steps = 0;
    int32_t phase = 0;  // GrenadePhase; round set-up makes it GrenadeHeld
    int32_t blast_radius = kDefaultBlastRadius;

    Grenade();
};
