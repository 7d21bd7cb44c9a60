#pragma once
// A bare street-level world for the hostage, ant and round tests: ground
// only, blocks put by hand, actors placed by cell, and passes run one actor
// at a time so a test sees exactly what one update did. Random draws are
// scripted per test, the scent trail starts clean and the bite time at 0.
#include <vector>

#include "actors/ant.h"
#include "actors/grenade.h"
#include "actors/hostage.h"
#include "actors/player.h"
#include "actors/random_source.h"
#include "actors/round_setup.h"
#include "actors/scent_map.h"
#include "scene_builder.h"
#include "world/city_grid.h"
#include "actors/collision.h"

constexpr int kTicksPerDecision = 40;

struct RoundScene {
    CityGrid city;
    Player player;
    Grenade grenade;
    Hostage hostage;
    std::vector<Ant> ants;
    GameRandom random;
    ScentMap scent;
    BiteTime bite_time;
    ActorRegistry world;

    RoundScene() {
        city.init(std::vector<std::string>{});
        ants.reserve(kMaxAnts);  // references handed out stay valid
        world.player = &player;
        world.ants = &ants;
        world.random = &random;
        world.scent = &scent;
        world.bite_time = &bite_time;
        player.grenade = &grenade;
        grenade.phase = GrenadeHeld;
        put(player, {62, 137, 1});
        player.state = PlayerReady;
        put(grenade, {52, 126, 1});
    }
    RoundScene(const RoundScene&) = delete;
    RoundScene& operator=(const RoundScene&) = delete;

    void block(int x, int y, int z) { city.cells[z][cell_index(x, y)] = CellBlock; }
    void clear(int x, int y, int z) { city.cells[z][cell_index(x, y)] = CellEmpty; }

    void put(Actor& actor, CellCoord cell, int facing = 0) { place_actor(actor, city, cell, facing); }
    Ant& add_ant(CellCoord cell, int32_t state = AntReady, int facing = 0) {
        ants.emplace_back();
        Ant& ant = ants.back();
        put(ant, cell, facing);
        ant.state = state;
        ant.quarry = &player;
        return ant;
    }
    Hostage& add_hostage(CellCoord cell, int32_t state = HostageFollow, int facing = 0) {
        put(hostage, cell, facing);
        hostage.state = state;
        world.hostage = &hostage;
        return hostage;
    }

    // 40 ticks of the motion chosen last time, then the actor's own update.
    template <typename A>
    void pass(A& actor) {
        for (int t = 0; t < kTicksPerDecision; ++t) advance_motion(actor);
        actor.decision_update(world);
    }
};
