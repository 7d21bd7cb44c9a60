#include "actors/actor.h"

#include <cmath>

namespace {
constexpr float kSlidePerTick = 0.025f;
constexpr double kPi = 3.14159265358979323846;
constexpr double kTurnPerTick = kPi / 80.0;
constexpr float kFacingAngles[4] = {0.0f, 4.712389f, 3.1415927f, 1.5707964f};
}  // namespace

void Actor::snap_to_cell() {
    pos_x = float(cell_x);
    pos_y = float(cell_y);
    pos_z = float(cell_z);
}

float angle_for_facing(int facing) { return kFacingAngles[((facing % 4) + 4) % 4]; }

VisualPosition visual_position(const Actor& actor) {
    return {actor.pos_x, actor.pos_y, actor.pos_z};
}

void advance_motion(Actor& actor) { advance_motion_by(actor, 1.0f); }

// With `ticks` 1 the products are exactly the per-tick steps.
void advance_motion_by(Actor& actor, float ticks) {
    const float slide = kSlidePerTick * ticks;
    const double turn = kTurnPerTick * double(ticks);
    switch (actor.motion_mode) {
    case MotionSlide:
        actor.pos_x += slide * actor.step_x;
        actor.pos_y += slide * actor.step_y;
        break;
    case MotionTurnLeft:
        actor.facing_angle = float(double(actor.facing_angle) + turn);
        break;
    case MotionTurnRight:
        actor.facing_angle = float(double(actor.facing_angle) - turn);
        break;
    case MotionLift:
        actor.pos_z += slide * actor.step_z;
        break;
    default:
        break;
    }
    double wrapped = std::fmod(double(actor.facing_angle) + kPi, 2.0 * kPi);
    if (wrapped < 0.0) wrapped += 2.0 * kPi;
    actor.facing_angle = float(wrapped - kPi);
}
