#pragma once
// A game session driven by a scripted clock and keyboard, no window.
#include <gtest/gtest.h>

#include <memory>
#include <sstream>

#include "actors/random_source.h"
#include "actors/scent_map.h"
#include "actors/wall_clock.h"
#include "app/game_loop.h"
#include "app/game_session.h"
#include "app/game_state.h"
#include "scripted_platform.h"

struct LoopFixture : ::testing::Test {
    ScriptedPlatform input;
    std::unique_ptr<GameSession> session;
    std::ostringstream out;

    void SetUp() override {
        use_scripted_platform(&input);
        script_random({}, std::vector<int>(64, 0));
        session = std::make_unique<GameSession>();
        session->init_world();
        game_state = Intro;
    }
    void TearDown() override {
        use_scripted_platform(nullptr);
        use_real_random();
        set_wall_clock(nullptr);
    }

    // A new session whose bite clocks run on the scripted clock, from 0,
    // with a clean scent trail and the set-up's draws as in SetUp.
    void restart_on_scripted_wall_clock() {
        input = ScriptedPlatform{};
        set_wall_clock(platform_time);
        reset_scent_map();
        script_random({}, std::vector<int>(64, 0));
        session = std::make_unique<GameSession>();
        session->init_world();
        game_state = Intro;
    }
    void use_pace(int32_t pace) { session->settings.pace = pace; }

    // One loop pass `dt` seconds after the previous one.
    void frame(double dt) {
        input.advance(dt);
        run_logic_pass(*session, out);
    }
    void frames(int count, double dt) {
        for (int i = 0; i < count; ++i) frame(dt);
    }
    // Enter play with a round set up and the clock freshly synced.
    void start_playing() {
        start_round(*session);
        session->clock.resync_clock = true;
        game_state = Playing;
    }
};
