#include <cmath>
#include <string>
#include <vector>

#include "app/key_bindings.h"
#include "app/key_codes.h"
#include "app/loop_clock.h"
#include "loop_fixture.h"
#include "render/camera.h"
#include "scene_builder.h"

namespace {

constexpr double kSixtyFps = 1.0 / 60.0;
constexpr double kTwentyFps = 1.0 / 20.0;
constexpr double kTwoHundredFps = 1.0 / 200.0;

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

TEST_F(GameLoop, SixtyFramesPerSecondMakeOneCountdownUnitLastAbout168SecondsAtTheFramePace) {
    start_playing();
    use_pace(PaceFrame);
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
    EXPECT_EQ(game_state(), Intro);
    frames(2, kSixtyFps);
    EXPECT_EQ(game_state(), ChooseCharacter);

    input.tap(kKeyB);
    frame(kSixtyFps);
    EXPECT_EQ(game_state(), Story);
    EXPECT_FALSE(session->player_is_girl);
    EXPECT_FALSE(session->shown.player_is_girl);

    frame(kSixtyFps);
    frame(2.0);
    EXPECT_EQ(game_state(), StoryWaitKey);
    frames(3, kSixtyFps);
    EXPECT_EQ(game_state(), StoryWaitKey);
    input.tap('Q');
    frame(kSixtyFps);
    EXPECT_EQ(game_state(), Playing);
}

TEST_F(GameLoop, GirlIsReadBeforeBoy) {
    game_state() = ChooseCharacter;
    session->player_is_girl = false;
    input.tap(kKeyG);
    input.tap(kKeyB);
    frame(kSixtyFps);
    EXPECT_TRUE(session->player_is_girl);
    EXPECT_EQ(game_state(), Story);
}

TEST_F(GameLoop, EscapeOpensTheMenuOnlyAtTheNextDecisionPass) {
    start_playing();
    use_pace(PaceFrame);
    frame(kSixtyFps);
    input.tap(kKeyEscape);
    int frames_waited = 0;
    while (game_state() == Playing && frames_waited < 100) {
        frame(kSixtyFps);
        ++frames_waited;
    }
    EXPECT_EQ(game_state(), OptionsMenu);
    EXPECT_EQ(frames_waited, 40);  // the pass comes with the 40th tick
    EXPECT_TRUE(session->clock.resync_clock);
}

// The blast and the bite show from the frame their rules act in and last
// their ticks of play, however many ticks a frame runs (one at the frame
// pace, several at the real pace at 20 frames a second); a new round starts
// without them.
TEST_F(GameLoop, BlastAndBiteShowFromTheFrameTheirRulesActInForTheirTicksOfPlay) {
    for (int32_t pace : {PaceFrame, PaceReal}) {
        SCOPED_TRACE(pace == PaceFrame ? "frame pace" : "real pace");
        start_playing();
        use_pace(pace);
        GameSession& s = *session;
        place_actor(s.ants[0], s.city, {62, 136, 1}, 2);  // beside the player in the gate
        s.ants[0].state = AntReady;
        s.ants[0].bite_clock.make_ready(s.bite_time.now());
        place_actor(s.ants[1], s.city, {62, 131, 1}, 0);  // two cells from the grenade
        place_actor(s.grenade, s.city, {62, 133, 1}, 0);
        s.grenade.phase = GrenadeExploding;
        s.grenade.visible = true;
        s.immobilised_ants = 0;
        for (int i = 0; i < 100 && s.immobilised_ants == 0; ++i) frame(kTwentyFps);
        ASSERT_EQ(s.ants[1].state, AntDestroyed);
        ASSERT_EQ(s.player.state, PlayerBitten);
        EXPECT_EQ(std::vector<int32_t>({s.effects.blast_x, s.effects.blast_y, s.effects.blast_z,
                                        s.effects.blast_radius}),
                  std::vector<int32_t>({62, 133, 1, 2}));
        const int64_t began = s.effects.blast_tick;
        EXPECT_EQ(s.effects.bite_tick, began);
        EffectsPicture shown = describe_effects(s.effects, s.city, s.clock.play_ticks);
        EXPECT_EQ(shown.blasts.size(), 1u);
        EXPECT_GT(shown.edge_flash, 0.9f);

        for (int i = 0; i < 200 && s.clock.play_ticks < began + kBlastTicks - 1; ++i) {
            frame(kTwentyFps);
        }
        if (s.clock.play_ticks == began + kBlastTicks - 1) {
            EXPECT_EQ(describe_effects(s.effects, s.city, s.clock.play_ticks).blasts.size(), 1u);
            frame(kTwentyFps);
        }
        shown = describe_effects(s.effects, s.city, s.clock.play_ticks);
        EXPECT_TRUE(shown.blasts.empty());
        EXPECT_EQ(shown.edge_flash, 0.0f);
        s.effects.blast_tick = s.effects.bite_tick = s.clock.play_ticks;
        start_round(s);
        shown = describe_effects(s.effects, s.city, s.clock.play_ticks);
        EXPECT_TRUE(shown.blasts.empty());
        EXPECT_EQ(shown.edge_flash, 0.0f);
    }
}

TEST_F(GameLoop, MenuGateActsOncePerOpeningAndSeesTapsBetweenOpenings) {
    game_state() = OptionsMenu;
    session->clock.tick_base = input.now;
    input.press(kKeyDown);  // held for two seconds
    for (int i = 0; i < 120; ++i) frame(kSixtyFps);
    input.release(kKeyDown);
    EXPECT_EQ(session->screens.options_cursor, 2);  // gates at 0.8 and 1.6

    input.tap(kKeyUp);  // shorter than any frame, between two openings
    for (int i = 0; i < 30; ++i) frame(kSixtyFps);
    EXPECT_EQ(session->screens.options_cursor, 1);

    // Down for 0.15 s, as people tap a key, across the opening at 3.2 s: one
    // move there, and none at the next opening once it has come up.
    input.hold(kKeyDown, 3.1, 3.25);
    frames(60, kSixtyFps);
    EXPECT_EQ(session->screens.options_cursor, 2);
    frames(60, kSixtyFps);
    EXPECT_EQ(session->screens.options_cursor, 2);
}

// The camera reads the arrows on every frame of play, as held keys only, so
// a FORWARD bound to Up keeps every tap: a tap between two frames and a
// 0.05 s press between two decision passes are each one step.
TEST_F(GameLoop, ForwardBoundToUpWalksOnEveryTap) {
    key_bindings()[ActionForward] = kKeyUp;
    key_bindings()[ActionJump] = kKeyRightShift;
    start_playing();
    session->ants.clear();
    const Player& p = session->player;
    const int32_t start_y = p.cell_y;
    for (int step = 0; step < 4; ++step) {
        if (step % 2 == 0) {
            input.tap(kKeyUp);
        } else {
            input.hold(kKeyUp, input.now + 0.1, input.now + 0.15);
        }
        frames(60, kSixtyFps);
        EXPECT_EQ(start_y - p.cell_y, step + 1) << "step " << step;
    }
    input.tap(kKeyRightShift);
    for (int i = 0; i < 60 && p.state != PlayerRise; ++i) frame(kSixtyFps);
    EXPECT_EQ(p.state, PlayerRise);
}

// Slow play at the frame pace leaves the simulation's base seconds behind
// real time; the menu must not spend that lag opening its gate on every frame.
TEST_F(GameLoop, MenuAfterSlowPlayOpensOnceAtOnceThenEvery08Seconds) {
    start_playing();
    use_pace(PaceFrame);
    frames(500, 0.03);  // 15 s at 33 frames per second: 10 s of lag
    input.tap(kKeyEscape);
    for (int i = 0; i < 100 && game_state() == Playing; ++i) frame(0.03);
    ASSERT_EQ(game_state(), OptionsMenu);
    input.press(kKeyDown);  // held for one second
    frames(60, kSixtyFps);
    EXPECT_EQ(session->screens.options_cursor, 2);
}

TEST_F(GameLoop, ResyncKeepsMenuTimeOutOfTheSimulation) {
    start_playing();
    frames(10, kSixtyFps);
    const double base = session->clock.second_accumulator;
    game_state() = OptionsMenu;
    session->clock.resync_clock = true;
    frames(600, kSixtyFps);  // ten seconds in the menu
    game_state() = Playing;
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
    game_state() = OptionsMenu;
    frames(600, kSixtyFps);
    game_state() = Playing;
    input.press(kKeyUp);
    frame(kSixtyFps);
    const float moved = glm::distance(camera.camera_position, before);
    EXPECT_LT(moved, kCameraStartSpeed * 2.0f * kSixtyFps);
}

TEST_F(GameLoop, OptionsReturnAppliesSettingsAndExitClosesTheWindow) {
    start_round(*session);
    game_state() = OptionsMenu;
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
    EXPECT_EQ(game_state(), Playing);
    EXPECT_EQ(session->grenade.blast_radius, 1);
    for (int i = 0; i < session->ant_count(); ++i) EXPECT_EQ(session->ants[i].bite_damage, 2);

    game_state() = OptionsMenu;
    gate(kKeyUp);  // from VOLUMEN up to EXIT
    gate(kKeyEnter);
    EXPECT_TRUE(input.close_requested);
    EXPECT_FALSE(run_logic_pass(*session, out));
}

// The pace measured as a player meets it: a countdown over 30 s of play, one
// step forward, and a player bitten by an ant, each at the frame period `dt`.

int units_in_thirty_seconds(LoopFixture& f, int32_t pace, double dt) {
    f.restart_on_scripted_wall_clock();
    f.start_playing();
    f.use_pace(pace);
    f.session->ants.clear();
    const int32_t start = f.session->time_left;
    f.frames(int(std::lround(30.0 / dt)), dt);
    EXPECT_EQ(f.game_state(), Playing);
    return start - f.session->time_left;
}

// From the pass that starts a step to the pass that ends it in the next cell.
double seconds_per_step(LoopFixture& f, int32_t pace, double dt) {
    f.restart_on_scripted_wall_clock();
    f.start_playing();
    f.use_pace(pace);
    f.session->ants.clear();
    f.input.press(f.key_bindings()[ActionForward]);
    const Player& p = f.session->player;
    const int32_t start_y = p.cell_y;
    double started = -1.0;
    for (int i = 0; i < 200; ++i) {
        f.frame(dt);
        if (started < 0.0 && p.state == PlayerWalk) started = f.input.now;
        if (p.cell_y != start_y) return f.input.now - started;
    }
    return -1.0;
}

// An ant right behind the player bites as soon as its 3 s of real time allow,
// then misses once, then bites again, and so on; FORWARD is held. Whether the
// player gets a step done after the first bite, within 30 s.
bool steps_after_a_bite(LoopFixture& f, int32_t pace, double dt) {
    f.restart_on_scripted_wall_clock();
    f.start_playing();
    f.use_pace(pace);
    const Player& p = f.session->player;
    EXPECT_EQ(p.facing, 0);  // into the city, away from the ant
    std::vector<Ant>& ants = f.session->ants;
    ants.resize(1);
    ants[0].cell_x = p.cell_x;
    ants[0].cell_y = p.cell_y + 1;
    ants[0].cell_z = p.cell_z;
    ants[0].snap_to_cell();
    ants[0].state = AntReady;
    ants[0].motion_mode = MotionNone;
    ants[0].bite_clock.wound_seconds = kAntBiteInterval;
    std::vector<int> rolls;
    for (int i = 0; i < 64; ++i) rolls.push_back(i % 2 == 0 ? 0 : 50);
    f.script_random({}, rolls);
    f.input.press(f.key_bindings()[ActionForward]);
    const int32_t start_y = p.cell_y;
    bool bitten = false;
    for (int i = 0; i < int(std::lround(30.0 / dt)) && f.game_state() == Playing; ++i) {
        f.frame(dt);
        bitten = bitten || p.state == PlayerBitten;
        if (bitten && p.cell_y != start_y) return true;
    }
    EXPECT_TRUE(bitten);
    return false;
}

// At 20 frames per second the real pace keeps the game's own figures: 2.5
// steps a second and a countdown unit every 1.01 s, and a bite's three-pass
// hop ends long before the ant's 3 s allow the next bite. The frame pace
// runs the same script at a fifth of the speed: a unit every 5 s, a step in
// 2 s, and every hop ends in a new bite.
TEST_F(GameLoop, AtTwentyFramesPerSecondTheRealPaceKeepsTheGamesSpeed) {
    const int real_units = units_in_thirty_seconds(*this, PaceReal, kTwentyFps);
    EXPECT_GE(real_units, 29);
    EXPECT_LE(real_units, 30);
    // Ten slow seconds in a row: one line naming the lighter settings.
    EXPECT_EQ(count_lines(out.str(), "Slow frames: 50 ms/frame"), 1) << out.str();
    EXPECT_NE(out.str().find("antialiasing = 0 and shadows = off"), std::string::npos);
    EXPECT_NEAR(seconds_per_step(*this, PaceReal, kTwentyFps), 0.4, 1e-6);
    EXPECT_TRUE(steps_after_a_bite(*this, PaceReal, kTwentyFps));

    EXPECT_EQ(units_in_thirty_seconds(*this, PaceFrame, kTwentyFps), 5);
    EXPECT_NEAR(seconds_per_step(*this, PaceFrame, kTwentyFps), 2.0, 1e-6);
    EXPECT_FALSE(steps_after_a_bite(*this, PaceFrame, kTwentyFps));
}

// Every decision pass as it left the actors: the frame it came in, then each
// actor's cell, facing and state, and the time left.
std::vector<std::string> decision_passes(LoopFixture& f, int32_t pace) {
    f.restart_on_scripted_wall_clock();
    f.start_playing();
    f.use_pace(pace);
    std::vector<float> units;
    std::vector<int> rands;
    for (int i = 0; i < 4096; ++i) {
        units.push_back(float(i * 37 % 100) / 100.0f);
        rands.push_back(i * 53 % 100);
    }
    f.script_random(units, rands);
    f.input.press(f.key_bindings()[ActionForward]);
    std::vector<std::string> passes;
    auto actor = [](const Actor& a, int32_t state) {
        return std::to_string(a.cell_x) + "," + std::to_string(a.cell_y) + "," +
               std::to_string(a.cell_z) + " f" + std::to_string(a.facing) + " s" +
               std::to_string(state) + "; ";
    };
    for (int frame = 0; frame < 4000 && f.game_state() == Playing; ++frame) {
        if (frame == 1000) f.input.tap(f.key_bindings()[ActionRight]);
        const double ticks_before = f.session->clock.pass_accumulator;
        f.frame(kTwoHundredFps);
        const GameSession& s = *f.session;
        if (s.clock.pass_accumulator >= ticks_before) continue;
        std::string pass = "frame " + std::to_string(frame) + ": " + actor(s.player, s.player.state) +
                           actor(s.hostage, s.hostage.state) + actor(s.grenade, s.grenade.phase);
        for (const Ant& ant : s.ants) pass += actor(ant, ant.state);
        passes.push_back(pass + "time " + std::to_string(s.time_left));
    }
    return passes;
}

TEST_F(GameLoop, AtTwoHundredFramesPerSecondBothPacesMakeTheSameDecisionPasses) {
    const std::vector<std::string> real = decision_passes(*this, PaceReal);
    const std::vector<std::string> frame = decision_passes(*this, PaceFrame);
    EXPECT_GE(real.size(), 10u);
    EXPECT_EQ(real, frame);
    EXPECT_EQ(count_lines(out.str(), "Slow frames"), 0);
}

// Above 100 frames per second most frames fall between ticks: the eye moves
// on every frame all the same, never more than one tick's slide ahead of the
// player's record, which moves only by whole ticks; the walk animation
// follows the ticks.
TEST_F(GameLoop, RealPaceDrawsTheWalkBetweenTicks) {
    start_playing();
    session->ants.clear();
    input.press(key_bindings()[ActionForward]);
    const Player& p = session->player;
    for (int i = 0; i < 100 && p.state != PlayerWalk; ++i) frame(kTwoHundredFps);
    ASSERT_EQ(p.state, PlayerWalk);
    float last_eye = 1e9f, last_record = p.pos_y;
    int record_moves = 0, animation_steps = 0, last_animation = session->clock.animation_frame;
    for (int i = 0; i < 200; ++i) {
        frame(kTwoHundredFps);
        const float eye = camera_frame_view(session->camera).eye.y / 2.0f;
        EXPECT_LT(eye, last_eye) << "frame " << i;
        EXPECT_LE(eye, p.pos_y + 1e-4f);
        EXPECT_GE(eye, p.pos_y - 0.025f - 1e-4f);
        record_moves += p.pos_y != last_record;
        animation_steps += session->clock.animation_frame != last_animation;
        last_eye = eye;
        last_record = p.pos_y;
        last_animation = session->clock.animation_frame;
    }
    EXPECT_NEAR(record_moves, 100, 2);
    EXPECT_NEAR(animation_steps, 100, 2);
}

}  // namespace
