#pragma once
// The camera: a first-person view from the player's eyes or a free-flying
// eye, with a perspective or an orthographic projection. The play state
// reads the clock, the mouse and the keys and hands them over once per
// rendered frame; the camera only turns them into projection_matrix and
// view_matrix, which the passes take through camera_frame_view.
#include <glm/glm.hpp>

#include "render/frame_view.h"

struct Player;

constexpr float kMouseSensitivity = 0.005f;     // radians per pixel
constexpr float kFastCameraFactor = 10.0f;      // while right Shift is held
constexpr double kEyeHeight = 0.8;              // world units above the player
constexpr float kCameraStartSpeed = 20.0f;      // world units per second
constexpr double kHalfPi = 1.5707963267948966;
constexpr float kRightAngleApprox = 1.57f;      // the right vector uses this, not pi/2
constexpr float kPitchLimit = 1.5533430f;       // 89 degrees: past straight up the view turns over

extern bool free_camera;    // false: first person, player not drawn
extern bool orthographic;   // false: perspective
extern glm::vec3 camera_position;
extern float camera_speed;
extern float free_yaw, free_pitch;
extern float first_person_yaw_offset, first_person_pitch;
extern double last_update_time;
extern glm::mat4 projection_matrix;
extern glm::mat4 view_matrix;

// What the camera is handed each frame.
struct CameraInputs {
    double now = 0.0;             // clock, seconds
    double look_left = 0.0;       // pixels the cursor went left of the window centre
    double look_up = 0.0;         // and above it
    bool forward = false, back = false, right = false, left = false;  // arrow keys
    bool fast = false;            // right Shift
};

// Turns the inputs into both matrices for the player's view.
void update_camera(const CameraInputs& inputs, const Player& player);

// The next update starts a fresh time step (dt 0). The loop calls it while
// play is paused, so the time spent in menus and screens never moves the
// free camera.
void restart_camera_clock();

// The matrices and the view switch as they stand, for the frame's passes.
FrameView camera_frame_view();

// The two projections, exactly as the camera builds them.
glm::mat4 camera_projection(bool use_orthographic);

// View direction for yaw and pitch (z up).
glm::vec3 camera_direction(float yaw, float pitch);
