// How an ant chooses its next move: the greedy chase, the scent trail and
// the idle wander, plus the walk and turn starts they share.
#include <cstdlib>

#include "actors/ant.h"
#include "actors/random_source.h"
#include "actors/scent_map.h"
#include "world/city_grid.h"
#include "actors/collision.h"

namespace {
struct TurnStart {
    int32_t target_facing;
    bool turn_decrements;
    int32_t motion_mode;
};

// [wanted facing][current facing]. A turn step adds 1 to `facing` unless
// `turn_decrements` is set, so every quarter turn here is three steps round
// the other way, while the motion turns the drawn heading its one quarter.
// An ant facing away aims a quarter to one side first.
constexpr TurnStart kChaseTurns[4][4] = {
    /* wanted 0 */ {{0, false, MotionNone}, {0, false, MotionTurnLeft},
                    {3, true, MotionTurnRight}, {0, true, MotionTurnRight}},
    /* wanted 1 */ {{1, true, MotionTurnRight}, {1, false, MotionNone},
                    {1, false, MotionTurnLeft}, {0, true, MotionTurnRight}},
    /* wanted 2 */ {{3, false, MotionTurnLeft}, {2, true, MotionTurnRight},
                    {2, false, MotionNone}, {2, false, MotionTurnLeft}},
    /* wanted 3 */ {{3, false, MotionTurnLeft}, {0, false, MotionTurnLeft},
                    {3, true, MotionTurnRight}, {3, false, MotionNone}},
};

int32_t turned(int32_t facing, int32_t by) { return ((facing + by) % 4 + 4) % 4; }

// The neighbour one step toward `facing`, wrapping at the city's edges the
// way the cell ahead does.
CellXY neighbour(int32_t x, int32_t y, int32_t facing) {
    static constexpr int32_t kStepX[4] = {0, -1, 0, 1};
    static constexpr int32_t kStepY[4] = {-1, 0, 1, 0};
    const auto wrap = [](int32_t v) { return (kCityRows + v % kCityRows) % kCityRows; };
    CellXY cell{x, y};
    if (kStepX[facing] != 0) cell.x = wrap(x + kStepX[facing]);
    if (kStepY[facing] != 0) cell.y = wrap(y + kStepY[facing]);
    return cell;
}

struct ScentCandidate {
    int32_t running_total;
    int32_t facing;
};
}  // namespace

void Ant::start_walk(ActorRegistry& world) {
    state = AntWalk;
    if (probe_forward(world, *this)) motion_mode = MotionSlide;
}

void Ant::start_turn_toward(int32_t wanted) {
    const TurnStart& turn = kChaseTurns[turned(wanted, 0)][turned(facing, 0)];
    if (turn.motion_mode == MotionNone) return;
    state = AntTurn;
    target_facing = turn.target_facing;
    turn_decrements = turn.turn_decrements;
    motion_mode = turn.motion_mode;
}

// Greedy, one axis at a time. The y leg runs when y is the longer way (or
// the ant is already on the player's row); the x leg otherwise, after a
// blocked y leg now and then, or when the ant stands right under the player.
void Ant::chase(ActorRegistry& world, int32_t px, int32_t py) {
    const int32_t dx = std::abs(cell_x - px);
    const int32_t dy = std::abs(cell_y - py);
    if ((dx == 1 && dy == 0) || (dx == 0 && dy == 1)) return;  // in reach: stay ready

    const bool y_leg = (dx != 0 && dy >= dx) || dy == 0;
    if (y_leg) {
        const int32_t wanted = py > cell_y ? 2 : 0;
        bool switch_axis = false;
        if (facing != wanted) {
            start_turn_toward(wanted);
        } else {
            const CellXY ahead = front_cell(*this);
            if (cell_free(world, ahead.x, ahead.y)) {
                start_walk(world);
            } else if (dy == 0) {
                return;
            } else {
                switch_axis = double(world.random->unit()) >= kAntBlockedSwitchAxis;
            }
        }
        if (!switch_axis && dx != 0 && (dy >= dx || dy == 0)) return;
    }

    const int32_t wanted = px > cell_x ? 3 : 1;
    if (facing != wanted) {
        start_turn_toward(wanted);
        return;
    }
    const CellXY ahead = front_cell(*this);
    if (cell_free(world, ahead.x, ahead.y)) {
        start_walk(world);
    } else {
        // Standing under the player, the y leg may already have started a
        // turn; drop its motion too, or the drawn heading would turn away
        // from a facing that does not change.
        state = AntReady;
        motion_mode = MotionNone;
    }
}

// Weighted pick among the free cells ahead, to the right and to the left,
// by their scent. Returns the total scent seen (0: nothing to follow).
int32_t Ant::follow_scent(ActorRegistry& world) {
    const int32_t order[3] = {facing, turned(facing, 1), turned(facing, -1)};
    ScentCandidate candidates[3];
    int count = 0;
    int32_t total = 0;
    for (int32_t f : order) {
        const CellXY cell = neighbour(cell_x, cell_y, f);
        if (!cell_free(world, cell.x, cell.y)) continue;
        total += world.scent->at(cell.x, cell.y);
        candidates[count++] = {total, f};
    }
    if (total == 0) return 0;

    const int32_t r = int32_t(world.random->unit() * float(total));
    int32_t prev = 0;
    for (int i = 0; i < count; ++i) {
        const ScentCandidate& c = candidates[i];
        if (c.running_total >= r && c.running_total > prev) {
            if (c.facing == facing) {
                start_walk(world);
            } else {
                start_turn_toward(c.facing);
            }
            break;
        }
        prev = c.running_total;
    }
    return total;
}

// Mostly idle; now and then a quarter turn, after which the turn's end
// starts a one-cell walk.
void Ant::wander(ActorRegistry& world) {
    const float u = world.random->unit();
    if (u <= kAntWanderKeep) {
        const CellXY ahead = front_cell(*this);
        if (cell_free(world, ahead.x, ahead.y)) return;
        const float v = world.random->unit();
        start_turn_toward(turned(facing, v <= kAntSideCoinLeft ? -1 : 1));
    } else if (u <= kAntWanderLeft) {
        start_turn_toward(turned(facing, -1));
    } else if (u <= kAntWanderRight) {
        start_turn_toward(turned(facing, 1));
    } else {
        state = AntReady;
        motion_mode = MotionNone;
    }
}
