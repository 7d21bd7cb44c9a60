#include "app/camera_input.h"

#include "app/key_codes.h"

CameraInputs camera_inputs(const InputFrame& frame, const PadLook& look, double now) {
    CameraInputs in;
    in.now = now;
    in.look_left = -frame.cursor_dx;
    in.look_up = -frame.cursor_dy;
    // The right stick turns the view as the mouse does: right turns right,
    // up looks up.
    in.turn_left_rate = -look.x * kPadLookRate;
    in.turn_up_rate = -look.y * kPadLookRate;
    in.fast = frame.held(kKeyRightShift);
    in.forward = frame.held(kKeyUp);
    in.back = frame.held(kKeyDown);
    in.right = frame.held(kKeyRight);
    in.left = frame.held(kKeyLeft);
    return in;
}
