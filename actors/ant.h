#pragma once
#include <SFML/System/Clock.hpp>

#include "actors/actor.h"

enum AntState : int32_t {
    AntWalk = 0,
    AntReady = 1,
    AntTurn = 2,
    AntStomped = 3,
    AntBlasted = 4,
    AntDestroyed = 5,
    AntParalysed = 6,
};

constexpr int32_t kAntScentDecayPercent = 10;
constexpr int32_t kAntSightRange = 20;
constexpr int32_t kAntStartBiteDamage = 1;

struct Ant : Actor {
    int32_t state = AntWalk;
    int32_t target_facing = 0;
    const Actor* quarry = nullptr;
    int32_t scent_decay_percent = kAntScentDecayPercent;
    int32_t sight_range = kAntSightRange;
    sf::Clock bite_clock;  // real time; a copy keeps the original's start time
    int32_t bite_damage = kAntStartBiteDamage;
    bool turn_decrements = false;

    Ant();
};
