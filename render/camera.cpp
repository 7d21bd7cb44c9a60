#include "render/camera.h"

#include <glm/gtc/matrix_transform.hpp>

#include <algorithm>
#include <cmath>

#include "actors/player.h"

namespace {
constexpr double kOrthoHalfSide = 3.0;
constexpr double kOrthoNear = 2.0;
constexpr double kOrthoFar = 200.0;
constexpr float kFieldOfView = 0.78539818f;  // 45 degrees; perspective() halves it
constexpr float kAspect = 4.0f / 3.0f;
constexpr float kPerspectiveNear = 0.1f;
constexpr float kPerspectiveFar = 450.0f;
}  // namespace

FrameView camera_frame_view(const Camera& c) {
    return make_frame_view(c.projection_matrix, c.view_matrix, c.free_camera);
}

glm::mat4 camera_projection(bool use_orthographic) {
    if (use_orthographic) {
        return glm::mat4(glm::ortho(-kOrthoHalfSide, kOrthoHalfSide, -kOrthoHalfSide,
                                    kOrthoHalfSide, kOrthoNear, kOrthoFar));
    }
    return glm::perspective(kFieldOfView, kAspect, kPerspectiveNear, kPerspectiveFar);
}

glm::vec3 camera_direction(float yaw, float pitch) {
    return glm::vec3(std::cos(yaw) * std::cos(pitch), std::sin(yaw) * std::cos(pitch),
                     std::sin(pitch));
}

void restart_camera_clock(Camera& c) { c.clock_started = false; }

namespace {
// Both views stop just short of looking straight up or down; the yaw turns
// freely. The stored angle is held, so moving the mouse back acts at once.
float clamped_pitch(float pitch) { return std::clamp(pitch, -kPitchLimit, kPitchLimit); }
}  // namespace

void update_camera(Camera& c, const CameraInputs& in, const Player& player) {
    double now = in.now;
    if (!c.clock_started) {
        c.clock_started = true;
        c.last_update_time = now;
    }
    float dt = float(now - c.last_update_time);

    float dx = float(in.look_left * kMouseSensitivity + in.turn_left_rate * dt);
    float dy = float(in.look_up * kMouseSensitivity + in.turn_up_rate * dt);

    float yaw = 0.0f, pitch = 0.0f;
    if (c.free_camera) {
        c.free_yaw += dx;
        c.free_pitch = clamped_pitch(c.free_pitch + dy);
        yaw = c.free_yaw;
        pitch = c.free_pitch;
    } else {
        c.first_person_yaw_offset += dx;
        yaw = float(double(player.facing_angle) - kHalfPi + c.first_person_yaw_offset);
        c.first_person_pitch = clamped_pitch(c.first_person_pitch + dy);
        pitch = c.first_person_pitch;
    }

    glm::vec3 direction = camera_direction(yaw, pitch);
    glm::vec3 right(std::cos(yaw - kRightAngleApprox), std::sin(yaw - kRightAngleApprox), 0.0f);
    glm::vec3 up = glm::cross(right, direction);

    float step = dt * c.camera_speed * (in.fast ? kFastCameraFactor : 1.0f);
    if (in.forward) c.camera_position += direction * step;
    if (in.back) c.camera_position -= direction * step;
    if (in.right) c.camera_position += right * step;
    if (in.left) c.camera_position -= right * step;

    c.projection_matrix = camera_projection(c.orthographic);

    glm::vec3 eye = c.camera_position;
    if (!c.free_camera) {
        VisualPosition p = visual_position(player);
        eye = glm::vec3(2.0f * p.x, 2.0f * p.y, float(2.0 * double(p.z) + kEyeHeight));
    }
    c.view_matrix = glm::lookAt(eye, eye + direction, up);
    c.last_update_time = now;
}
