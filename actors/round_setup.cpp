#include "actors/round_setup.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "actors/grenade.h"
#include "actors/hostage.h"
#include "actors/player.h"
#include "actors/random_source.h"
#include "world/city_grid.h"
#include "actors/collision.h"
#include "world/level_landmarks.h"

namespace {
constexpr int kFreeCellSpan = 128;  // 10 .. 137: the inside of the wall and the ring
constexpr int kFreeCellFirst = 10;
// The level has thousands of free street cells: running out of draws means
// the source never comes to one (a full street, a scripted source run dry).
constexpr int kFreeCellDraws = 10000;

// Nothing of the last round's animation carries over: a motion left running
// would go on turning or sliding the drawn actor away from its cell.
void place(Actor& actor, const CityGrid& city, const CellCoord& cell) {
    actor.city = &city;
    actor.cell_x = cell.x;
    actor.cell_y = cell.y;
    actor.cell_z = cell.z;
    actor.facing = 0;
    actor.facing_angle = angle_for_facing(actor.facing);
    actor.motion_mode = MotionNone;
    actor.snap_to_cell();
}

CellCoord cell_of(const glm::vec3& v) { return {int32_t(v.x), int32_t(v.y), int32_t(v.z)}; }
}  // namespace

void make_first_ants(std::vector<Ant>& ants, std::vector<glm::vec3>& ant_starts) {
    ants.clear();
    ants.reserve(kMaxAnts);
    ants.resize(kAntStartCount);
    ant_starts.clear();
    ant_starts.reserve(kMaxAnts);
    for (const CellCoord& c : kAntStartCells) ant_starts.emplace_back(float(c.x), float(c.y), float(c.z));
}

glm::vec3 random_free_cell(const CityGrid& city, const ActorRegistry& world) {
    auto is_free = [&](int x, int y) {
        return cell_at(city, x, y, 1) != CellBlock && occupant_at(world, x, y, 1) == OccupantNone;
    };
    for (int draw = 0; draw < kFreeCellDraws; ++draw) {
        const int x = world.random->draw() % kFreeCellSpan + kFreeCellFirst;
        const int y = world.random->draw() % kFreeCellSpan + kFreeCellFirst;
        if (is_free(x, y)) return {float(x), float(y), 1.0f};
    }
    // A source that keeps drawing taken cells must not hold the game for ever.
    for (int x = kFreeCellFirst; x < kFreeCellFirst + kFreeCellSpan; ++x)
        for (int y = kFreeCellFirst; y < kFreeCellFirst + kFreeCellSpan; ++y)
            if (is_free(x, y)) return {float(x), float(y), 1.0f};
    std::fprintf(stderr, "No free street cell left for a new ant\n");
    std::exit(EXIT_FAILURE);
}

namespace {
// The player at the start cell, full health and ammunition, standing still.
void start_player(const CityGrid& city, Player& player, ActorRegistry& world) {
    player.health = kPlayerStartHealth;
    player.ammo = kPlayerStartAmmo;
    world.player = &player;
    place(player, city, kPlayerStartCell);
    player.state = PlayerReady;
    player.clear_requests();
    // A bite's hop or a fall cut short by the round's end must not finish in
    // the next round (a lost first climb, a stun after a one-block drop).
    player.hop_in_place = 0;
    player.fall_steps = 0;
}

// The captive at `spot`, full health, held there.
void start_hostage(const CityGrid& city, Hostage& hostage, const glm::vec3& spot,
                   ActorRegistry& world) {
    hostage.health = kHostageStartHealth;
    world.hostage = &hostage;
    place(hostage, city, cell_of(spot));
    hostage.climb_request = 0;
    hostage.fall_steps = 0;
    hostage.stun_steps = 0;
    hostage.climbing = 0;
    hostage.state = HostageCaptive;
}
}  // namespace

// The order matters: new ant cells are drawn with the player and the captive
// already in their new places and the old pack where the last round left it.
void setup_round(const CityGrid& city, Grenade& grenade, Player& player, Hostage& hostage,
                 std::vector<Ant>& ants, std::vector<glm::vec3>& ant_starts, int32_t round_index,
                 bool& hero_message_pending, ActorRegistry& world) {
    hero_message_pending = true;
    const glm::vec3 spot = hostage_spots()[size_t(world.random->draw() % kHostageSpotCount)];

    place(grenade, city, kGrenadeRestCell);
    grenade.phase = GrenadeHeld;
    grenade.flight_steps = 0;

    start_player(city, player, world);
    start_hostage(city, hostage, spot, world);

    // Keep the room for the largest pack so no ant moves in memory.
    ants.reserve(kMaxAnts);
    ant_starts.reserve(kMaxAnts);
    const int64_t wanted = int64_t(kAntsPerRound) * (int64_t(round_index) + 1);
    if (int64_t(ants.size()) > wanted) {
        ants.resize(size_t(wanted));
        ant_starts.resize(std::min(ants.size(), ant_starts.size()));
    }
    // The draws below see the old pack where the last round left it; a
    // newcomer stands in no street cell until it is placed.
    world.ants = &ants;

    while (int64_t(ants.size()) != wanted && ants.size() < size_t(kMaxAnts)) {
        ants.push_back(Ant());  // a copy of a fresh ant: it gets its own sound
        ants.back().bite_clock.restart(world.bite_time->now());
        ant_starts.push_back(random_free_cell(city, world));
    }
    while (ant_starts.size() < ants.size()) ant_starts.push_back(random_free_cell(city, world));

    for (size_t i = 0; i < ants.size(); ++i) {
        Ant& ant = ants[i];
        ant.quarry = &player;
        const glm::vec3& start = ant_starts[i];
        place(ant, city, {int32_t(start.x), int32_t(start.y), 1});
        ant.state = AntWalk;
        ant.visible = true;
    }

    player.grenade = &grenade;
}
