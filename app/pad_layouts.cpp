#include "app/pad_layouts.h"

#include "app/game_state.h"
#include "app/key_codes.h"

namespace {

PadKeys no_keys() {
    PadKeys keys;
    keys.fill(kNoKey);
    return keys;
}

// Without inserting: the pad never adds actions to the table.
int32_t bound_key(const KeyBindings& bindings, int32_t action) {
    const auto found = bindings.find(action);
    return found == bindings.end() ? kNoKey : found->second;
}

void set_directions(PadKeys& keys, int32_t up, int32_t down, int32_t left, int32_t right) {
    keys[PadStickUp] = keys[PadDpadUp] = up;
    keys[PadStickDown] = keys[PadDpadDown] = down;
    keys[PadStickLeft] = keys[PadDpadLeft] = left;
    keys[PadStickRight] = keys[PadDpadRight] = right;
}

// The view and projection buttons each stand for the action that sets
// their switch the other way, so one button flips it. The free camera flies
// as the arrows fly it: the right stick already looks, so the triggers go
// forward and back and the right stick's click is the fast key.
PadKeys play_keys(const KeyBindings& b, bool free_camera, bool orthographic) {
    PadKeys keys = no_keys();
    set_directions(keys, bound_key(b, ActionForward), kNoKey, bound_key(b, ActionLeft),
                   bound_key(b, ActionRight));
    keys[PadA] = bound_key(b, ActionJump);
    keys[PadX] = bound_key(b, ActionGra0);
    keys[PadY] = bound_key(b, ActionGra1);
    keys[PadB] = bound_key(b, ActionGra2);
    keys[PadRightShoulder] = bound_key(b, ActionGra3);
    keys[PadLeftShoulder] = bound_key(b, free_camera ? ActionCam0 : ActionCam1);
    keys[PadBack] = bound_key(b, orthographic ? ActionCam2 : ActionCam3);
    keys[PadStart] = kKeyEscape;
    keys[PadTriggerRight] = kKeyUp;
    keys[PadTriggerLeft] = kKeyDown;
    keys[PadRightThumb] = kKeyRightShift;
    return keys;
}

// B goes back where Escape does; Start too, so it closes the options menu
// it opened, as Escape does.
PadKeys menu_keys() {
    PadKeys keys = no_keys();
    set_directions(keys, kKeyUp, kKeyDown, kKeyLeft, kKeyRight);
    keys[PadA] = kKeyEnter;
    keys[PadB] = keys[PadStart] = kKeyEscape;
    return keys;
}

// Only a keyboard key binds; B still cancels, as Escape does.
PadKeys rebinding_keys() {
    PadKeys keys = no_keys();
    keys[PadB] = kKeyEscape;
    return keys;
}

// Girl on the left of the pad, boy on the right.
PadKeys choice_keys() {
    PadKeys keys = no_keys();
    keys[PadLeftShoulder] = keys[PadX] = kKeyG;
    keys[PadRightShoulder] = keys[PadB] = kKeyB;
    return keys;
}

// Every button and trigger; the sticks are no buttons to a player.
PadKeys any_button_keys() {
    PadKeys keys = no_keys();
    for (int32_t button = 0; button < kPadButtonCount; ++button) keys[button] = kKeyEnter;
    keys[PadTriggerLeft] = keys[PadTriggerRight] = kKeyEnter;
    return keys;
}

}  // namespace

PadKeys pad_keys_for(int32_t state, bool rebinding, const KeyBindings& bindings, bool free_camera,
                     bool orthographic) {
    switch (state) {
    case Playing:
    case HaveAnotherGo:
    case RescueMessage:
    case DeathMessage:
    case HostageFound:
        return play_keys(bindings, free_camera, orthographic);
    case OptionsMenu: return menu_keys();
    case ControlsMenu: return rebinding ? rebinding_keys() : menu_keys();
    case ChooseCharacter: return choice_keys();
    default: return any_button_keys();
    }
}
