// The camera, driven through a scripted clock, cursor and keyboard.
#include <gtest/gtest.h>

#include <glm/gtc/matrix_transform.hpp>

#include <cmath>

#include "actors/player.h"
#include "app/platform.h"
#include "render/camera.h"

namespace {

class Camera : public testing::Test {
protected:
    ScriptedPlatform platform;
    Player player;

    void SetUp() override {
        use_scripted_platform(&platform);
        platform.now = 10.0;
        update_camera(player);  // the first call only starts the clock
        free_camera = false;
        orthographic = false;
        camera_position = glm::vec3(0.0f, 0.0f, 5.0f);
        free_yaw = free_pitch = first_person_yaw_offset = first_person_pitch = 0.0f;
        player.pos_x = 62.0f;
        player.pos_y = 137.0f;
        player.pos_z = 1.0f;
        player.facing_angle = 0.0f;
    }
    void TearDown() override { use_scripted_platform(nullptr); }

    void frame(double seconds) {
        platform.advance(seconds);
        update_camera(player);
    }
};

glm::vec3 eye_of(const glm::mat4& view) { return glm::vec3(glm::inverse(view)[3]); }
glm::vec3 forward_of(const glm::mat4& view) { return -glm::vec3(glm::inverse(view)[2]); }

void expect_near(const glm::vec3& a, const glm::vec3& b, float tolerance) {
    EXPECT_NEAR(a.x, b.x, tolerance);
    EXPECT_NEAR(a.y, b.y, tolerance);
    EXPECT_NEAR(a.z, b.z, tolerance);
}

}  // namespace

TEST_F(Camera, RestingCursorLeavesTheAnglesAlone) {
    free_camera = true;
    for (int i = 0; i < 5; ++i) frame(0.02);
    EXPECT_EQ(free_yaw, 0.0f);
    EXPECT_EQ(free_pitch, 0.0f);
    platform.cursor_x = 522.0;  // ten pixels right, four up
    platform.cursor_y = 380.0;
    frame(0.02);
    EXPECT_FLOAT_EQ(free_yaw, -0.05f);
    EXPECT_FLOAT_EQ(free_pitch, 0.02f);
    // The cursor is put back in the middle of the window.
    EXPECT_EQ(platform.cursor_x, 512.0);
    EXPECT_EQ(platform.cursor_y, 384.0);
    EXPECT_EQ(first_person_yaw_offset, 0.0f);
}

TEST_F(Camera, FirstPersonLooksAlongTheFacingTurnedAQuarterRight) {
    frame(0.02);
    expect_near(eye_of(view_matrix), glm::vec3(124.0f, 274.0f, 2.8f), 1e-3f);
    expect_near(forward_of(view_matrix), glm::vec3(0.0f, -1.0f, 0.0f), 1e-5f);
    player.facing_angle = angle_for_facing(1);  // toward x - 1
    player.pos_z = 3.5f;
    frame(0.02);
    expect_near(forward_of(view_matrix), glm::vec3(-1.0f, 0.0f, 0.0f), 1e-5f);
    EXPECT_NEAR(eye_of(view_matrix).z, 7.8f, 1e-4f);
}

TEST_F(Camera, UpWithRightShiftMovesTwoHundredUnitsASecond) {
    free_camera = true;
    platform.press(kKeyCameraUp);
    platform.press(kKeyCameraFast);
    frame(0.5);
    frame(0.5);
    expect_near(camera_position, glm::vec3(200.0f, 0.0f, 5.0f), 1e-2f);
    expect_near(eye_of(view_matrix), camera_position, 1e-2f);
    platform.release(kKeyCameraFast);
    platform.release(kKeyCameraUp);
    frame(0.1);  // the latches were read: no more movement
    platform.press(kKeyCameraLeft);
    frame(1.0);
    // Left steps against the right vector, which is yaw - 1.57.
    expect_near(camera_position, glm::vec3(200.0f - 20.0f * std::cos(-1.57f),
                                           -20.0f * std::sin(-1.57f), 5.0f), 1e-2f);
}

TEST_F(Camera, ArrowsMoveTheFreeEyeEvenInFirstPerson) {
    platform.press(kKeyCameraDown);
    frame(0.25);
    expect_near(camera_position, glm::vec3(0.0f, 5.0f, 5.0f), 1e-3f);
    expect_near(eye_of(view_matrix), glm::vec3(124.0f, 274.0f, 2.8f), 1e-3f);
}

TEST_F(Camera, ProjectionSwitchesAreExactAndIndependent) {
    frame(0.01);
    glm::mat4 perspective = projection_matrix;
    EXPECT_EQ(perspective, glm::perspective(glm::radians(45.0f), 4.0f / 3.0f, 0.1f, 450.0f));
    EXPECT_FLOAT_EQ(perspective[1][1], 1.0f / std::tan(0.39269909f));
    orthographic = true;
    frame(0.01);
    EXPECT_FLOAT_EQ(projection_matrix[0][0], 1.0f / 3.0f);
    EXPECT_FLOAT_EQ(projection_matrix[2][2], float(-2.0 / 198.0));
    EXPECT_FLOAT_EQ(projection_matrix[3][2], float(-202.0 / 198.0));
    free_camera = true;
    frame(0.01);
    EXPECT_FLOAT_EQ(projection_matrix[0][0], 1.0f / 3.0f);
    orthographic = false;
    frame(0.01);
    EXPECT_EQ(projection_matrix, perspective);
}

TEST_F(Camera, FirstUpdateAfterAPauseSpansTheWholePause) {
    free_camera = true;
    platform.press(kKeyCameraUp);
    frame(3.0);  // e.g. three seconds spent in a menu
    expect_near(camera_position, glm::vec3(60.0f, 0.0f, 5.0f), 1e-3f);
}
