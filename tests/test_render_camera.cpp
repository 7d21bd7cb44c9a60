// The camera, driven by its inputs alone; and the play state's reading of
// those inputs through a scripted cursor, keyboard and pad.
#include <gtest/gtest.h>

#include <glm/gtc/matrix_transform.hpp>

#include "actors/player.h"
#include "app/camera_input.h"
#include "app/key_codes.h"
#include "app/pad_input.h"
#include "scripted_platform.h"
#include "render/camera.h"

namespace {

class CameraUpdate : public testing::Test {
protected:
    CameraInputs in;
    Player player;
    Camera camera;

    void SetUp() override {
        update_camera(camera, in, player);  // the first call only starts the clock
        player.pos_x = 62.0f;
        player.pos_y = 137.0f;
        player.pos_z = 1.0f;
    }
    void frame(double seconds) {
        in.now += seconds;
        update_camera(camera, in, player);
    }
    glm::vec3 eye() const { return glm::vec3(glm::inverse(camera.view_matrix)[3]); }
    glm::vec3 forward() const { return -glm::vec3(glm::inverse(camera.view_matrix)[2]); }
};

}  // namespace

TEST_F(CameraUpdate, RestingCursorKeepsTheAnglesAndMovingItTurns) {
    camera.free_camera = true;
    for (int i = 0; i < 5; ++i) frame(0.02);
    EXPECT_EQ(camera.free_yaw, 0.0f);
    EXPECT_EQ(camera.free_pitch, 0.0f);
    in.look_left = -10.0;  // ten pixels right, four up
    in.look_up = 4.0;
    frame(0.02);
    EXPECT_FLOAT_EQ(camera.free_yaw, -0.05f);
    EXPECT_FLOAT_EQ(camera.free_pitch, 0.02f);
    EXPECT_EQ(camera.first_person_yaw_offset, 0.0f);
}

// Far down then far up, in each view: the pitch stops just short of
// straight down or up, the picture never turns over, and the first pixels
// back turn the view again at once.
TEST_F(CameraUpdate, PitchStopsShortOfStraightDownAndUpInBothViews) {
    for (bool free_view : {false, true}) {
        camera.free_camera = free_view;
        const float& pitch = free_view ? camera.free_pitch : camera.first_person_pitch;
        const glm::vec3 ahead = free_view ? glm::vec3(1.0f, 0.0f, 0.0f) : glm::vec3(0.0f, -1.0f, 0.0f);
        for (float sign : {-1.0f, 1.0f}) {
            in.look_up = sign * 800.0;  // four radians: upside down if unheld
            frame(0.02);
            EXPECT_EQ(pitch, sign * kPitchLimit);
            const glm::vec3 view_up = glm::vec3(glm::inverse(camera.view_matrix)[1]);
            EXPECT_GT(view_up.z, 0.0f) << "turned over, free view " << free_view;
            EXPECT_GT(glm::dot(forward(), ahead), 0.0f);  // not looking back over the head
            EXPECT_GT(forward().z * sign, 0.99f);
            in.look_up = -sign * 10.0;
            frame(0.02);
            EXPECT_FLOAT_EQ(pitch, sign * (kPitchLimit - 0.05f));
            in.look_up = 0.0;
        }
    }
}

// The pad's right stick turns the view by a rate times each frame's own
// time step, outside a dead zone: right turns right and up looks up, as the
// mouse does.
TEST_F(CameraUpdate, RightStickTurnsAtItsRatePerSecondOutsideItsDeadZone) {
    ScriptedPlatform platform;
    use_scripted_platform(&platform);
    platform.plug_pad();
    PadKeys no_keys;
    no_keys.fill(kNoKey);
    PadReader pad;
    InputFrame pass = read_input(true);
    pad.feed(pass, no_keys);  // connected centred
    const auto tilt = [&](int axis, float value) {
        platform.tilt(axis, value);
        pass = read_input(true);
        pad.feed(pass, no_keys);
        const CameraInputs read = camera_inputs(pass, pad.look, in.now);
        in.turn_left_rate = read.turn_left_rate;
        in.turn_up_rate = read.turn_up_rate;
    };
    camera.free_camera = true;
    tilt(PadRightX, 1.0f);
    frame(0.1);
    frame(0.3);
    EXPECT_FLOAT_EQ(camera.free_yaw, float(-0.4 * kPadLookRate));
    tilt(PadRightX, 0.0f);
    tilt(PadRightY, -0.6f);  // halfway between the dead zone and the rim
    frame(0.2);
    EXPECT_FLOAT_EQ(camera.free_pitch, float(0.5 * 0.2 * kPadLookRate));
    tilt(PadRightY, -0.15f);
    frame(0.2);
    EXPECT_FLOAT_EQ(camera.free_pitch, float(0.5 * 0.2 * kPadLookRate));
    use_scripted_platform(nullptr);
}

