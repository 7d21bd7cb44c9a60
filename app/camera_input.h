#pragma once
// The camera's inputs from one loop pass's record: the cursor's movement,
// the pad's right stick, and the arrow keys and right Shift as they are
// held. The camera never reads presses, so an action bound to one of those
// keys keeps every tap for the decision pass.
#include "app/input_frame.h"
#include "app/pad_input.h"
#include "render/camera.h"

CameraInputs camera_inputs(const InputFrame& frame, const PadLook& look, double now);
