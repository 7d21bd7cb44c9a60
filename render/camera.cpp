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
bool camera_started = false;  // false: the next update restarts the time base
}  // namespace

bool free_camera = false;
bool orthographic = false;
glm::vec3 camera_position(0.0f, 0.0f, 5.0f);
float camera_speed = kCameraStartSpeed;
float free_yaw = 0.0f, free_pitch = 0.0f;
float first_person_yaw_offset = 0.0f, first_person_pitch = 0.0f;
double last_update_time = 0.0;
glm::mat4 projection_matrix(1.0f);
glm::mat4 view_matrix(1.0f);

FrameView camera_frame_view() {
    return make_frame_view(projection_matrix, view_matrix, free_camera);
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

void restart_camera_clock() { camera_started = false; }

namespace {
// Both views stop just short of looking straight up or down; the yaw turns
// freely. The stored angle is held, so moving the mouse back acts at once.
float clamped_pitch(float pitch) { return std::clamp(pitch, -kPitchLimit, kPitchLimit); }
}  // namespace

void update_camera(const CameraInputs& in, const Player& player) {
    double now = in.now;
    if (!camera_started) {
        camera_started = true;
        last_update_time = now;
    }
    float dt = float(now - last_update_time);

    float dx = float(in.look_left * kMouseSensitivity);
    float dy = float(in.look_up * kMouseSensitivity);

    float yaw = 0.0f, pitch = 0.0f;
    if (free_camera) {
        free_yaw += dx;
        free_pitch = clamped_pitch(free_pitch + dy);
        yaw = free_yaw;
        pitch = free_pitch;
    } else {
        first_person_yaw_offset += dx;
        yaw = float(double(player.facing_angle) - kHalfPi + first_person_yaw_offset);
        first_person_pitch = clamped_pitch(first_person_pitch + dy);
        pitch = first_person_pitch;
    }

    glm::vec3 direction = camera_direction(yaw, pitch);
    glm::vec3 right(std::cos(yaw - kRightAngleApprox), std::sin(yaw - kRightAngleApprox), 0.0f);
    glm::vec3 up = glm::cross(right, direction);

    float step = dt * camera_speed * (in.fast ? kFastCameraFactor : 1.0f);
    if (in.forward) camera_position += direction * step;
    if (in.back) camera_position -= direction * step;
    if (in.right) camera_position += right * step;
    if (in.left) camera_position -= right * step;

    projection_matrix = camera_projection(orthographic);

    glm::vec3 eye = camera_position;
    if (!free_camera) {
        VisualPosition p = visual_position(player);
        eye = glm::vec3(2.0f * p.x, 2.0f * p.y, float(2.0 * double(p.z) + kEyeHeight));
    }
    view_matrix = glm::lookAt(eye, eye + direction, up);
    last_update_time = now;
}
