#include "app/camera_input.h"

#include "app/key_codes.h"
#include "app/pad_input.h"

CameraInputs CameraInputReader::read(double now) {
    CameraInputs in;
    in.now = now;
    const WindowPoint centre = cursor_centre();
    double cx = centre.x, cy = centre.y;
    get_cursor_pos(cx, cy);
    // Just after the window changed size the cursor still sits at the old
    // centre: that is no movement of the mouse, not a turn of the view.
    if (centre.x != last_centre.x || centre.y != last_centre.y) {
        cx = centre.x;
        cy = centre.y;
    }
    last_centre = centre;
    set_cursor_pos(centre.x, centre.y);
    in.look_left = centre.x - cx;
    in.look_up = centre.y - cy;
    // The right stick turns the view as the mouse does: right turns right,
    // up looks up.
    const PadLook look = pad_look();
    in.turn_left_rate = -look.x * kPadLookRate;
    in.turn_up_rate = -look.y * kPadLookRate;
    in.fast = key_pressed(kKeyRightShift);
    in.forward = key_pressed(kKeyUp);
    in.back = key_pressed(kKeyDown);
    in.right = key_pressed(kKeyRight);
    in.left = key_pressed(kKeyLeft);
    return in;
}
