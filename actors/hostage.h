#pragma once
#include "actors/actor.h"

enum HostageState : int32_t {
    HostageWalk = 0,
    HostageFollow = 1,
    HostageRise = 2,
    HostageFall = 3,
    HostageStunned = 4,
    HostageTurn = 5,
    HostageCaptive = 6,
    HostageDead = 7,
    HostageBitten = 8,
};

constexpr int32_t kHostageStartHealth = 20;

struct Hostage : Actor {
    int32_t state = 0;
    int32_t health = kHostageStartHealth;
    int32_t hop_in_place = 0;
    int32_t target_facing = 0;
    int32_t climb_request = 0;
    int32_t fall_steps = 0;
    int32_t stun_steps = 0;
    int32_t climbing = 0;

    Hostage();
};
