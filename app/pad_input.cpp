#include "app/pad_input.h"

#include <algorithm>
#include <cmath>

namespace {

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

// A press presses the key the control stands for now and holds it while
// the control stays down; a control that comes to stand for another key
// while held (the game moved to a menu, a toggle flipped) lets go, so it
// never carries one screen's meaning into the next. What is down on the
// first look at a pad is let go of until it comes up.
void press_control(PadReader& r, InputFrame& frame, int32_t control, float value, int32_t key,
                   bool first_look) {
    const bool was_down = r.down[control];
    const bool is_down = value > (was_down ? kPadRelease : kPadPress);
    r.down[control] = is_down;
    int32_t& held = r.holding[control];
    if (!is_down || first_look) {
        held = kNoKey;
    } else if (!was_down) {
        held = key;
        frame.press(key);
    } else if (held != key) {
        held = kNoKey;
    }
    if (valid_key(held)) frame.down[held] = true;
}

// The right stick with its dead zone taken out, rescaled so the rim is 1.
void read_look(PadReader& r, const PadState& pad, bool first_look) {
    const float x = pad.axes[PadRightX], y = pad.axes[PadRightY];
    const float length = std::hypot(x, y);
    if (first_look) r.look_locked = length > kPadLookDeadZone;
    if (length <= kPadLookDeadZone) r.look_locked = false;
    r.look = PadLook{};
    if (r.look_locked || length <= kPadLookDeadZone) return;
    const float scale = std::min(1.0f, (length - kPadLookDeadZone) / (1.0f - kPadLookDeadZone)) / length;
    r.look = PadLook{x * scale, y * scale};
}

}  // namespace

// Presses already in a record stay there: they happened.
void PadReader::feed(InputFrame& frame, const PadKeys& keys) {
    const PadState& pad = frame.pad;
    if (!pad.connected || pad.id != id) *this = PadReader{};
    if (!pad.connected) return;
    const bool first_look = !connected;
    connected = true;
    id = pad.id;
    for (int32_t control = 0; control < kPadControlCount; ++control) {
        press_control(*this, frame, control, control_value(pad, control), keys[control], first_look);
    }
    read_look(*this, pad, first_look);
}
