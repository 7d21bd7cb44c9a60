#include "actors/ant.h"

#include <cmath>
#include <cstdlib>

#include "actors/hostage.h"
#include "actors/player.h"
#include "actors/random_source.h"
#include "actors/scent_map.h"
#include "world/city_grid.h"
#include "actors/collision.h"

namespace {
// Only the eight cells around count: the integer part of the distance is 1.
bool within_bite(const Actor& ant, const Actor& victim) {
    if (victim.cell_z != ant.cell_z) return false;
    const double dx = double(victim.cell_x - ant.cell_x);
    const double dy = double(victim.cell_y - ant.cell_y);
    return std::trunc(std::sqrt(dx * dx + dy * dy)) == 1.0;
}

template <typename Victim>
void bite(Victim& victim, int32_t damage, int32_t bitten_code, int32_t dead_code) {
    victim.health -= damage;
    victim.state = victim.health > 0 ? bitten_code : dead_code;
}

int32_t turned(int32_t facing, int32_t by) { return ((facing + by) % 4 + 4) % 4; }
}  // namespace

bool Ant::cell_free(const ActorRegistry& world, int x, int y) const {
    return cell_code(*city, x, y, cell_z) != CellBlock &&
           occupant_at(world, x, y, cell_z) == OccupantNone;
}

void Ant::decision_update(ActorRegistry& world) {
    motion_mode = MotionNone;
    switch (state) {
    case AntWalk: {
        play_sound();
        const CellXY ahead = front_cell(*this);
        if (cell_free(world, ahead.x, ahead.y)) {
            cell_x = ahead.x;
            cell_y = ahead.y;
        }
        state = AntReady;
        decide(world);
        break;
    }
    case AntReady:
        try_bite(world);
        decide(world);
        break;
    case AntTurn:
        facing = turned(facing, turn_decrements ? -1 : 1);
        if (facing == target_facing) start_walk(world);
        break;
    case AntStomped:
        bite_damage = 0;
        break;
    case AntBlasted:
        visible = false;
        break;
    case AntParalysed:
        bite_damage = 0;
        break;
    default:
        break;
    }
    // The drawn heading is left to the turn motions; only the cell is snapped.
    snap_to_cell();
}

// The clock gates the roll, and every successful roll restarts it, even
// when nobody stands within reach.
void Ant::try_bite(ActorRegistry& world) {
    const double now = world.bite_time->now();
    if (bite_clock.elapsed_seconds(now) < kAntBiteInterval) return;
    if (world.random->draw() % 100 >= kAntBiteChancePercent) return;
    bite_clock.restart(now);
    Player* player = world.player;
    if (player != nullptr && player->state != PlayerBitten && within_bite(*this, *player)) {
        bite(*player, bite_damage, PlayerBitten, PlayerDead);
        return;
    }
    Hostage* hostage = world.hostage;
    if (hostage != nullptr && hostage->state != HostageBitten &&
        hostage->state != HostageCaptive && within_bite(*this, *hostage)) {
        bite(*hostage, bite_damage, HostageBitten, HostageDead);
    }
}

void Ant::decide(ActorRegistry& world) {
    if (quarry != nullptr) {
        const int32_t px = quarry->cell_x;
        const int32_t py = quarry->cell_y;
        if (std::abs(cell_x - px) <= sight_range && std::abs(cell_y - py) <= sight_range) {
            world.scent->at(cell_x, cell_y) += kAntScentDeposit;
            if (world.random->unit() <= kAntChaseChance) {
                chase(world, px, py);
                return;
            }
        }
    }
    if (follow_scent(world) != 0 && world.random->unit() <= kAntScentChance) return;
    wander(world);
}

void Ant::decay_scent(ActorRegistry& world) { world.scent->fade(scent_decay_percent); }
