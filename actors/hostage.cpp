#include "actors/hostage.h"

#include <cmath>
#include <cstdlib>

#include "actors/player.h"
#include "world/city_grid.h"
#include "actors/collision.h"
#include "world/level_landmarks.h"

namespace {
// The captive's support is the grid alone: someone standing below holds
// nobody up.
bool over_nothing(const Hostage& h) { return !is_supported(h); }

void start_fall(Hostage& h) {
    h.state = HostageFall;
    h.step_z = -1.0f;
    h.motion_mode = MotionLift;
}

int32_t turned(int32_t facing, int32_t by) { return ((facing + by) % 4 + 4) % 4; }

// The walk chosen at the last pass: the cell ahead may have been taken
// since, and a walk onto a block it climbed ends with a support test.
void carry_out_walk(Hostage& h, ActorRegistry& world) {
    h.play_sound();
    const CellXY ahead = front_cell(h);
    if (may_enter(world, h, ahead)) {
        h.cell_x = ahead.x;
        h.cell_y = ahead.y;
    }
    if (h.climbing == 1) {
        h.climbing = 0;
        if (over_nothing(h)) {
            start_fall(h);
            return;
        }
    }
    h.state = HostageFollow;
    h.decide(world);
}

// Top of a rise: a bite's hop comes straight down, a climb walks onto the
// block, anything else drops back.
void finish_rise(Hostage& h, ActorRegistry& world) {
    rise_one_layer(h);
    if (h.hop_in_place == 1) {
        start_fall(h);
    } else if (h.climb_request == 1) {
        h.climb_request = 0;
        h.climbing = 1;
        h.state = HostageWalk;
        if (probe_forward(world, h)) h.motion_mode = MotionSlide;
    } else {
        h.fall_steps = 0;
        start_fall(h);
    }
}

// One layer down. Passes that end over nothing count toward the stun;
// landing after more than three of them stuns.
void continue_fall(Hostage& h, ActorRegistry& world) {
    const int32_t old_fall_steps = h.fall_steps;
    // A hop refused under a block comes down from the layer it stands on:
    // never sink into what holds the captive up.
    if (over_nothing(h)) sink_one_layer(h);
    if (over_nothing(h)) {
        start_fall(h);
        h.fall_steps = old_fall_steps + 1;
    } else {
        h.fall_steps = 0;
        if (old_fall_steps > kHostageStunningFall) {
            h.stun_steps = 0;
            h.state = HostageStunned;
        } else {
            h.state = HostageFollow;
            h.decide(world);
        }
    }
    if (h.hop_in_place == 1) h.hop_in_place = 0;
}

void stay_stunned(Hostage& h, ActorRegistry& world) {
    if (++h.stun_steps > kHostageStunPasses) {
        h.stun_steps = 0;
        h.state = HostageFollow;
        h.decide(world);
    }
}

// The quarter turn completes and the hostage decides again at once.
void complete_turn(Hostage& h, ActorRegistry& world) {
    h.facing = h.target_facing;
    h.state = HostageFollow;
    h.decide(world);
}

// A bite: the hostage hops in place, up at this pass and down at the next.
void start_hop(Hostage& h) {
    h.hop_in_place = 1;
    h.state = HostageRise;
    h.step_z = 1.0f;
    h.motion_mode = MotionLift;
}
}  // namespace

const std::vector<glm::vec3>& hostage_spots() {
    static const std::vector<glm::vec3> spots = [] {
        std::vector<glm::vec3> list;
        for (const CellCoord& c : kHostageSpots) list.emplace_back(float(c.x), float(c.y), float(c.z));
        return list;
    }();
    return spots;
}

void Hostage::decision_update(ActorRegistry& world) {
    motion_mode = MotionNone;
    switch (state) {
    case HostageWalk: carry_out_walk(*this, world); break;
    case HostageFollow: decide(world); break;
    case HostageRise: finish_rise(*this, world); break;
    case HostageFall: continue_fall(*this, world); break;
    case HostageStunned: stay_stunned(*this, world); break;
    case HostageTurn: complete_turn(*this, world); break;
    case HostageBitten: start_hop(*this); break;
    default: break;  // captive, dead: nothing moves
    }
    snap_to_cell();
    facing_angle = angle_for_facing(facing);
}

// Heads for the player along the longer axis (ties to the columns) while
// the truncated distance is 2 to 7; climbs a block in the way.
void Hostage::decide(ActorRegistry& world) {
    if (over_nothing(*this)) {
        start_fall(*this);
        return;
    }
    if (world.player == nullptr) return;
    const int32_t dx = world.player->cell_x - cell_x;
    const int32_t dy = world.player->cell_y - cell_y;
    const int32_t distance = int32_t(std::trunc(std::sqrt(double(dx) * dx + double(dy) * dy)));
    if (distance < kHostageNearest || distance > kHostageFarthest) return;

    int32_t wanted;
    if (std::abs(dx) < std::abs(dy)) {
        wanted = dy > 0 ? 2 : 0;
    } else {
        wanted = dx > 0 ? 3 : 1;
    }

    if (facing == wanted) {
        const CellXY ahead = front_cell(*this);
        if (cell_code(*city, ahead.x, ahead.y, cell_z) == CellBlock) {
            state = HostageRise;
            step_z = 1.0f;
            motion_mode = MotionLift;
            climb_request = 1;
        } else {
            state = HostageWalk;
            probe_forward(world, *this);
            motion_mode = MotionSlide;
        }
        return;
    }
    // Only a quarter to the right turns right; everything else, an
    // about-turn included, goes left a quarter at a time.
    state = HostageTurn;
    if (wanted == turned(facing, 1)) {
        target_facing = wanted;
        motion_mode = MotionTurnRight;
    } else {
        target_facing = turned(facing, -1);
        motion_mode = MotionTurnLeft;
    }
}
