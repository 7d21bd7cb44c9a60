#include <string>

#include "app/key_codes.h"
#include "app/round_rules.h"
#include "loop_fixture.h"

namespace {

using RoundRules = LoopFixture;

TEST_F(RoundRules, RescueAddsBonusOnceEvenWhenTimeRunsOutInTheSameFrame) {
    start_playing();
    GameSession& s = *session;
    s.immobilised_ants = 3;
    s.time_left = 500;
    s.hostage.state = HostageFollow;
    s.hero_message_pending = false;
    s.hostage.cell_x = 9;  // column 9 is outside the wall
    apply_round_rules(s);
    EXPECT_EQ(game_state(), RescueMessage);
    EXPECT_EQ(s.score, 530);
    EXPECT_EQ(s.immobilised_ants, 0);
    EXPECT_EQ(s.round_index, 1);
    EXPECT_EQ(s.rescued_count, 1);
    EXPECT_TRUE(s.clock.resync_clock);

    s.time_left = 0;
    s.immobilised_ants = 2;
    game_state() = Playing;
    apply_round_rules(s);
    EXPECT_EQ(game_state(), RescueMessage);
    EXPECT_EQ(s.score, 530 + 20);

    s.hostage.cell_x = 10;  // on the wall line: still inside
    game_state() = Playing;
    s.time_left = 7;
    apply_round_rules(s);
    EXPECT_EQ(game_state(), Playing);
}

TEST_F(RoundRules, DeathsRecordTheirCauseAndLaterRulesWin) {
    start_playing();
    GameSession& s = *session;
    s.player.state = PlayerDead;
    s.hostage.state = HostageDead;
    s.hero_message_pending = false;
    apply_round_rules(s);
    EXPECT_EQ(game_state(), DeathMessage);
    EXPECT_EQ(s.death_cause, DeathPlayer);  // the player's death is recorded first

    s.player.state = PlayerReady;
    game_state() = Playing;
    apply_round_rules(s);
    EXPECT_EQ(s.death_cause, DeathHostage);

    // F8 and F10 in one pass: the later key wins, a suspicious death.
    s.hostage.state = HostageFollow;
    game_state() = Playing;
    input.tap(kKeyF8);
    input.tap(kKeyF10);
    s.keys.take(read_input(false));
    read_cheat_keys(s, out);
    apply_round_rules(s);
    EXPECT_EQ(game_state(), DeathMessage);
    EXPECT_EQ(s.death_cause, DeathOther);
    EXPECT_EQ(out.str(), "Cheat activated! WON GAME\nCheat activated! DIE!\n");
}

TEST_F(RoundRules, KnockedOutAntsCountOnceAndMessagesKeepTheirOrder) {
    start_playing();
    GameSession& s = *session;
    s.hostage.state = HostageFollow;
    s.hero_message_pending = true;
    s.ants[0].state = AntStomped;
    s.ants[1].state = AntStomped;
    s.ants[2].state = AntBlasted;
    apply_round_rules(s);
    EXPECT_EQ(game_state(), HostageFound);
    EXPECT_FALSE(s.hero_message_pending);
    EXPECT_EQ(s.immobilised_ants, 3);
    EXPECT_EQ(s.ants[0].state, AntParalysed);
    EXPECT_EQ(s.ants[2].state, AntDestroyed);
    EXPECT_STREQ(play_message(s).text, " PARALYSED AN ANT !");

    game_state() = Playing;
    apply_round_rules(s);
    EXPECT_EQ(s.immobilised_ants, 3);  // not counted again
    EXPECT_EQ(game_state(), Playing);   // the words show once per round

    s.player.state = PlayerBitten;
    apply_round_rules(s);
    EXPECT_STREQ(play_message(s).text, " BITTEN! ");
    for (int unit = 0; unit < 3; ++unit) count_down(s);
    s.player.state = PlayerStunned;
    apply_round_rules(s);
    EXPECT_STREQ(play_message(s).text, " STUNNED !");
}

}  // namespace
