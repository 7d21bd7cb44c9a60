#include "actors/collision.h"

#include "actors/ant.h"
#include "actors/grenade.h"
#include "actors/hostage.h"
#include "actors/player.h"
#include "world/city_grid.h"

namespace {
bool in_cell(const Actor& actor, int x, int y, int z) {
    return actor.cell_x == x && actor.cell_y == y && actor.cell_z == z;
}

// Ants knocked out by a grenade lie flat and leave their cell free.
bool ant_occupies(const Ant& ant) { return ant.state != AntBlasted && ant.state != AntDestroyed; }

// Already out of play ants are not stomped again.
bool ant_can_be_stomped(const Ant& ant) {
    return ant.state != AntStomped && ant.state != AntBlasted && ant.state != AntDestroyed &&
           ant.state != AntParalysed;
}
}  // namespace

CellXY front_cell(const Actor& actor) { return cell_ahead(actor.cell_x, actor.cell_y, actor.facing); }

int32_t ActorRegistry::ant_count() const { return ants ? int32_t(ants->size()) : 0; }

Occupant occupant_at(const ActorRegistry& world, int x, int y, int z) {
    if (world.player && in_cell(*world.player, x, y, z)) return OccupantPlayer;
    if (world.hostage && in_cell(*world.hostage, x, y, z)) return OccupantHostage;
    if (world.player && world.player->grenade) {
        const Grenade& grenade = *world.player->grenade;
        if (grenade.phase != GrenadeHeld && in_cell(grenade, x, y, z)) return OccupantGrenade;
    }
    if (world.ants) {
        for (const Ant& ant : *world.ants) {
            if (ant_occupies(ant) && in_cell(ant, x, y, z)) return OccupantAnt;
        }
    }
    return OccupantNone;
}

bool may_enter(const ActorRegistry& world, const Actor& actor, CellXY cell) {
    const int z = actor.cell_z;
    if (actor.city && cell_code(*actor.city, cell.x, cell.y, z) == CellBlock) return false;
    const Occupant who = occupant_at(world, cell.x, cell.y, z);
    return who == OccupantGrenade || who == OccupantNone;
}

// Answers whether the cell ahead may be entered and sets the slide step
// toward it. Across the wrap seam the step keeps the sign of the raw
// difference, so that one slide is drawn the wrong way round.
bool probe_forward(const ActorRegistry& world, Actor& actor) {
    actor.step_x = 0.0f;
    actor.step_y = 0.0f;
    CellXY ahead = front_cell(actor);
    if (!may_enter(world, actor, ahead)) return false;
    if (ahead.y != actor.cell_y) actor.step_y = ahead.y < actor.cell_y ? -1.0f : 1.0f;
    if (ahead.x != actor.cell_x) actor.step_x = ahead.x < actor.cell_x ? -1.0f : 1.0f;
    return true;
}

void paralyse_ants_at(const ActorRegistry& world, int x, int y, int z) {
    if (!world.ants) return;
    for (Ant& ant : *world.ants) {
        if (in_cell(ant, x, y, z) && ant_can_be_stomped(ant)) ant.state = AntStomped;
    }
}

bool is_supported(const Actor& actor) {
    if (!actor.city) return true;
    return cell_code(*actor.city, actor.cell_x, actor.cell_y, actor.cell_z - 1) != CellEmpty;
}

bool rise_one_layer(Actor& actor) {
    actor.step_z = 1.0f;
    if (actor.cell_z >= kHighestActorLayer) return false;
    if (actor.city &&
        cell_code(*actor.city, actor.cell_x, actor.cell_y, actor.cell_z + 1) != CellEmpty)
        return false;
    actor.cell_z += 1;
    return true;
}

bool sink_one_layer(Actor& actor) {
    actor.step_z = -1.0f;
    if (actor.cell_z <= kLowestActorLayer) return false;
    actor.cell_z -= 1;
    return true;
}
