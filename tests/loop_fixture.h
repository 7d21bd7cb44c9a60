#pragma once
// A game session driven by a scripted clock and keyboard, no window.
#include <gtest/gtest.h>

#include <memory>
#include <sstream>

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
        session = std::make_unique<GameSession>();
        session->init_world();
        script_random({}, std::vector<int>(64, 0));
    }
    void TearDown() override { use_scripted_platform(nullptr); }

    // A new session on a fresh scripted clock from 0, with a clean scent
    // trail and the set-up's draws as in SetUp.
    void restart_on_scripted_wall_clock() {
        input = ScriptedPlatform{};
        SetUp();
    }
    void script_random(std::vector<float> units, std::vector<int> rands) {
        session->random.script_draws(std::move(units), std::move(rands));
    }
    int32_t& game_state() { return session->state; }
    KeyBindings& key_bindings() { return session->key_bindings; }
    void use_pace(int32_t pace) {
        session->settings.pace = pace;
        session->bite_time.counts_ticks = pace == PaceReal;
    }

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
        game_state() = Playing;
    }
};
