#include "app/key_bindings.h"

#include "app/key_codes.h"
#include "app/key_reads.h"
#include "app/pass_commands.h"

void reset_default_bindings(KeyBindings& key_bindings) {
    for (int32_t action = 0; action < kBindableActionCount; ++action) {
        key_bindings[action] = kDefaultKeys[action];
    }
}

// The order of the reads matters: a read consumes a press. LEFT wins over
// RIGHT, and the loser's key is read anyway so its press is dropped; among
// the throws and the camera keys the last one read wins.
PassCommands poll_bound_actions(KeyReads& keys, KeyBindings& key_bindings) {
    const auto bound_key_pressed = [&](int32_t action) { return keys.read(key_bindings[action]); };
    PassCommands c;
    c.forward = bound_key_pressed(ActionForward);
    if (bound_key_pressed(ActionLeft)) {
        c.turn = TurnLeft;
        bound_key_pressed(ActionRight);
    } else if (bound_key_pressed(ActionRight)) {
        c.turn = TurnRight;
        bound_key_pressed(ActionLeft);
    }
    c.jump = bound_key_pressed(ActionJump);
    for (int32_t range = 0; range < 4; ++range) {
        if (bound_key_pressed(ActionGra0 + range)) c.throw_range = range;
    }
    if (bound_key_pressed(ActionCam0)) c.view = ViewFirstPerson;
    if (bound_key_pressed(ActionCam1)) c.view = ViewFree;
    if (bound_key_pressed(ActionCam2)) c.projection = ProjectionPerspective;
    if (bound_key_pressed(ActionCam3)) c.projection = ProjectionOrthographic;
    return c;
}

bool capture_rebinding(KeyReads& keys, KeyBindings& key_bindings, int32_t action) {
    const int32_t found = keys.read_highest();
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
