#include "app/key_bindings.h"

#include "actors/player.h"
#include "app/key_codes.h"
#include "app/platform.h"

namespace {
bool bound_key_pressed(KeyBindings& key_bindings, int32_t action) {
    return key_pressed(key_bindings[action]);
}
}  // namespace

void reset_default_bindings(KeyBindings& key_bindings) {
    for (int32_t action = 0; action < kBindableActionCount; ++action) {
        key_bindings[action] = kDefaultKeys[action];
    }
}

// The order of the reads matters: a read consumes a latch. LEFT wins over
// RIGHT, and the loser's key is read anyway so its latch is dropped; among
// the throws and the camera keys the last one read wins.
void poll_bound_actions(KeyBindings& key_bindings, Player& player, bool& free_camera,
                        bool& orthographic) {
    if (bound_key_pressed(key_bindings, ActionForward)) player.want_forward = true;
    if (bound_key_pressed(key_bindings, ActionLeft)) {
        player.want_turn = true;
        player.turn_right = 0;
        bound_key_pressed(key_bindings, ActionRight);
    } else if (bound_key_pressed(key_bindings, ActionRight)) {
        player.want_turn = true;
        player.turn_right = 1;
        bound_key_pressed(key_bindings, ActionLeft);
    }
    if (bound_key_pressed(key_bindings, ActionJump)) player.want_jump = true;
    for (int32_t range = 0; range < 4; ++range) {
        if (bound_key_pressed(key_bindings, ActionGra0 + range)) {
            player.want_throw = true;
            player.throw_range = range;
        }
    }
    if (bound_key_pressed(key_bindings, ActionCam0)) free_camera = false;
    if (bound_key_pressed(key_bindings, ActionCam1)) free_camera = true;
    if (bound_key_pressed(key_bindings, ActionCam2)) orthographic = false;
    if (bound_key_pressed(key_bindings, ActionCam3)) orthographic = true;
}

void flush_keys() {
    for (int key = kKeyScanFirst; key <= kKeyScanLast; ++key) key_pressed(key);
}

bool any_key_pressed() {
    for (int key = kKeyScanFirst; key <= kKeyScanLast; ++key) {
        if (key_pressed(key)) return true;
    }
    return false;
}

bool capture_rebinding(KeyBindings& key_bindings, int32_t action) {
    int32_t found = kKeyScanFirst - 1;
    for (int key = kKeyScanFirst; key <= kKeyScanLast; ++key) {
        if (key_pressed(key)) found = key;
    }
    if (found < kKeyScanFirst) return false;
    if (found == kKeyEscape) return true;
    // Keys stay unique: whoever held the new key takes over the old one.
    for (auto& entry : key_bindings) {
        if (entry.second == found) {
            entry.second = key_bindings[action];
            break;
        }
    }
    key_bindings[action] = found;
    return true;
}
