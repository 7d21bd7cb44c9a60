#include "actors/player.h"

#include <cmath>
#include <cstdlib>

#include "actors/grenade.h"
#include "actors/hostage.h"
#include "world/city_grid.h"
#include "actors/collision.h"

namespace {
int32_t cell_below(const Player& p) {
    return cell_code(*p.city, p.cell_x, p.cell_y, p.cell_z - 1);
}

void start_fall(Player& p) {
    p.state = PlayerFall;
    p.step_z = -1.0f;
    p.motion_mode = MotionLift;
}

int32_t turn_motion(const Player& p) {
    return p.turn_right != 0 ? MotionTurnRight : MotionTurnLeft;
}

// Sets nearer_hostage when the walk just chosen brings the player closer to
// the captive, by column first and else by row. Drives the SCAN indicator.
void near_hostage_test(Player& p, const ActorRegistry& world) {
    const Hostage* h = world.hostage;
    if (!h || h->state != HostageCaptive) return;
    int next_x = int(std::trunc(float(p.cell_x) + p.step_x));
    if (std::abs(h->cell_x - next_x) < std::abs(h->cell_x - p.cell_x)) {
        p.nearer_hostage = true;
        return;
    }
    int next_y = int(std::trunc(float(p.cell_y) + p.step_y));
    if (std::abs(h->cell_y - next_y) < std::abs(h->cell_y - p.cell_y)) p.nearer_hostage = true;
}

// Landing on someone: standing on another actor holds the player up, and
// coming down onto an ant paralyses it.
void land_on(Player& p, const ActorRegistry& world, Occupant below) {
    if (below == OccupantAnt) paralyse_ants_at(world, p.cell_x, p.cell_y, p.cell_z - 1);
}

// A walk chosen at the previous pass: the cell ahead may have been taken
// since, and a walk started from a jump ends with a support test.
void carry_out_walk(Player& p, ActorRegistry& world) {
    p.play_sound();
    const CellXY ahead = front_cell(p);
    if (may_enter(world, p, ahead)) {
        p.cell_x = ahead.x;
        p.cell_y = ahead.y;
    }
    if (p.climbing == 1) {
        p.climbing = 0;
        if (cell_below(p) == CellEmpty) {
            Occupant below = occupant_at(world, p.cell_x, p.cell_y, p.cell_z - 1);
            if (below == OccupantNone) {
                start_fall(p);
                return;
            }
            land_on(p, world, below);
        }
    }
    p.state = PlayerReady;
    p.decide(world);
}

// Top of a jump or of a bite's hop. A hop comes straight down; a jump with
// forward held walks on at the raised layer; otherwise the player drops
// back unless something now holds it up. At the top layer or under a block
// the rise is refused and the player stands on what is below, or comes down.
void finish_rise(Player& p, ActorRegistry& world) {
    bool rose = rise_one_layer(p);
    if (p.hop_in_place == 1) {
        start_fall(p);
        p.facing_angle = angle_for_facing(p.facing);
        return;
    }
    if (p.want_forward) {
        p.want_forward = false;
        p.climbing = 1;
        p.state = PlayerWalk;
        probe_forward(world, p);
        p.motion_mode = MotionSlide;
        near_hostage_test(p, world);
        return;
    }
    p.fall_steps = 0;
    if (!rose && cell_below(p) != CellEmpty) {
        p.state = PlayerReady;
        p.decide(world);
        return;
    }
    Occupant below = occupant_at(world, p.cell_x, p.cell_y, p.cell_z - 1);
    if (below == OccupantNone) {
        start_fall(p);
        return;
    }
    p.state = PlayerReady;
    land_on(p, world, below);
    p.decide(world);
}

// The end of a fall: more than three passes over nothing stun. Returns
// whether the player stands ready.
bool end_fall(Player& p, int32_t passes_over_nothing) {
    p.fall_steps = 0;
    if (passes_over_nothing > kPlayerStunFallSteps) {
        p.stun_steps = 0;
        p.state = PlayerStunned;
        return false;
    }
    p.state = PlayerReady;
    return true;
}

// One layer down. A pass that ends over nothing counts toward the stun,
// also when someone below then holds the player up.
void continue_fall(Player& p, ActorRegistry& world) {
    int32_t old_fall_steps = p.fall_steps;
    // Never sink into a block or below the lowest standing layer.
    if (cell_below(p) == CellEmpty) sink_one_layer(p);
    if (cell_below(p) == CellEmpty) {
        p.fall_steps += 1;
        Occupant below = occupant_at(world, p.cell_x, p.cell_y, p.cell_z - 1);
        if (below == OccupantNone) {
            start_fall(p);
        } else {
            end_fall(p, p.fall_steps);
            land_on(p, world, below);
        }
    } else if (end_fall(p, old_fall_steps)) {
        p.decide(world);
    }
    if (p.hop_in_place == 1) p.hop_in_place = 0;
}

void stay_stunned(Player& p, ActorRegistry& world) {
    p.stun_steps += 1;
    if (p.stun_steps > kPlayerStunPasses) {
        p.stun_steps = 0;
        p.state = PlayerReady;
        p.decide(world);
    }
}

// The quarter turn completes: the heading snaps to the table whatever the
// animation drew, and forward held starts the walk in the new direction.
void complete_turn(Player& p, ActorRegistry& world) {
    p.facing = p.turn_right != 0 ? (p.facing + 1) % 4 : (p.facing + 3) % 4;
    p.facing_angle = angle_for_facing(p.facing);
    p.state = PlayerReady;
    p.motion_mode = MotionNone;
    if (p.want_forward) {
        p.want_forward = false;
        if (probe_forward(world, p)) {
            p.state = PlayerWalk;
            p.motion_mode = MotionSlide;
        }
        near_hostage_test(p, world);
    }
}

void throw_grenade(Player& p, ActorRegistry& world) {
    if (Grenade* g = p.grenade) {
        p.ammo -= 1;
        g->cell_x = p.cell_x;
        g->cell_y = p.cell_y;
        g->cell_z = p.cell_z;
        g->facing = p.facing;
        g->flight_steps = kFlightStepsPerRange * (p.throw_range + 1);
        g->phase = GrenadeFlying;
        g->visible = true;
        g->motion_mode = MotionSlide;
        probe_forward(world, *g);
        g->snap_to_cell();
    }
    p.state = PlayerReady;
    p.decide(world);
}

// The captive follows once the player stands in its layer, close by.
void free_hostage_nearby(const Player& p, ActorRegistry& world) {
    Hostage* h = world.hostage;
    if (!h || h->state != HostageCaptive || h->cell_z != p.cell_z) return;
    if (std::abs(h->cell_x - p.cell_x) <= kHostageFreeDistance &&
        std::abs(h->cell_y - p.cell_y) <= kHostageFreeDistance) {
        h->state = HostageFollow;
    }
}
}  // namespace

