#include <string>

#include "app/key_codes.h"
#include "app/loop_clock.h"
#include "loop_fixture.h"
#include "render/camera.h"

namespace {

constexpr double kSixtyFps = 1.0 / 60.0;

int count_lines(const std::string& text, const std::string& needle) {
    int n = 0;
    for (size_t at = text.find(needle); at != std::string::npos; at = text.find(needle, at + 1)) ++n;
    return n;
}

TEST(LoopClock, CountdownUnitIs101TicksAndOneTickPerFrameAtMost) {
    LoopClock clock;
    clock.resync_clock = false;
    clock.tick_base = 5.0;
    double now = 5.0;
    int units = 0, frames_to_first = 0;
    for (int frame = 1; frame <= 202; ++frame) {
        now += 0.05;  // 20 fps: far below 100, still one tick per frame
        if (play_frame_time(clock, now)) {
            ++units;
            if (units == 1) frames_to_first = frame;
        }
    }
    EXPECT_EQ(frames_to_first, 101);
    EXPECT_EQ(units, 2);
    EXPECT_EQ(clock.animation_frame, 202 % 10);
}

TEST(LoopClock, FrameTimeLineCatchesUpOneSecondPerFrameAfterAStall) {
    LoopClock clock;
    std::ostringstream out;
    for (int i = 0; i < 60; ++i) report_frame_time(clock, (i + 1) / 60.0, out);
    EXPECT_EQ(out.str(), "16.6667 ms/frame\n");
    out.str("");
    report_frame_time(clock, 5.5, out);  // a stall of four and a half seconds
    for (int i = 0; i < 5; ++i) report_frame_time(clock, 5.5 + 0.001 * (i + 1), out);
    EXPECT_EQ(count_lines(out.str(), " ms/frame\n"), 4);
    EXPECT_DOUBLE_EQ(clock.frame_time_base, 5.0);
}

TEST(LoopClock, LaggingMenuGateOpensOnConsecutiveFramesUntilCaughtUp) {
    LoopClock clock;
    clock.tick_base = 0.0;
    int opened = 0;
    for (int i = 0; i < 5; ++i) opened += menu_gate_open(clock, 2.0);
    EXPECT_EQ(opened, 2);  // 0.8 and 1.6, then 2.0 - 1.6 < 0.8
}

using GameLoop = LoopFixture;

TEST_F(GameLoop, SixtyFramesPerSecondMakeOneCountdownUnitLastAbout168Seconds) {
    start_playing();
    frame(kSixtyFps);  // the first play frame only syncs the clock
    int32_t start = session->time_left;
    double elapsed = 0.0;
    while (session->time_left == start && elapsed < 5.0) {
        frame(kSixtyFps);
        elapsed += kSixtyFps;
    }
    EXPECT_EQ(session->time_left, start - 1);
    EXPECT_NEAR(elapsed, 101 * kSixtyFps, 1e-9);
    EXPECT_NEAR(elapsed, 1.68, 0.01);
}

TEST_F(GameLoop, TimedStatesFollowTheirWaitsAndKeyWaits) {
    frame(0.0);  // Intro arms its 3 s
    frames(179, kSixtyFps);
    EXPECT_EQ(game_state, Intro);
    frames(2, kSixtyFps);
    EXPECT_EQ(game_state, ChooseCharacter);

    input.tap(kKeyB);
    frame(kSixtyFps);
    EXPECT_EQ(game_state, Story);
    EXPECT_FALSE(session->player_is_girl);
    EXPECT_FALSE(session->shown.player_is_girl);

    frame(kSixtyFps);
    frame(2.0);
    EXPECT_EQ(game_state, StoryWaitKey);
    frames(3, kSixtyFps);
    EXPECT_EQ(game_state, StoryWaitKey);
    input.tap('Q');
    frame(kSixtyFps);
    EXPECT_EQ(game_state, Playing);
}

TEST_F(GameLoop, GirlIsReadBeforeBoy) {
    game_state = ChooseCharacter;
    session->player_is_girl = false;
    input.tap(kKeyG);
    input.tap(kKeyB);
    frame(kSixtyFps);
    EXPECT_TRUE(session->player_is_girl);
    EXPECT_EQ(game_state, Story);
}

TEST_F(GameLoop, EscapeOpensTheMenuOnlyAtTheNextDecisionPass) {
    start_playing();
    frame(kSixtyFps);
    input.tap(kKeyEscape);
    int frames_waited = 0;
    while (game_state == Playing && frames_waited < 100) {
        frame(kSixtyFps);
        ++frames_waited;
    }
    EXPECT_EQ(game_state, OptionsMenu);
    EXPECT_EQ(frames_waited, 40);  // the pass comes with the 40th tick
    EXPECT_TRUE(session->clock.resync_clock);
}

TEST_F(GameLoop, MenuGateActsOncePerOpeningAndSeesTapsBetweenOpenings) {
    game_state = OptionsMenu;
    session->clock.tick_base = input.now;
    input.press(kKeyDown);  // held for two seconds
    for (int i = 0; i < 120; ++i) frame(kSixtyFps);
    input.release(kKeyDown);
    EXPECT_EQ(session->screens.options_cursor, 2);  // gates at 0.8 and 1.6

    input.tap(kKeyUp);  // shorter than any frame, between two openings
    for (int i = 0; i < 30; ++i) frame(kSixtyFps);
    EXPECT_EQ(session->screens.options_cursor, 1);
}

// Slow play leaves the simulation's base seconds behind real time; the menu
// must not spend that lag opening its gate on every frame.
TEST_F(GameLoop, MenuAfterSlowPlayOpensOnceAtOnceThenEvery08Seconds) {
    start_playing();
    frames(500, 0.03);  // 15 s at 33 frames per second: 10 s of lag
    input.tap(kKeyEscape);
    for (int i = 0; i < 100 && game_state == Playing; ++i) frame(0.03);
    ASSERT_EQ(game_state, OptionsMenu);
    input.press(kKeyDown);  // held for one second
    frames(60, kSixtyFps);
    EXPECT_EQ(session->screens.options_cursor, 2);
}

TEST_F(GameLoop, ResyncKeepsMenuTimeOutOfTheSimulation) {
    start_playing();
    frames(10, kSixtyFps);
    const double base = session->clock.second_accumulator;
    game_state = OptionsMenu;
    session->clock.resync_clock = true;
    frames(600, kSixtyFps);  // ten seconds in the menu
    game_state = Playing;
    frame(kSixtyFps);  // syncs: the ten seconds are dropped
    EXPECT_EQ(session->clock.second_accumulator, base);
    frame(kSixtyFps);
    EXPECT_NEAR(session->clock.second_accumulator - base, kTickSeconds, 1e-12);
}

// An arrow held on return must move the free camera by one frame's time,
// not by the ten seconds spent in the menu.
TEST_F(GameLoop, FreeCameraStepAfterTheMenuSpansOneFrame) {
    start_playing();
    Camera& camera = session->camera;
    camera.free_camera = true;
    frames(10, kSixtyFps);
    const glm::vec3 before = camera.camera_position;
    game_state = OptionsMenu;
    frames(600, kSixtyFps);
    game_state = Playing;
    input.press(kKeyUp);
    frame(kSixtyFps);
    const float moved = glm::distance(camera.camera_position, before);
    EXPECT_LT(moved, kCameraStartSpeed * 2.0f * kSixtyFps);
}

TEST_F(GameLoop, OptionsReturnAppliesSettingsAndExitClosesTheWindow) {
    start_round(*session);
    game_state = OptionsMenu;
    session->clock.tick_base = input.now;
    auto gate = [&](int key) {
        input.tap(key);
        frames(50, kSixtyFps);
    };
    gate(kKeyDown);    // DAMAGE
    gate(kKeyRight);   // 2
    gate(kKeyDown);    // RADIUS
    gate(kKeyLeft);    // 1
    for (int i = 0; i < 3; ++i) gate(kKeyDown);  // RETURN
    gate(kKeyEnter);
    EXPECT_EQ(game_state, Playing);
    EXPECT_EQ(session->grenade.blast_radius, 1);
    for (int i = 0; i < session->ant_count(); ++i) EXPECT_EQ(session->ants[i].bite_damage, 2);

    game_state = OptionsMenu;
    gate(kKeyUp);  // from VOLUMEN up to EXIT
    gate(kKeyEnter);
    EXPECT_TRUE(input.close_requested);
    EXPECT_FALSE(run_logic_pass(*session, out));
}

}  // namespace
