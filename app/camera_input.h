#pragma once
// The camera's inputs read through the platform door once per play frame:
// the mouse measured against the window's centre (and put back there), the
// pad's right stick, the arrow keys and right Shift.
#include "app/platform.h"
#include "render/camera.h"
#include "render/picture_rect.h"

struct CameraInputReader {
    // The centre the cursor was last put back to; start-up puts it at the
    // centre of the base window.
    WindowPoint last_centre = window_centre(kPictureWidth, kPictureHeight);

    CameraInputs read(double now);
};
