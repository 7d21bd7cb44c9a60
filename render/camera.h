#pragma once
// The camera: a first-person view from the player's eyes or a free-flying
// eye, with a perspective or an orthographic projection. The play state
// reads the clock, the mouse and the keys and hands them over once per
// rendered frame; the camera only turns them into projection_matrix and
// view_matrix, which the passes take through camera_frame_view. Plain data
// and arithmetic: nothing here touches OpenGL or the window.
#include <glm/glm.hpp>

#include "render/frame_view.h"

struct Player;

constexpr float kMouseSensitivity = 0.005f;     // radians per pixel
// The pad's right stick at full tilt: a quarter turn in about 0.6 s, quick
// enough to look round a corner within one step, slow enough to aim a throw.
constexpr double kPadLookRate = 2.5;            // radians per second
constexpr float kFastCameraFactor = 10.0f;      // while right Shift is held
constexpr double kEyeHeight = 0.8;              // world units above the player
constexpr float kCameraStartSpeed = 20.0f;      // world units per second
constexpr double kHalfPi = 1.5707963267948966;
constexpr float kRightAngleApprox = 1.57f;      // the right vector uses this, not pi/2
constexpr float kPitchLimit = 1.5533430f;       // 89 degrees: past straight up the view turns over

// The session keeps one for the whole run: the switches and the angles
// carry over from game to game and across the screens and menus.
struct Camera {
    bool free_camera = false;   // false: first person, player not drawn
    bool orthographic = false;  // false: perspective
    glm::vec3 camera_position{0.0f, 0.0f, 5.0f};  // the free eye, world units
    float camera_speed = kCameraStartSpeed;
    float free_yaw = 0.0f, free_pitch = 0.0f;  // radians
    float first_person_yaw_offset = 0.0f, first_person_pitch = 0.0f;
    double last_update_time = 0.0;  // seconds
    bool clock_started = false;     // false: the next update restarts the time base
    // The matrices of the last update; outside play they keep showing it.
    glm::mat4 projection_matrix{1.0f};
    glm::mat4 view_matrix{1.0f};
};

// What the camera is handed each frame.
struct CameraInputs {
    double now = 0.0;             // clock, seconds
    double look_left = 0.0;       // pixels the cursor went left of the window centre
    double look_up = 0.0;         // and above it
    // A steady look (the pad's right stick): radians per second left and
    // up, turned into an angle by the frame's own time step.
    double turn_left_rate = 0.0, turn_up_rate = 0.0;
    bool forward = false, back = false, right = false, left = false;  // arrow keys
    bool fast = false;            // right Shift
};

// Turns the inputs into both matrices for the player's view.
void update_camera(Camera& camera, const CameraInputs& inputs, const Player& player);

// The next update starts a fresh time step (dt 0). The loop calls it while
// play is paused, so the time spent in menus and screens never moves the
// free camera.
void restart_camera_clock(Camera& camera);

// The matrices and the view switch as they stand, for the frame's passes.
FrameView camera_frame_view(const Camera& camera);

// The two projections, exactly as the camera builds them.
glm::mat4 camera_projection(bool use_orthographic);

// View direction for yaw and pitch (z up).
glm::vec3 camera_direction(float yaw, float pitch);
