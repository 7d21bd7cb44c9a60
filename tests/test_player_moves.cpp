// The player's walking, turning, jumping and its dealings with the hostage.
#include <gtest/gtest.h>

#include "scene_builder.h"

namespace {
void hold_forward(Scene& s) {
    s.before_pass = [&s] { s.player.want_forward = true; };
}
}  // namespace

TEST(PlayerWalk, FromTheGateOneCellPerPassWhileHeld) {
    Scene s;
    s.city.init();
    hold_forward(s);
    s.run_passes(1);
    EXPECT_EQ(s.player.state, PlayerWalk);
    EXPECT_EQ(s.player.motion_mode, MotionSlide);
    EXPECT_EQ(s.player.step_x, 0.0f);
    EXPECT_EQ(s.player.step_y, -1.0f);
    EXPECT_EQ(s.player.cell_y, 137);

    // Halfway through the next pass the drawn player is between the cells.
    for (int t = 0; t < 20; ++t) s.tick();
    EXPECT_NEAR(s.player.pos_y, 136.5f, 1e-3f);
    for (int t = 20; t < kTicksPerPass; ++t) s.tick();
    s.decision_pass();
    EXPECT_EQ(s.player.cell_x, 62);
    EXPECT_EQ(s.player.cell_y, 136);
    EXPECT_EQ(s.player.pos_y, 136.0f);
    EXPECT_EQ(s.player.state, PlayerWalk);

    s.run_passes(3);
    EXPECT_EQ(s.player.cell_y, 133);

    // Released: the walk under way is finished, then the player stands.
    s.before_pass = nullptr;
    s.run_passes(2);
    EXPECT_EQ(s.player.cell_y, 132);
    EXPECT_EQ(s.player.state, PlayerReady);
    EXPECT_FALSE(s.player.want_forward);
}

TEST(PlayerWalk, RefusedWhenChosenLeavesNoSlide) {
    Scene s;
    s.blocks({30, 29, 1}, {"#"});
    s.place_player({30, 30, 1}, 0);
    hold_forward(s);
    s.run_passes(3);
    EXPECT_EQ(s.player.state, PlayerReady);
    EXPECT_EQ(s.player.motion_mode, MotionNone);
    EXPECT_EQ(s.player.step_y, 0.0f);
    EXPECT_EQ(s.player.cell_y, 30);
    EXPECT_EQ(s.player.pos_y, 30.0f);
}

TEST(PlayerWalk, RefusedWhenCarriedOutSnapsTheDrawnPlayerBack) {
    Scene s;
    s.hold_others_still();
    s.place_player({30, 30, 1}, 0);
    s.player.want_forward = true;
    s.decision_pass();
    ASSERT_EQ(s.player.state, PlayerWalk);
    Ant& ant = s.add_ant({30, 29, 1});
    for (int t = 0; t < kTicksPerPass; ++t) s.tick();
    EXPECT_LT(s.player.pos_y, 29.1f);
    s.decision_pass();
    EXPECT_EQ(s.player.cell_y, 30);
    EXPECT_EQ(s.player.pos_y, 30.0f);
    EXPECT_EQ(ant.state, AntWalk);
}

TEST(PlayerTurn, QuarterTurnsAndTheWrappedAngle) {
    Scene s;
    s.player.want_turn = true;
    s.player.turn_right = 0;
    s.run_passes(1);
    EXPECT_EQ(s.player.state, PlayerTurn);
    EXPECT_EQ(s.player.motion_mode, MotionTurnLeft);
    s.run_passes(1);
    EXPECT_EQ(s.player.facing, 3);
    EXPECT_EQ(s.player.facing_angle, 1.5707964f);
    EXPECT_EQ(s.player.state, PlayerReady);

    Scene r;
    r.player.want_turn = true;
    r.player.turn_right = 1;
    r.run_passes(2);
    EXPECT_EQ(r.player.facing, 1);
    EXPECT_EQ(r.player.facing_angle, 4.712389f);
    r.tick();
    EXPECT_NEAR(r.player.facing_angle, -1.5707964f, 1e-6f);
}

TEST(PlayerTurn, DirectionIsTheOneSetWhenTheTurnCompletes) {
    Scene s;
    s.player.want_turn = true;
    s.player.turn_right = 1;
    s.run_passes(1);
    for (int t = 0; t < kTicksPerPass; ++t) s.tick();
    s.player.want_turn = true;
    s.player.turn_right = 0;
    s.decision_pass();
    EXPECT_EQ(s.player.facing, 3);
    EXPECT_EQ(s.player.facing_angle, angle_for_facing(3));
}

TEST(PlayerTurn, ForwardHeldTurnsFirstThenWalksTheNewWay) {
    Scene s;
    s.place_player({40, 40, 1}, 0);
    s.before_pass = [&s] {
        s.player.want_forward = true;
        s.player.want_turn = true;
        s.player.turn_right = 1;
    };
    s.run_passes(1);
    EXPECT_EQ(s.player.state, PlayerTurn);
    s.run_passes(1);
    EXPECT_EQ(s.player.facing, 1);
    EXPECT_EQ(s.player.state, PlayerWalk);
    EXPECT_EQ(s.player.step_x, -1.0f);
    EXPECT_EQ(s.player.cell_x, 40);

    // With jump held too, the jump wins.
    Scene j;
    j.player.want_forward = j.player.want_turn = j.player.want_jump = true;
    j.decision_pass();
    EXPECT_EQ(j.player.state, PlayerRise);
}

TEST(PlayerJump, OntoAOneBlockStepButNotATwoBlockWall) {
    Scene s;
    s.blocks({40, 39, 1}, {"#"});
    s.place_player({40, 40, 1}, 0);
    s.before_pass = [&s] { s.player.want_forward = s.player.want_jump = true; };
    s.run_passes(1);
    EXPECT_EQ(s.player.state, PlayerRise);
    EXPECT_EQ(s.player.motion_mode, MotionLift);
    s.before_pass = nullptr;
    s.player.want_forward = true;
    s.run_passes(1);
    EXPECT_EQ(s.player.cell_z, 2);
    EXPECT_EQ(s.player.state, PlayerWalk);
    s.run_passes(2);
    EXPECT_EQ(s.player.cell_y, 39);
    EXPECT_EQ(s.player.cell_z, 2);
    EXPECT_EQ(s.player.state, PlayerReady);

    Scene w;
    w.blocks({40, 39, 1}, {"#"});
    w.blocks({40, 39, 2}, {"#"});
    w.place_player({40, 40, 1}, 0);
    w.before_pass = [&w] { w.player.want_forward = w.player.want_jump = true; };
    w.run_passes(2);
    w.before_pass = nullptr;
    EXPECT_EQ(w.player.cell_z, 2);
    w.run_passes(1);
    EXPECT_EQ(w.player.state, PlayerFall);
    EXPECT_EQ(w.player.cell_y, 40);
    w.run_passes(1);
    EXPECT_EQ(w.player.cell_z, 1);
    EXPECT_EQ(w.player.state, PlayerReady);
}

TEST(PlayerHostage, FreedCloseByInTheSameLayerOnly) {
    Scene s;
    s.hold_others_still();
    s.add_hostage({64, 135, 2});
    s.run_passes(1);
    EXPECT_EQ(s.hostage.state, HostageCaptive);
    s.hostage.cell_z = 1;
    s.run_passes(1);
    EXPECT_EQ(s.hostage.state, HostageFollow);

    Scene far;
    far.hold_others_still();
    far.add_hostage({65, 137, 1});
    far.run_passes(1);
    EXPECT_EQ(far.hostage.state, HostageCaptive);
}
