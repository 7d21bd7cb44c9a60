#pragma once
// Movement rules every actor shares: the cell ahead, who stands in a cell,
// whether the cell ahead may be entered, support, and stomping on ants.
#include <cstdint>
#include <vector>

#include "world/cell_rules.h"

struct Actor;
struct Player;
struct Hostage;
struct Ant;
struct BiteTime;
struct GameRandom;
struct ScentMap;

enum Occupant : int32_t {
    OccupantPlayer = 0,
    OccupantHostage = 1,
    OccupantGrenade = 2,
    OccupantAnt = 3,
    OccupantNone = 4,
};

// The actors of one world, as round set-up left them. It owns nothing.
// Each world (the game's, or one built by a test) has its own registry.
struct ActorRegistry {
    Player* player = nullptr;
    Hostage* hostage = nullptr;
    std::vector<Ant>* ants = nullptr;
    // The game's own random sources, ant trail and bite time.
    GameRandom* random = nullptr;
    ScentMap* scent = nullptr;
    const BiteTime* bite_time = nullptr;

    // The pack's size is the list's own: nothing else keeps a count.
    int32_t ant_count() const;
};

CellXY front_cell(const Actor& actor);
Occupant occupant_at(const ActorRegistry& world, int x, int y, int z);
// Whether the actor may enter `cell` in its own layer: no block there, and
// nobody but a grenade.
bool may_enter(const ActorRegistry& world, const Actor& actor, CellXY cell);
bool probe_forward(const ActorRegistry& world, Actor& actor);
void paralyse_ants_at(const ActorRegistry& world, int x, int y, int z);
// Ground or a block directly below (x, y, z).
bool is_supported(const Actor& actor);

// One layer up or down, with the matching lift step. Both refuse to leave
// the standing layers, a rise also refuses to enter a solid cell (under an
// arch or an overhang), and both answer whether the actor moved.
bool rise_one_layer(Actor& actor);
bool sink_one_layer(Actor& actor);
