#pragma once
#include "actors/actor.h"

struct ActorRegistry;

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
constexpr int32_t kAntScentDeposit = 60;
constexpr float kAntBiteInterval = 3.0f;   // seconds of real time between bite rolls
constexpr int kAntBiteChancePercent = 20;  // per decision pass, once the clock allows
// Draws are compared in single precision, except the blocked-leg switch,
// which is compared as a double (0.9f itself stays on the y leg).
constexpr float kAntChaseChance = 0.95f;
constexpr float kAntScentChance = 0.85f;
constexpr double kAntBlockedSwitchAxis = 0.9;
constexpr float kAntWanderKeep = 0.1f;       // keep the state when the way is clear
constexpr float kAntWanderLeft = 0.2f;       // up to here: quarter turn left
constexpr float kAntWanderRight = 0.3f;      // up to here: quarter turn right
constexpr float kAntSideCoinLeft = 0.5f;     // blocked ahead: left at or below

constexpr double kBiteTicksPerSecond = 100.0;

// What the bite clocks read, owned by the game. With the real pace it counts
// the game's play ticks (300 ticks are the 3 s), so a game plays alike at any
// frame rate and in a replay; with the frame pace it is the platform's clock,
// menus included, set by the loop at every pass.
struct BiteTime {
    bool counts_ticks = true;
    int64_t ticks = 0;  // play ticks of this game
    double wall_seconds = 0.0;

    double now() const { return counts_ticks ? double(ticks) / kBiteTicksPerSecond : wall_seconds; }
};

// Stopwatch of the bite, read against the game's BiteTime. Tests wind it
// forward instead of waiting; a restart clears the winding.
struct BiteClock {
    double started = 0.0;
    float wound_seconds = 0.0f;

    float elapsed_seconds(double now) const { return float(now - started) + wound_seconds; }
    void restart(double now) {
        started = now;
        wound_seconds = 0.0f;
    }
    // As if the last roll were long ago: the next pass may roll.
    void make_ready(double now) {
        started = now - kAntBiteInterval;
        wound_seconds = 0.0f;
    }
};

struct Ant : Actor {
    int32_t state = AntWalk;
    int32_t target_facing = 0;
    const Actor* quarry = nullptr;
    int32_t scent_decay_percent = kAntScentDecayPercent;
    int32_t sight_range = kAntSightRange;
    BiteClock bite_clock;
    int32_t bite_damage = kAntStartBiteDamage;
    bool turn_decrements = false;  // turn steps subtract 1 from facing when set

    Ant();

    // One decision pass: carry out the planned step, bite or turn, then choose.
    void decision_update(ActorRegistry& world);
    // Bites the player, else a freed hostage, in one of the eight cells around.
    void try_bite(ActorRegistry& world);
    // Chase when the quarry is in sight, else follow scent, else wander.
    void decide(ActorRegistry& world);
    void chase(ActorRegistry& world, int32_t px, int32_t py);
    int32_t follow_scent(ActorRegistry& world);
    void wander(ActorRegistry& world);
    // Fades the whole scent map by this ant's `scent_decay_percent`.
    void decay_scent(ActorRegistry& world);

    void start_walk(ActorRegistry& world);
    // Starts the quarter turn that heads for `wanted` from the current facing.
    void start_turn_toward(int32_t wanted);
    // Not a block in the ant's layer and nobody there (a flying grenade counts).
    bool cell_free(const ActorRegistry& world, int x, int y) const;
};
