#include "actors/grenade.h"

#include <cmath>

#include "actors/ant.h"
#include "actors/hostage.h"
#include "actors/player.h"
#include "world/city_grid.h"
#include "actors/collision.h"

namespace {
bool same_cell(const Actor& a, const Actor& b) {
    return a.cell_x == b.cell_x && a.cell_y == b.cell_y && a.cell_z == b.cell_z;
}

int32_t code(const Grenade& g, int x, int y, int z) { return cell_code(*g.city, x, y, z); }

void arm(Grenade& g) {
    g.phase = GrenadeExploding;
    g.motion_mode = MotionNone;
}

// Climbing past an actor under an overhang, or dropping past one onto a
// block, would enter a solid cell: the grenade goes off where it is.
void climb(Grenade& g) {
    if (code(g, g.cell_x, g.cell_y, g.cell_z + 1) != CellEmpty) {
        arm(g);
        return;
    }
    rise_one_layer(g);
    g.phase = GrenadeClimbing;
    g.motion_mode = MotionLift;
}

void drop(Grenade& g) {
    if (code(g, g.cell_x, g.cell_y, g.cell_z - 1) != CellEmpty) {
        arm(g);
        return;
    }
    sink_one_layer(g);
    g.phase = GrenadeDropping;
    g.motion_mode = MotionLift;
}

void fly_to(Grenade& g, CellXY ahead) {
    g.cell_x = ahead.x;
    g.cell_y = ahead.y;
    g.phase = GrenadeFlying;
    g.motion_mode = MotionSlide;
}

// Ants already out of play (stomped, blasted, destroyed, paralysed) are
// not hit again.
bool ant_can_be_blasted(const Ant& ant) {
    return ant.state != AntStomped && ant.state != AntBlasted && ant.state != AntDestroyed &&
           ant.state != AntParalysed;
}

// The blast kills whoever stands in the grenade's own cell and knocks out
// every ant of its layer within the radius (distance truncated to cells).
void explode(Grenade& g, ActorRegistry& world) {
    g.play_sound();
    if (world.player && same_cell(*world.player, g)) world.player->state = PlayerDead;
    if (world.hostage && same_cell(*world.hostage, g)) world.hostage->state = HostageDead;
    if (world.ants) {
        for (Ant& ant : *world.ants) {
            if (ant.cell_z != g.cell_z || !ant_can_be_blasted(ant)) continue;
            if (within_blast(ant.cell_x - g.cell_x, ant.cell_y - g.cell_y, g.blast_radius)) {
                ant.state = AntBlasted;
            }
        }
    }
    g.phase = GrenadeHeld;
    g.visible = false;
}

// Forward in its layer: down a ledge, up a one-block obstacle, or on;
// running into an actor arms it in front of that actor.
void fly(Grenade& g, ActorRegistry& world) {
    if (code(g, g.cell_x, g.cell_y, g.cell_z - 1) == CellEmpty) {
        drop(g);
        return;
    }
    CellXY ahead = front_cell(g);
    if (code(g, ahead.x, ahead.y, g.cell_z) == CellBlock) {
        if (code(g, g.cell_x, g.cell_y, g.cell_z + 1) == CellBlock) arm(g);
        else climb(g);
        return;
    }
    if (occupant_at(world, ahead.x, ahead.y, g.cell_z) == OccupantNone) {
        fly_to(g, ahead);
    } else {
        g.phase = GrenadeExploding;  // keeps sliding toward the actor it hit
    }
}

// Rising past an obstacle, or over an actor, until the way ahead is free.
void keep_climbing(Grenade& g, ActorRegistry& world) {
    CellXY ahead = front_cell(g);
    if (code(g, ahead.x, ahead.y, g.cell_z) == CellBlock) {
        if (code(g, ahead.x, ahead.y, g.cell_z + 1) == CellBlock) arm(g);
        else climb(g);
        return;
    }
    if (probe_forward(world, g)) fly_to(g, ahead);
    else climb(g);
}

// Sinking down a ledge, or under an actor ahead. At the lowest layer there
// is nothing to sink into, so an actor ahead sets it off there.
void keep_dropping(Grenade& g, ActorRegistry& world) {
    if (code(g, g.cell_x, g.cell_y, g.cell_z - 1) == CellEmpty) {
        drop(g);
        return;
    }
    CellXY ahead = front_cell(g);
    if (code(g, ahead.x, ahead.y, g.cell_z) == CellBlock) {
        arm(g);
        return;
    }
    if (probe_forward(world, g)) fly_to(g, ahead);
    else if (g.cell_z <= kLowestActorLayer) arm(g);
    else drop(g);
}

// Every pass of flight, vertical or not, uses one step; at the last one
// the grenade is armed and explodes at the next pass.
bool flight_over(Grenade& g) {
    g.flight_steps -= 1;
    if (g.flight_steps >= 1) return false;
    arm(g);
    return true;
}
}  // namespace

bool within_blast(int32_t dx, int32_t dy, int32_t radius) {
    const double x = dx, y = dy;
    return std::trunc(std::sqrt(x * x + y * y)) <= double(radius);
}

void Grenade::decision_update(ActorRegistry& world) {
    snap_to_cell();
    switch (phase) {
    case GrenadeHeld: visible = false; break;
    case GrenadeExploding: explode(*this, world); break;
    case GrenadeFlying:
        if (!flight_over(*this)) fly(*this, world);
        break;
    case GrenadeClimbing:
        if (!flight_over(*this)) keep_climbing(*this, world);
        break;
    case GrenadeDropping:
        if (!flight_over(*this)) keep_dropping(*this, world);
        break;
    default: break;
    }
}