TEST_F(CameraUpdate, FirstPersonLooksAlongTheFacingTurnedAQuarterRight) {
    frame(0.02);
    EXPECT_NEAR(glm::distance(eye(), glm::vec3(124.0f, 274.0f, 2.8f)), 0.0f, 1e-3f);
    EXPECT_NEAR(glm::distance(forward(), glm::vec3(0.0f, -1.0f, 0.0f)), 0.0f, 1e-5f);
    player.facing_angle = angle_for_facing(1);
    frame(0.02);
    EXPECT_NEAR(glm::distance(forward(), glm::vec3(-1.0f, 0.0f, 0.0f)), 0.0f, 1e-5f);
}

TEST_F(CameraUpdate, UpWithRightShiftFliesTwoHundredUnitsASecondInEitherView) {
    in.forward = true;
    in.fast = true;
    frame(0.5);  // first person: the free eye still moves, along the player's view (-y)
    camera.free_camera = true;
    frame(0.5);  // then along the free view (+x)
    EXPECT_NEAR(glm::distance(camera.camera_position, glm::vec3(100.0f, -100.0f, 5.0f)), 0.0f, 1e-2f);
    EXPECT_NEAR(glm::distance(eye(), camera.camera_position), 0.0f, 1e-2f);
}

TEST_F(CameraUpdate, ProjectionSwitchesAreExactAndIndependentOfTheView) {
    frame(0.01);
    glm::mat4 perspective = camera.projection_matrix;
    EXPECT_EQ(perspective, glm::perspective(glm::radians(45.0f), 4.0f / 3.0f, 0.1f, 450.0f));
    camera.orthographic = true;
    camera.free_camera = true;
    frame(0.01);
    EXPECT_FLOAT_EQ(camera.projection_matrix[0][0], 1.0f / 3.0f);
    EXPECT_FLOAT_EQ(camera.projection_matrix[3][2], float(-202.0 / 198.0));
    camera.orthographic = false;
    frame(0.01);
    EXPECT_EQ(camera.projection_matrix, perspective);
}

// In play the cursor steers: its distance from the window's centre as it is
// now is the movement, and it is put back there; right after a resize the
// cursor left at the old centre is no movement. The camera reads the arrows
// and right Shift as they are held: a tap is a press, which the record keeps
// for the decision pass, and never moves the camera.
TEST(CameraInputs, CursorFromTheWindowCentreIsPutBackAndHeldArrowsAreRead) {
    ScriptedPlatform platform;
    use_scripted_platform(&platform);
    read_input(true);
    platform.window_width = 1280;  // maximised, say
    platform.window_height = 1024;
    CameraInputs in = camera_inputs(read_input(true), PadLook{}, 7.45);
    EXPECT_EQ(in.look_left, 0.0);
    EXPECT_EQ(in.look_up, 0.0);
    EXPECT_EQ(platform.cursor_x, 640.0);
    platform.cursor_x = 650.0;
    platform.cursor_y = 500.0;
    platform.tap(kKeyUp);
    platform.press(kKeyRightShift);
    const InputFrame pass = read_input(true);
    in = camera_inputs(pass, PadLook{}, 7.5);
    EXPECT_EQ(in.now, 7.5);
    EXPECT_EQ(in.look_left, -10.0);
    EXPECT_EQ(in.look_up, 12.0);
    EXPECT_EQ(platform.cursor_x, 640.0);
    EXPECT_EQ(platform.cursor_y, 512.0);
    EXPECT_TRUE(in.fast);
    EXPECT_FALSE(in.forward || in.back || in.left || in.right);
    EXPECT_EQ(pass.presses[kKeyUp], 1);
    platform.press(kKeyUp);
    EXPECT_TRUE(camera_inputs(read_input(true), PadLook{}, 7.6).forward);

    // Outside play the cursor is the player's own: left where it is.
    platform.cursor_x = 20.0;
    EXPECT_EQ(read_input(false).cursor_dx, 0.0);
    EXPECT_EQ(platform.cursor_x, 20.0);
    use_scripted_platform(nullptr);
}
