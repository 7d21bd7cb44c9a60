#pragma once
#include "actors/actor.h"

struct ActorRegistry;
struct Grenade;

enum PlayerState : int32_t {
    PlayerWalk = 0,
    PlayerReady = 1,
    PlayerRise = 2,
    PlayerFall = 3,
    PlayerStunned = 4,
    PlayerTurn = 5,
    PlayerThrow = 6,
    PlayerDead = 7,
    PlayerBitten = 8,
};

constexpr int32_t kPlayerStartHealth = 20;
constexpr int32_t kPlayerStartAmmo = 20;
// A fall that passed over nothing more often than this stuns on landing.
constexpr int32_t kPlayerStunFallSteps = 3;
// Decision passes a stunned player stays idle.
constexpr int32_t kPlayerStunPasses = 20;
// The hostage is freed within this many cells in both column and row.
constexpr int32_t kHostageFreeDistance = 2;

struct Player : Actor {
    int32_t state = 0;
    Grenade* grenade = nullptr;
    int32_t hop_in_place = 0;
    int32_t health = kPlayerStartHealth;
    int32_t ammo = kPlayerStartAmmo;
    bool want_forward = false;
    bool want_jump = false;
    bool want_throw = false;
    bool want_turn = false;
    int32_t throw_range = 0;
    int32_t turn_right = 0;
    int32_t fall_steps = 0;
    int32_t stun_steps = 0;
    int32_t climbing = 0;
    int32_t edge_step_used = 0;
    bool nearer_hostage = false;

    Player();
    void clear_requests() { want_forward = want_jump = want_throw = want_turn = false; }

    // Once per decision pass, first among the actors: carries out the move
    // chosen at the previous pass and usually chooses the next one.
    void decision_update(ActorRegistry& world);
    // Chooses the next action from the support below and the requests.
    void decide(ActorRegistry& world);
};
