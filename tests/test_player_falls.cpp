// The player coming down: edge steps, falls, stuns, landing on ants, the
// hop of a bite and the top of the world.
#include <gtest/gtest.h>

#include "scene_builder.h"

TEST(PlayerEdge, OneMoreStepOverNothingThenTheFall) {
    Scene s;
    s.blocks({40, 39, 1}, {".",
                           "#"});
    s.place_player({40, 40, 2}, 0);
    s.before_pass = [&s] { s.player.want_forward = true; };
    s.run_passes(2);
    // Standing over nothing, forward held: the edge step is taken.
    EXPECT_EQ(s.player.cell_y, 39);
    EXPECT_EQ(s.player.state, PlayerWalk);
    EXPECT_EQ(s.player.edge_step_used, 1);
    s.run_passes(1);
    EXPECT_EQ(s.player.cell_y, 38);
    EXPECT_EQ(s.player.cell_z, 2);
    EXPECT_EQ(s.player.state, PlayerFall);
    s.run_passes(1);
    EXPECT_EQ(s.player.cell_z, 1);
    EXPECT_EQ(s.player.state, PlayerWalk);

    // Back on something, the step is granted again.
    s.before_pass = nullptr;
    s.blocks({40, 37, 1}, {"#"});
    s.place_player({40, 37, 2}, 0);
    s.player.state = PlayerReady;
    s.run_passes(1);
    EXPECT_EQ(s.player.edge_step_used, 0);
}

TEST(PlayerFall, FromLayerSixStunsTwentyPassesActsOnTheTwentyFirst) {
    Scene s;
    s.place_player({40, 40, 6}, 0);
    s.run_passes(1);
    ASSERT_EQ(s.player.state, PlayerFall);
    s.run_passes(4);
    EXPECT_EQ(s.player.cell_z, 2);
    EXPECT_EQ(s.player.fall_steps, 4);
    s.run_passes(1);
    EXPECT_EQ(s.player.cell_z, 1);
    EXPECT_EQ(s.player.state, PlayerStunned);
    EXPECT_EQ(s.player.fall_steps, 0);
    s.before_pass = [&s] { s.player.want_forward = true; };
    for (int pass = 1; pass <= 20; ++pass) {
        s.run_passes(1);
        ASSERT_EQ(s.player.state, PlayerStunned) << "stunned pass " << pass;
        ASSERT_EQ(s.player.cell_y, 40);
    }
    s.run_passes(1);
    EXPECT_EQ(s.player.state, PlayerWalk);
    EXPECT_EQ(s.player.stun_steps, 0);
}

TEST(PlayerFall, FromLayerFiveIsNotStunned) {
    Scene s;
    s.place_player({40, 40, 5}, 0);
    s.run_passes(4);
    EXPECT_EQ(s.player.cell_z, 2);
    EXPECT_EQ(s.player.fall_steps, 3);
    s.run_passes(1);
    EXPECT_EQ(s.player.cell_z, 1);
    EXPECT_EQ(s.player.state, PlayerReady);
}

TEST(PlayerAnts, LandingOnAnAntParalysesItStandingOverOneDoesNot) {
    Scene s;
    s.hold_others_still();
    Ant& ant = s.add_ant({40, 40, 1});
    s.place_player({40, 40, 3}, 0);
    s.run_passes(2);
    EXPECT_EQ(s.player.cell_z, 2);
    EXPECT_EQ(s.player.state, PlayerReady);
    EXPECT_EQ(ant.state, AntStomped);

    Scene t;
    t.hold_others_still();
    Ant& under = t.add_ant({40, 40, 1});
    t.place_player({40, 40, 2}, 0);
    t.run_passes(3);
    EXPECT_EQ(t.player.state, PlayerReady);
    EXPECT_EQ(t.player.cell_z, 2);
    EXPECT_EQ(under.state, AntWalk);
}

TEST(PlayerBite, TheHopTakesThreePassesAndDropsRequests) {
    Scene s;
    s.player.state = PlayerBitten;
    s.before_pass = [&s] { s.player.want_forward = true; };
    s.run_passes(1);
    EXPECT_EQ(s.player.state, PlayerRise);
    EXPECT_EQ(s.player.hop_in_place, 1);
    EXPECT_EQ(s.player.step_z, 1.0f);
    for (int t = 0; t < kTicksPerPass; ++t) s.tick();
    EXPECT_NEAR(s.player.pos_z, 2.0f, 1e-4f);
    s.decision_pass();
    EXPECT_EQ(s.player.cell_z, 2);
    EXPECT_EQ(s.player.state, PlayerFall);
    EXPECT_EQ(s.player.cell_y, 137);
    // Only the last pass of the hop may act on what is held.
    s.before_pass = nullptr;
    s.run_passes(1);
    EXPECT_EQ(s.player.cell_z, 1);
    EXPECT_EQ(s.player.hop_in_place, 0);
    EXPECT_EQ(s.player.state, PlayerReady);
    EXPECT_EQ(s.player.cell_y, 137);
}

TEST(PlayerLayerLimits, AJumpAtTheTopLayerStaysThere) {
    Scene s;
    s.set_cell(40, 40, 8, CellBlock);
    s.place_player({40, 40, 9}, 0);
    s.player.want_jump = true;
    s.run_passes(1);
    ASSERT_EQ(s.player.state, PlayerRise);
    s.run_passes(1);
    EXPECT_EQ(s.player.cell_z, 9);
    EXPECT_EQ(s.player.state, PlayerReady);

    // The hop of a bite up there comes down onto the same block.
    s.player.state = PlayerBitten;
    s.run_passes(3);
    EXPECT_EQ(s.player.cell_z, 9);
    EXPECT_EQ(s.player.state, PlayerReady);
    EXPECT_EQ(s.player.hop_in_place, 0);
}

// Under an arch the cell above is a block: a jump or a bite's hop is
// refused there as at the top layer, and a jump with forward held walks out
// on the ground instead of through the arch's span.
TEST(PlayerLayerLimits, UnderAnArchJumpsAndHopsStayOnTheLayer) {
    Scene s;
    s.blocks({39, 40, 1}, {"#.#"});
    s.blocks({39, 40, 2}, {"###"});
    s.place_player({40, 40, 1}, 0);
    s.before_pass = [&s] { s.player.want_jump = s.player.want_forward = true; };
    s.run_passes(2);
    EXPECT_EQ(s.player.cell_z, 1);
    EXPECT_EQ(s.player.state, PlayerWalk);
    s.before_pass = nullptr;
    s.run_passes(1);
    EXPECT_EQ(s.player.cell_y, 39);
    EXPECT_EQ(s.player.cell_z, 1);

    s.place_player({40, 40, 1}, 0);
    s.player.state = PlayerBitten;
    for (int pass = 0; pass < 3; ++pass) {
        s.run_passes(1);
        EXPECT_EQ(s.player.cell_z, 1) << "pass " << pass;
    }
    EXPECT_EQ(s.player.hop_in_place, 0);
    EXPECT_EQ(s.player.state, PlayerReady);
}

TEST(PlayerLayerLimits, AFallStopsAtTheLowestStandingLayer) {
    Scene s;
    s.place_player({40, 40, 1}, 0);
    s.player.state = PlayerFall;
    s.run_passes(1);
    EXPECT_EQ(s.player.cell_z, 1);
    EXPECT_EQ(s.player.state, PlayerReady);
}
