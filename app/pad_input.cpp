#include "app/pad_input.h"

#include <algorithm>
#include <cmath>

namespace {

struct PadReader {
    bool connected = false;
    int id = -1;
    std::array<bool, kPadControlCount> down{};
    // The key each control holds down: the one it stood for when pressed.
    std::array<int32_t, kPadControlCount> holding{};
    std::array<bool, kKeyScanLast + 1> latched{};
    bool look_locked = false;  // the right stick waits to be centred
    PadLook look;

    PadReader() { holding.fill(kNoKey); }
};

PadReader reader;

// How far a control is pushed, 0 to 1.
float control_value(const PadState& pad, int32_t control) {
    switch (control) {
    case PadStickUp: return -pad.axes[PadLeftY];
    case PadStickDown: return pad.axes[PadLeftY];
    case PadStickLeft: return -pad.axes[PadLeftX];
    case PadStickRight: return pad.axes[PadLeftX];
    case PadTriggerLeft: return 0.5f * (pad.axes[PadLeftTrigger] + 1.0f);
    case PadTriggerRight: return 0.5f * (pad.axes[PadRightTrigger] + 1.0f);
    default: return pad.buttons[control] ? 1.0f : 0.0f;
    }
}

// A press latches the key the control stands for now and holds it while
// the control stays down; a control that comes to stand for another key
// while held (the game moved to a menu, a toggle flipped) lets go, so it
// never carries one screen's meaning into the next. What is down on the
// first look at a pad is let go of until it comes up.
void press_control(int32_t control, float value, int32_t key, bool first_look) {
    const bool was_down = reader.down[control];
    const bool down = value > (was_down ? kPadRelease : kPadPress);
    reader.down[control] = down;
    int32_t& holding = reader.holding[control];
    if (!down || first_look) {
        holding = kNoKey;
    } else if (!was_down) {
        holding = key;
        if (valid_key(key)) reader.latched[key] = true;
    } else if (holding != key) {
        holding = kNoKey;
    }
}

// The right stick with its dead zone taken out, rescaled so the rim is 1.
void read_look(const PadState& pad, bool first_look) {
    const float x = pad.axes[PadRightX], y = pad.axes[PadRightY];
    const float length = std::hypot(x, y);
    if (first_look) reader.look_locked = length > kPadLookDeadZone;
    if (length <= kPadLookDeadZone) reader.look_locked = false;
    reader.look = PadLook{};
    if (reader.look_locked || length <= kPadLookDeadZone) return;
    const float scale = std::min(1.0f, (length - kPadLookDeadZone) / (1.0f - kPadLookDeadZone)) / length;
    reader.look = PadLook{x * scale, y * scale};
}

// Unread presses stay latched: they happened.
void let_go_of_everything() {
    reader.connected = false;
    reader.id = -1;
    reader.down.fill(false);
    reader.holding.fill(kNoKey);
    reader.look_locked = false;
    reader.look = PadLook{};
}

}  // namespace

void sample_pad(const PadKeys& keys) {
    const PadState pad = read_pad();
    if (!pad.connected || pad.id != reader.id) let_go_of_everything();
    if (pad.connected) {
        const bool first_look = !reader.connected;
        reader.connected = true;
        reader.id = pad.id;
        for (int32_t control = 0; control < kPadControlCount; ++control) {
            press_control(control, control_value(pad, control), keys[control], first_look);
        }
        read_look(pad, first_look);
    }
}

bool take_pad_key(int key) {
    if (!valid_key(key)) return false;
    const auto& holding = reader.holding;
    const bool held = std::find(holding.begin(), holding.end(), key) != holding.end();
    const bool down = held || reader.latched[key];
    reader.latched[key] = false;
    return down;
}

bool pad_connected() { return reader.connected; }
PadLook pad_look() { return reader.look; }
void forget_pad() { reader = PadReader{}; }
