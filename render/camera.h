#pragma once
// The camera: a first-person view from the player's eyes or a free-flying
// eye, with a perspective or an orthographic projection. The main loop calls
// update_camera once per rendered frame while playing; the render passes
// read projection_matrix and view_matrix.
#include <glm/glm.hpp>

#include "render/frame_view.h"

struct Player;

constexpr float kMouseSensitivity = 0.005f;     // radians per pixel
constexpr float kFastCameraFactor = 10.0f;      // while right Shift is held
constexpr double kEyeHeight = 0.8;              // world units above the player
constexpr float kCameraStartSpeed = 20.0f;      // world units per second
constexpr double kHalfPi = 1.5707963267948966;
constexpr float kRightAngleApprox = 1.57f;      // the right vector uses this, not pi/2

constexpr int kKeyCameraUp = 265;
constexpr int kKeyCameraDown = 264;
constexpr int kKeyCameraLeft = 263;
constexpr int kKeyCameraRight = 262;
constexpr int kKeyCameraFast = 344;             // right Shift

extern bool free_camera;    // false: first person, player not drawn
extern bool orthographic;   // false: perspective
extern glm::vec3 camera_position;
extern float camera_speed;
extern float free_yaw, free_pitch;
extern float first_person_yaw_offset, first_person_pitch;
extern double last_update_time;
extern glm::mat4 projection_matrix;
extern glm::mat4 view_matrix;

// Reads the mouse (and re-centres it), the arrow keys and the clock through
// the platform layer; writes both matrices.
void update_camera(const Player& player);

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
