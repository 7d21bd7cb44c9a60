// The freed captive: when it follows, how it turns, climbs and falls.
#include <gtest/gtest.h>

#include "round_scene.h"

namespace {
struct FollowScene : RoundScene {
    Hostage& h;
    explicit FollowScene(int facing = 3, CellCoord at = {60, 100, 1})
        : h(add_hostage(at, HostageFollow, facing)) {}
    void player_at_offset(int dx, int dy) { put(player, {h.cell_x + dx, h.cell_y + dy, h.cell_z}); }
};
}  // namespace

TEST(HostageFollow, FollowsBetweenTwoAndSevenByTruncatedDistance) {
    struct Case {
        int dx, dy;
        bool follows;
    };
    for (const Case& c : {Case{7, 0, true}, Case{7, 3, true}, Case{2, 0, true},
                          Case{8, 0, false}, Case{1, 1, false}, Case{6, 6, false}}) {
        FollowScene s(c.dx >= c.dy ? 3 : 2);
        s.player_at_offset(c.dx, c.dy);
        s.pass(s.h);
        EXPECT_EQ(s.h.state, c.follows ? HostageWalk : HostageFollow) << c.dx << "," << c.dy;
        EXPECT_EQ(s.h.motion_mode, c.follows ? MotionSlide : MotionNone) << c.dx << "," << c.dy;
    }
}

TEST(HostageFollow, TiesGoToTheColumns) {
    FollowScene s(2);
    s.player_at_offset(3, 3);
    s.pass(s.h);
    EXPECT_EQ(s.h.state, HostageTurn);
    EXPECT_EQ(s.h.target_facing, 3);
    EXPECT_EQ(s.h.motion_mode, MotionTurnRight);
}

TEST(HostageFollow, AboutTurnIsTwoLeftQuarterTurnsThenAWalk) {
    FollowScene s(0);
    s.player_at_offset(0, 5);
    s.pass(s.h);
    EXPECT_EQ(s.h.target_facing, 3);
    EXPECT_EQ(s.h.motion_mode, MotionTurnLeft);
    s.pass(s.h);
    EXPECT_EQ(s.h.facing, 3);
    EXPECT_FLOAT_EQ(s.h.facing_angle, angle_for_facing(3));
    EXPECT_EQ(s.h.target_facing, 2);
    EXPECT_EQ(s.h.motion_mode, MotionTurnLeft);
    s.pass(s.h);
    EXPECT_EQ(s.h.facing, 2);
    EXPECT_EQ(s.h.state, HostageWalk);
    s.pass(s.h);
    EXPECT_EQ(s.h.cell_y, 101);

    FollowScene right(1);
    right.player_at_offset(0, 5);
    right.pass(right.h);
    EXPECT_EQ(right.h.target_facing, 2);
    EXPECT_EQ(right.h.motion_mode, MotionTurnRight);
}

TEST(HostageFollow, ClimbsOneBlockAndFallsBackFromTwo) {
    FollowScene one;
    one.player_at_offset(6, 0);
    one.block(61, 100, 1);
    one.pass(one.h);
    EXPECT_EQ(one.h.state, HostageRise);
    one.pass(one.h);
    EXPECT_EQ(one.h.cell_z, 2);
    EXPECT_EQ(one.h.state, HostageWalk);
    EXPECT_EQ(one.h.motion_mode, MotionSlide);
    one.pass(one.h);
    EXPECT_EQ(one.h.cell_x, 61);
    EXPECT_EQ(one.h.cell_z, 2);
    EXPECT_EQ(one.h.climbing, 0);
    EXPECT_EQ(one.h.state, HostageWalk);  // on the step, and already heading on

    FollowScene two;
    two.put(two.player, {66, 100, 1});
    two.block(61, 100, 1);
    two.block(61, 100, 2);
    int layers[4];
    for (int& z : layers) {
        two.pass(two.h);
        z = two.h.cell_z;
    }
    EXPECT_EQ(layers[0], 1);
    EXPECT_EQ(layers[1], 2);
    EXPECT_EQ(layers[2], 2);  // the walk is refused and the fall starts
    EXPECT_EQ(layers[3], 1);
    EXPECT_EQ(two.h.cell_x, 60);
    EXPECT_EQ(two.h.state, HostageRise);  // and tries again
    EXPECT_EQ(two.h.fall_steps, 0);
}

TEST(HostageFollow, FallsByTheGridAloneOntoAnAnt) {
    FollowScene s(3, {60, 100, 2});
    s.player_at_offset(5, 0);
    s.add_ant({60, 100, 1}, AntReady);
    s.pass(s.h);
    EXPECT_EQ(s.h.state, HostageFall);
    s.pass(s.h);
    EXPECT_EQ(s.h.cell_z, 1);
    EXPECT_EQ(occupant_at(s.world, 60, 100, 1), OccupantHostage);
    EXPECT_EQ(s.ants[0].state, AntReady);  // the hostage never stomps
}

TEST(HostageFollow, BiteHopTakesThreePassesAndCaptiveStaysPut) {
    FollowScene s;
    s.player_at_offset(5, 0);
    s.h.state = HostageBitten;
    s.pass(s.h);
    EXPECT_EQ(s.h.motion_mode, MotionLift);
    EXPECT_EQ(s.h.cell_z, 1);
    s.pass(s.h);
    EXPECT_EQ(s.h.cell_z, 2);
    EXPECT_EQ(s.h.state, HostageFall);
    s.pass(s.h);
    EXPECT_EQ(s.h.cell_z, 1);
    EXPECT_EQ(s.h.hop_in_place, 0);
    EXPECT_EQ(s.h.state, HostageWalk);

    // On a block under a lintel the hop is refused and the way down does not
    // sink into the block it stands on.
    FollowScene arch(3, {60, 100, 2});
    arch.block(60, 100, 1);
    arch.block(60, 100, 3);
    arch.player_at_offset(5, 0);
    arch.h.state = HostageBitten;
    for (int pass = 0; pass < 3; ++pass) {
        arch.pass(arch.h);
        EXPECT_EQ(arch.h.cell_z, 2) << "pass " << pass;
    }
    EXPECT_EQ(arch.h.hop_in_place, 0);

    FollowScene captive;
    captive.h.state = HostageCaptive;
    captive.player_at_offset(3, 0);
    captive.pass(captive.h);
    EXPECT_EQ(captive.h.state, HostageCaptive);
    EXPECT_EQ(captive.h.motion_mode, MotionNone);
}
