#pragma once
// The record shared by everything that moves: its cell, facing, drawn
// position, sound and the motion that animates it between decision passes.
#include <cstdint>

#include "actors/sound_door.h"

struct CityGrid;

enum MotionMode : int32_t {
    MotionNone = 0,
    MotionSlide = 1,
    MotionTurnLeft = 2,
    MotionTurnRight = 3,
    MotionLift = 4,
};

struct VisualPosition {
    float x = 0.0f, y = 0.0f, z = 0.0f;
};

struct Actor {
    int32_t cell_x = 0, cell_y = 0, cell_z = 0;
    int32_t facing = 0;  // 0: y-1, 1: x-1, 2: y+1, 3: x+1
    const CityGrid* city = nullptr;
    int32_t sound = SoundNone;  // asked for through the sound door
    float pos_x = 0.0f, pos_y = 0.0f, pos_z = 0.0f;  // drawn position, cells
    bool visible = true;
    float step_x = 1.0f, step_y = 1.0f, step_z = 1.0f;
    float facing_angle = 0.0f;  // radians, kept in [-pi, pi)
    int32_t motion_mode = MotionNone;

    void play_sound() const { request_sound(sound); }
    // The drawn position is set to the integer cell at every decision pass.
    void snap_to_cell();
};

// Drawn heading for a facing: 0, 3pi/2, pi, pi/2.
float angle_for_facing(int facing);
VisualPosition visual_position(const Actor& actor);
// One tick of animation: slide, turn or lift by a fortieth, then wrap the angle.
void advance_motion(Actor& actor);
// The same motion for part of a tick (`ticks` 0 to 1): where drawing shows
// the actor between two ticks. One whole tick is exactly advance_motion.
void advance_motion_by(Actor& actor, float ticks);

// A copy of the actor moved on by part of a tick, for drawing; the
// simulation's own record stays where its ticks left it.
template <typename ActorKind>
ActorKind moved_on(ActorKind actor, float ticks) {
    advance_motion_by(actor, ticks);
    return actor;
}
