#pragma once
// A small world for tests: blocks drawn as text rows around a spot, actors
// placed by cell, and decision passes run in the order of the game loop
// (40 ticks of animation, then player, grenade, hostage, ants).
//
//   Scene s;
//   s.blocks({60, 130, 1}, {"..#..",
//                           ".###."});   // row y = 130, 131 of layer 1
//   s.place_player({62, 137, 1}, 0);
//   s.add_ant({62, 135, 1});
//   s.before_pass = [&] { s.player.want_forward = true; };
//   s.run_passes(2);
#include <functional>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "actors/ant.h"
#include "actors/grenade.h"
#include "actors/hostage.h"
#include "actors/player.h"
#include "actors/random_source.h"
#include "actors/scent_map.h"
#include "world/city_grid.h"
#include "actors/collision.h"
#include "world/level_landmarks.h"

// Puts an actor in a cell, standing still, drawn where it stands.
inline void place_actor(Actor& actor, const CityGrid& city, CellCoord cell, int facing) {
    actor.city = &city;
    actor.cell_x = cell.x;
    actor.cell_y = cell.y;
    actor.cell_z = cell.z;
    actor.facing = facing;
    actor.facing_angle = angle_for_facing(facing);
    actor.motion_mode = MotionNone;
    actor.snap_to_cell();
}

namespace scene_detail {
// Calls an actor's decision update when its type has one taking the world,
// so the builder works for actors whose behaviour is not written yet.
template <typename T, typename = void>
struct HasDecisionUpdate : std::false_type {};
template <typename T>
struct HasDecisionUpdate<T, std::void_t<decltype(std::declval<T&>().decision_update(
                                std::declval<ActorRegistry&>()))>> : std::true_type {};

template <typename T, typename = void>
struct HasDecayScent : std::false_type {};
template <typename T>
struct HasDecayScent<T, std::void_t<decltype(std::declval<T&>().decay_scent())>>
    : std::true_type {};

template <typename T>
void decide(T& actor, ActorRegistry& world) {
    if constexpr (HasDecisionUpdate<T>::value) actor.decision_update(world);
}

template <typename T>
void decay(T& first_ant) {
    if constexpr (HasDecayScent<T>::value) first_ant.decay_scent();
}
}  // namespace scene_detail

constexpr int kTicksPerPass = 40;

struct Scene {
    CityGrid city;
    Player player;
    Grenade grenade;
    Hostage hostage;
    bool has_hostage = false;
    std::vector<Ant> ants;
    GameRandom random;
    ScentMap scent;
    BiteTime bite_time;
    ActorRegistry world;

    // Runs at the start of every decision pass, where the game polls keys.
    std::function<void()> before_pass;
    // Replace these to still or script the hostage and the ants.
    std::function<void()> hostage_update;
    std::function<void(Ant&)> ant_update;

    // An empty city (ground only) with the player ready in the gate and the
    // grenade held at its resting cell, as round set-up leaves them.
    Scene() {
        city.init(std::vector<std::string>{});
        world.player = &player;
        world.ants = &ants;
        world.random = &random;
        world.scent = &scent;
        world.bite_time = &bite_time;
        player.grenade = &grenade;
        place_player(kPlayerStartCell, 0);
        player.state = PlayerReady;
        place(grenade, kGrenadeRestCell, 0);
        grenade.phase = GrenadeHeld;
        hostage.city = &city;
    }
    Scene(const Scene&) = delete;
    Scene& operator=(const Scene&) = delete;

    // Text rows of one layer: row i is y = origin.y + i, character j is
    // x = origin.x + j; '#' puts a block, '.' clears, anything else is skipped.
    void blocks(CellCoord origin, const std::vector<std::string>& rows) {
        for (size_t i = 0; i < rows.size(); ++i) {
            for (size_t j = 0; j < rows[i].size(); ++j) {
                int x = origin.x + int(j), y = origin.y + int(i);
                if (rows[i][j] == '#') set_cell(x, y, origin.z, CellBlock);
                if (rows[i][j] == '.') set_cell(x, y, origin.z, CellEmpty);
            }
        }
    }
    // A pillar of blocks in layers 1..height.
    void column(int x, int y, int height) {
        for (int z = 1; z <= height; ++z) set_cell(x, y, z, CellBlock);
    }
    void set_cell(int x, int y, int z, int32_t code) { city.cells[z][cell_index(x, y)] = code; }

    void place(Actor& actor, CellCoord cell, int facing) { place_actor(actor, city, cell, facing); }
    void place_player(CellCoord cell, int facing = 0) { place(player, cell, facing); }
    Hostage& add_hostage(CellCoord cell, int32_t state = HostageCaptive, int facing = 0) {
        place(hostage, cell, facing);
        hostage.state = state;
        has_hostage = true;
        world.hostage = &hostage;
        return hostage;
    }
    // The reference holds only until the next add_ant grows the list.
    Ant& add_ant(CellCoord cell, int32_t state = AntWalk, int facing = 0) {
        ants.emplace_back();
        Ant& ant = ants.back();
        place(ant, cell, facing);
        ant.state = state;
        ant.quarry = &player;
        return ant;
    }

    // Keeps the hostage and the ants where they are, whatever they would do.
    void hold_others_still() {
        hostage_update = [] {};
        ant_update = [](Ant&) {};
    }

    void tick() {
        advance_motion(player);
        advance_motion(grenade);
        if (has_hostage) advance_motion(hostage);
        for (Ant& ant : ants) advance_motion(ant);
    }
    void decision_pass() {
        if (before_pass) before_pass();
        scene_detail::decide(player, world);
        scene_detail::decide(grenade, world);
        if (has_hostage) {
            if (hostage_update) hostage_update();
            else scene_detail::decide(hostage, world);
        }
        for (Ant& ant : ants) {
            if (ant_update) ant_update(ant);
            else scene_detail::decide(ant, world);
        }
        if (!ant_update && !ants.empty()) scene_detail::decay(ants[0]);
    }
    // Each pass: 40 ticks of animation, then the decision pass.
    void run_passes(int count) {
        for (int pass = 0; pass < count; ++pass) {
            for (int t = 0; t < kTicksPerPass; ++t) tick();
            decision_pass();
        }
    }
};
