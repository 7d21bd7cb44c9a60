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
    case HostageWalk: {
        play_sound();
        const CellXY ahead = front_cell(*this);
        const Occupant there = occupant_at(world, ahead.x, ahead.y, cell_z);
        if (cell_code(*city, ahead.x, ahead.y, cell_z) != CellBlock &&
            (there == OccupantGrenade || there == OccupantNone)) {
            cell_x = ahead.x;
            cell_y = ahead.y;
        }
        if (climbing == 1) {
            climbing = 0;
            if (over_nothing(*this)) {
                start_fall(*this);
                break;
            }
        }
        state = HostageFollow;
        decide(world);
        break;
    }
    case HostageFollow:
        decide(world);
        break;
    case HostageRise:
        rise_one_layer(*this);
        if (hop_in_place == 1) {
            start_fall(*this);
        } else if (climb_request == 1) {
            climb_request = 0;
            climbing = 1;
            state = HostageWalk;
            if (probe_forward(world, *this)) motion_mode = MotionSlide;
        } else {
            fall_steps = 0;
            start_fall(*this);
        }
        break;
    case HostageFall: {
        const int32_t old_fall_steps = fall_steps;
        // A hop refused under a block comes down from the layer it stands
        // on: never sink into what holds the captive up.
        if (over_nothing(*this)) sink_one_layer(*this);
        if (over_nothing(*this)) {
            start_fall(*this);
            fall_steps = old_fall_steps + 1;
        } else {
            fall_steps = 0;
            if (old_fall_steps > kHostageStunningFall) {
                stun_steps = 0;
                state = HostageStunned;
            } else {
                state = HostageFollow;
                decide(world);
            }
        }
        if (hop_in_place == 1) hop_in_place = 0;
        break;
    }
    case HostageStunned:
        if (++stun_steps > kHostageStunPasses) {
            stun_steps = 0;
            state = HostageFollow;
            decide(world);
        }
        break;
    case HostageTurn:
        facing = target_facing;
        state = HostageFollow;
        decide(world);
        break;
    case HostageBitten:
        hop_in_place = 1;
        state = HostageRise;
        step_z = 1.0f;
        motion_mode = MotionLift;
        break;
    default:
        break;  // captive, dead: nothing moves
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
