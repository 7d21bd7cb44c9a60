#pragma once
// The gamepad as keys: each look at the pad (once per loop pass) turns a
// button that went down into a latched press of the key it stands for at
// that moment, and a button held down into that key held down, so the
// game's sticky key reads see a pad exactly as they see the keyboard.
// Sticks and triggers count as buttons past a dead zone, with hysteresis;
// the right stick also looks around as an analog value.
#include <array>
#include <cstdint>

#include "app/platform.h"

// What the pad can press: its fifteen buttons (numbered as PadButton), the
// four directions of the left stick and the two triggers.
enum PadControl : int32_t {
    PadStickUp = kPadButtonCount,
    PadStickDown,
    PadStickLeft,
    PadStickRight,
    PadTriggerLeft,
    PadTriggerRight,
};
constexpr int32_t kPadControlCount = PadTriggerRight + 1;

constexpr int32_t kNoKey = -1;  // a control that stands for no key

// The key each control stands for; kNoKey where it stands for none.
using PadKeys = std::array<int32_t, kPadControlCount>;

// A stick or trigger counts as down past kPadPress and as up again only
// below kPadRelease, so a hand resting near one edge does not flicker.
constexpr float kPadPress = 0.5f;
constexpr float kPadRelease = 0.3f;
// The right stick's look is zero inside this radius and grows to 1 at the rim.
constexpr float kPadLookDeadZone = 0.2f;

// The right stick, dead zone taken out: x to the right, y down, each -1 to 1.
struct PadLook {
    float x = 0.0f, y = 0.0f;
};

// Looks at the pad through the platform and latches what went down as the
// keys in `keys`. What a pad holds when it connects counts only after it has
// been let go (a drifting stick never walks); a pad pulled out, or another
// pad in its place, lets go of everything.
void sample_pad(const PadKeys& keys);
// Sticky read of the pad's side of `key`: held, or pressed since the last
// read; the read clears the latch.
bool take_pad_key(int key);
bool pad_connected();
PadLook pad_look();
// No pad seen yet, nothing held or latched.
void forget_pad();
