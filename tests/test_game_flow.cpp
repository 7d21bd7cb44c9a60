#include "app/best_scores_file.h"
#include "app/key_bindings.h"
#include "app/key_codes.h"
#include "app/round_rules.h"
#include "loop_fixture.h"
#include "temp_files.h"

namespace {

constexpr double kFrame = 1.0 / 60.0;

using GameFlow = LoopFixture;

// Runs frames until the state changes or the frame budget is spent.
int run_until_state_leaves(LoopFixture& f, int32_t state, int budget) {
    int frames = 0;
    while (f.game_state() == state && frames < budget) {
        f.frame(kFrame);
        ++frames;
    }
    return frames;
}

// A whole game through the debugging keys: a rescue, the score screens, a
// death, then the time running out and back to the title.
TEST_F(GameFlow, RescueDeathAndTimeOutLeadThroughEveryScreenAndBack) {
    std::vector<int> rands(4096);
    for (size_t i = 0; i < rands.size(); ++i) rands[i] = int(i * 7919 % 100003);
    script_random(std::vector<float>(4096, 0.99f), rands);
    run_until_state_leaves(*this, Intro, 400);
    ASSERT_EQ(game_state(), ChooseCharacter);
    input.tap(kKeyG);
    frame(kFrame);
    run_until_state_leaves(*this, Story, 400);
    input.tap(kKeyEnter);
    frame(kFrame);
    ASSERT_EQ(game_state(), Playing);
    EXPECT_EQ(session->ant_count(), 5);

    session->time_left = 500;  // time spent, so the next round's 999 is a reset
    input.tap(kKeyF8);         // win this round
    run_until_state_leaves(*this, Playing, 100);
    ASSERT_EQ(game_state(), RescueMessage);
    run_until_state_leaves(*this, RescueMessage, 400);
    ASSERT_EQ(game_state(), ScoreScreen);
    EXPECT_EQ(session->shown.rescued, 1);
    EXPECT_EQ(session->shown.score, 500);
    run_until_state_leaves(*this, ScoreScreen, 400);
    input.tap('P');
    frame(kFrame);
    ASSERT_EQ(game_state(), Playing);
    EXPECT_EQ(session->ant_count(), 10);  // five more after a rescue
    EXPECT_EQ(session->time_left, 999);

    input.tap(kKeyF10);  // a death: same pack, time carries on
    run_until_state_leaves(*this, Playing, 100);
    ASSERT_EQ(game_state(), DeathMessage);
    run_until_state_leaves(*this, DeathMessage, 400);
    ASSERT_EQ(game_state(), HaveAnotherGo);
    EXPECT_EQ(session->ant_count(), 10);
    run_until_state_leaves(*this, HaveAnotherGo, 400);
    ASSERT_EQ(game_state(), Playing);

    input.tap(kKeyF11);  // out of time: the game ends
    run_until_state_leaves(*this, Playing, 100);
    ASSERT_EQ(game_state(), TimeUpScreen);
    EXPECT_TRUE(session->best_scores.not_ranked);  // debugging keys were used
    EXPECT_TRUE(session->best_scores.table.empty());
    EXPECT_EQ(session->best_scores.marked, -1);
    run_until_state_leaves(*this, TimeUpScreen, 400);
    input.tap('P');
    frame(kFrame);
    EXPECT_EQ(game_state(), Intro);
    run_until_state_leaves(*this, Intro, 400);
    EXPECT_EQ(session->score, 0);  // a new game starts from nothing
    EXPECT_EQ(session->round_index, 0);
}

// The clock ends a game begun after one where a debugging key was used: it
// enters the best scores once, marked on the time-up screens.
TEST_F(GameFlow, GameEndedByTheClockEntersTheBestScoresOnce) {
    TempFolder folder("swarmfall-flow");
    session->best_scores_path = (folder.path / "best-scores").string();
    session->debug_key_used = true;
    run_until_state_leaves(*this, Intro, 400);
    input.tap(kKeyB);
    frame(kFrame);
    run_until_state_leaves(*this, Story, 400);
    input.tap(kKeyEnter);
    frame(kFrame);
    ASSERT_EQ(game_state(), Playing);
    session->time_left = 1;
    session->score = 250;
    run_until_state_leaves(*this, Playing, 200);
    ASSERT_EQ(game_state(), TimeUpScreen);
    run_until_state_leaves(*this, TimeUpScreen, 400);
    input.tap('P');
    frame(kFrame);
    ASSERT_EQ(game_state(), Intro);

    const BestScores entered = {BestScore{250, 0, false, "2024-06-01"}};
    EXPECT_EQ(load_best_scores(session->best_scores_path, out).table, entered);
    EXPECT_EQ(session->best_scores.table, entered);
    EXPECT_EQ(session->best_scores.marked, 0);
    EXPECT_FALSE(session->best_scores.not_ranked);
}

TEST_F(GameFlow, EndOfIntroStartsAFreshGameWithTheDefaultBindings) {
    key_bindings()[ActionForward] = kKeyUp;
    key_bindings()[ActionJump] = kKeyW;
    session->score = 530;
    session->time_left = 12;
    session->round_index = session->rescued_count = session->immobilised_ants = 2;
    session->shown.score = session->shown.time = session->shown.rescued = 9;
    run_until_state_leaves(*this, Intro, 400);
    ASSERT_EQ(game_state(), ChooseCharacter);
    for (int32_t action = 0; action < kBindableActionCount; ++action) {
        EXPECT_EQ(key_bindings()[action], kDefaultKeys[action]) << "action " << action;
    }
    EXPECT_EQ(session->score, 0);
    EXPECT_EQ(session->time_left, 999);
    EXPECT_EQ(session->round_index + session->rescued_count + session->immobilised_ants, 0);
    EXPECT_EQ(session->shown.score + session->shown.time +
                  session->shown.rescued, 0);
}

TEST_F(GameFlow, DeathReadiesThePlayerDropsKnockedOutAntsAndBitesAndKeepsTheTime) {
    start_playing();
    session->time_left = 400;
    session->score = 70;
    session->immobilised_ants = 2;
    session->bitten_timer = session->hostage_bitten_timer = kMessageUnits;  // bitten, then eaten
    session->player.state = PlayerDead;
    frame(kFrame);
    ASSERT_EQ(game_state(), DeathMessage);
    session->player.state = PlayerStunned;
    session->player.want_forward = session->player.want_throw = true;
    frame(kFrame);
    EXPECT_EQ(session->player.state, PlayerReady);
    EXPECT_FALSE(session->player.want_forward || session->player.want_throw);
    EXPECT_EQ(session->immobilised_ants, 2);  // only dropped when the message ends
    run_until_state_leaves(*this, DeathMessage, 400);
    ASSERT_EQ(game_state(), HaveAnotherGo);
    EXPECT_EQ(session->immobilised_ants, 0);
    EXPECT_EQ(session->score, 70);  // no bonus for a death
    EXPECT_EQ(session->time_left, 400);
    run_until_state_leaves(*this, HaveAnotherGo, 400);
    ASSERT_EQ(game_state(), Playing);
    EXPECT_EQ(play_message(*session).text, nullptr);  // the new life starts without a bite
}

// Also in frames of 40 ticks: the frame's ticks stop at the time-out, so
// the round rules that end the game run once.
TEST_F(GameFlow, CountdownReachingZeroEndsTheGameWithTheBonusOnce) {
    for (double frame_seconds : {kFrame, 0.4}) {
        start_playing();
        session->time_left = 1;
        session->score = 100;
        session->immobilised_ants = 3;
        for (int i = 0; i < 200 && game_state() == Playing; ++i) frame(frame_seconds);
        ASSERT_EQ(game_state(), TimeUpScreen);
        EXPECT_EQ(session->time_left, 0);
        EXPECT_EQ(session->score, 130);  // 10 for each knocked-out ant, no time left
    }
}

}  // namespace