void Player::decision_update(ActorRegistry& world) {
    motion_mode = MotionNone;
    switch (state) {
    case PlayerWalk: carry_out_walk(*this, world); break;
    case PlayerReady: decide(world); break;
    case PlayerRise: finish_rise(*this, world); break;
    case PlayerFall: continue_fall(*this, world); break;
    case PlayerStunned: stay_stunned(*this, world); break;
    case PlayerTurn: complete_turn(*this, world); break;
    case PlayerThrow: throw_grenade(*this, world); break;
    case PlayerBitten:
        state = PlayerRise;
        hop_in_place = 1;
        motion_mode = MotionLift;
        step_z = 1.0f;
        break;
    default: break;  // dead, or a code nobody handles
    }
    snap_to_cell();
    clear_requests();
}

void Player::decide(ActorRegistry& world) {
    probe_forward(world, *this);
    nearer_hostage = false;
    climbing = 0;

    // Above the ground layer: over nothing the player may take one more step
    // (the edge step) if forward is held, else falls unless it stands on
    // another actor.
    if (cell_z > 1) {
        bool over_nothing = cell_below(*this) == CellEmpty;
        if (over_nothing && want_forward && edge_step_used == 0) {
            edge_step_used = 1;
            state = PlayerWalk;
            probe_forward(world, *this);
            motion_mode = MotionSlide;
            near_hostage_test(*this, world);
        } else if (over_nothing) {
            if (occupant_at(world, cell_x, cell_y, cell_z - 1) == OccupantNone) {
                start_fall(*this);
                return;
            }
        } else {
            edge_step_used = 0;
        }
    }

    free_hostage_nearby(*this, world);

    if (want_forward && want_turn && !want_jump) {
        // Turn first; forward is honoured when the turn completes.
        want_turn = false;
        state = PlayerTurn;
        motion_mode = turn_motion(*this);
    } else if (want_jump) {
        want_jump = false;
        climbing = 1;
        state = PlayerRise;
        step_z = 1.0f;
        motion_mode = MotionLift;
    } else if (want_forward) {
        want_forward = false;
        if (probe_forward(world, *this)) {
            state = PlayerWalk;
            motion_mode = MotionSlide;
            near_hostage_test(*this, world);
        }
    } else if (want_throw) {
        want_throw = false;
        if (ammo > 0 && grenade && grenade->phase == GrenadeHeld) state = PlayerThrow;
    } else if (want_turn) {
        want_turn = false;
        state = PlayerTurn;
        motion_mode = turn_motion(*this);
    }
    clear_requests();
}
