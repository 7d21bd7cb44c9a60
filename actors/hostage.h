#pragma once
#include <glm/vec3.hpp>
#include <vector>

#include "actors/actor.h"

struct ActorRegistry;

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
constexpr int32_t kHostageNearest = 2;    // closer than this it waits
constexpr int32_t kHostageFarthest = 7;   // farther than this it waits too
constexpr int32_t kHostageStunPasses = 20;
constexpr int32_t kHostageStunningFall = 3;  // more passes over nothing stun

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

    // One decision pass: finish the walk, rise, fall, stun, turn or hop in
    // progress, then follow the player where that is the next thing to do.
    void decision_update(ActorRegistry& world);
    // Waits, turns toward the player, walks or climbs one block.
    void decide(ActorRegistry& world);
};

// The captive's possible cells, in table order, built once.
const std::vector<glm::vec3>& hostage_spots();
