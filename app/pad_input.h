#pragma once
// The gamepad as keys: each loop pass's record of the pad turns a button
// that went down into a press of the key it stands for at that moment, and
// a button held down into that key held down, in the same record, so the
// game's key reads see a pad exactly as they see the keyboard.
// Sticks and triggers count as buttons past a dead zone, with hysteresis;
// the right stick also looks around as an analog value.
#include <array>
#include <cstdint>

#include "app/input_frame.h"

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

// What the game remembers of the pad between two passes.
struct PadReader {
    bool connected = false;
    int id = -1;
    std::array<bool, kPadControlCount> down{};
    // The key each control holds down: the one it stood for when pressed.
    std::array<int32_t, kPadControlCount> holding{};
    bool look_locked = false;  // the right stick waits to be centred
    PadLook look;

    PadReader() { holding.fill(kNoKey); }

    // Adds the pad of `frame` to its keys as the keys in `keys`: a control
    // that went down presses its key, one held down holds it. What a pad
    // holds when it connects counts only after it has been let go (a
    // drifting stick never walks); a pad pulled out, or another pad in its
    // place, lets go of everything.
    void feed(InputFrame& frame, const PadKeys& keys);
};
