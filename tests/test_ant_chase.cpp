// The chase: when an ant stops, which leg it runs, how its turns go.
#include <gtest/gtest.h>

#include <cmath>

#include "round_scene.h"

namespace {
constexpr float kChase = 0.5f;  // any draw that keeps the ant chasing

// Same heading up to a whole turn.
void expect_heading(float angle, int facing) {
    const double diff = std::remainder(double(angle) - double(angle_for_facing(facing)),
                                       2.0 * 3.14159265358979323846);
    EXPECT_NEAR(diff, 0.0, 1e-4) << "facing " << facing;
}
}  // namespace

TEST(AntChase, BesidePlayerStaysReadyButDiagonalKeepsChasing) {
    RoundScene s;
    s.put(s.player, {60, 104, 1});
    Ant& ant = s.add_ant({60, 103, 1});
    s.random.script_draws({kChase, kChase, kChase}, {});
    for (int i = 0; i < 3; ++i) s.pass(ant);
    EXPECT_EQ(ant.state, AntReady);
    EXPECT_EQ(ant.cell_x, 60);
    EXPECT_EQ(ant.cell_y, 103);
    EXPECT_EQ(ant.motion_mode, MotionNone);
    EXPECT_EQ(s.scent.at(60, 103), 3 * kAntScentDeposit);  // nothing faded it
    EXPECT_EQ(s.random.overruns(), 0);

    s.put(s.player, {61, 104, 1});
    s.random.script_draws({kChase}, {});
    s.pass(ant);
    EXPECT_EQ(ant.state, AntTurn);  // y leg, wanted 2 from facing 0
    EXPECT_EQ(ant.target_facing, 3);
}

TEST(AntChase, XLegLeavesThePlayersLineThenYLegWalksToAdjacent) {
    RoundScene s;
    s.put(s.player, {60, 110, 1});
    Ant& ant = s.add_ant({60, 103, 1});
    s.random.script_draws(std::vector<float>(40, kChase), {});

    s.pass(ant);  // dx = 0: x leg toward x - 1, a right quarter turn
    EXPECT_EQ(ant.state, AntTurn);
    EXPECT_EQ(ant.target_facing, 1);
    EXPECT_TRUE(ant.turn_decrements);
    EXPECT_EQ(ant.motion_mode, MotionTurnRight);

    std::vector<std::pair<int, int>> cells;
    for (int i = 0; i < 20; ++i) {
        s.pass(ant);
        if (cells.empty() || cells.back() != std::make_pair(ant.cell_x, ant.cell_y))
            cells.emplace_back(ant.cell_x, ant.cell_y);
    }
    std::vector<std::pair<int, int>> expected = {{60, 103}, {59, 103}};
    for (int y = 104; y <= 110; ++y) expected.emplace_back(59, y);
    EXPECT_EQ(cells, expected);
    EXPECT_EQ(ant.state, AntReady);
    EXPECT_EQ(ant.facing, 2);
}

TEST(AntChase, YLegOnThePlayersRowStepsOffItThenXLegTurns) {
    RoundScene s;
    s.put(s.player, {70, 103, 1});
    Ant& ant = s.add_ant({60, 103, 1});
    s.random.script_draws({kChase, kChase}, {});
    s.pass(ant);
    EXPECT_EQ(ant.state, AntWalk);
    EXPECT_EQ(ant.motion_mode, MotionSlide);
    EXPECT_FLOAT_EQ(ant.step_y, -1.0f);
    s.pass(ant);
    EXPECT_EQ(ant.cell_y, 102);
    EXPECT_EQ(ant.state, AntTurn);
    EXPECT_EQ(ant.target_facing, 3);
    EXPECT_FALSE(ant.turn_decrements);
    EXPECT_EQ(ant.motion_mode, MotionTurnLeft);
}

TEST(AntChase, QuarterTurnTakesThreePassesAndHeadingTurnsOnce) {
    RoundScene s;
    s.put(s.player, {61, 110, 1});
    Ant& ant = s.add_ant({60, 103, 1}, AntReady, 3);
    s.random.script_draws({kChase}, {});
    s.pass(ant);
    ASSERT_EQ(ant.state, AntTurn);
    EXPECT_EQ(ant.target_facing, 2);
    EXPECT_FALSE(ant.turn_decrements);
    EXPECT_EQ(ant.motion_mode, MotionTurnLeft);

    s.pass(ant);
    EXPECT_EQ(ant.facing, 0);
    expect_heading(ant.facing_angle, 2);  // the drawn quarter is already done
    EXPECT_EQ(ant.motion_mode, MotionNone);
    s.pass(ant);
    EXPECT_EQ(ant.facing, 1);
    EXPECT_EQ(ant.state, AntTurn);
    s.pass(ant);
    EXPECT_EQ(ant.facing, 2);
    EXPECT_EQ(ant.state, AntWalk);
    EXPECT_EQ(ant.motion_mode, MotionSlide);
    expect_heading(ant.facing_angle, 2);
    EXPECT_EQ(s.random.units_left(), 0);
    EXPECT_EQ(s.random.overruns(), 0);  // turns draw nothing
}

TEST(AntChase, BlockedYLegSwitchesToXOnlyFromPointNineInDouble) {
    RoundScene s;
    s.put(s.player, {62, 110, 1});
    s.block(60, 104, 1);
    Ant& ant = s.add_ant({60, 103, 1}, AntReady, 2);

    s.random.script_draws({kChase, 0.9f}, {});  // 0.9f is just below 0.9
    s.pass(ant);
    EXPECT_EQ(ant.state, AntReady);
    EXPECT_EQ(ant.facing, 2);

    s.random.script_draws({kChase, 0.95f}, {});
    s.pass(ant);
    EXPECT_EQ(ant.state, AntTurn);  // x leg: wanted 3 from facing 2
    EXPECT_EQ(ant.target_facing, 3);
    EXPECT_TRUE(ant.turn_decrements);
}

TEST(AntChase, UnderThePlayerWithTheXWayBlockedKeepsHeadingAndFacingTogether) {
    RoundScene s;
    s.put(s.player, {60, 103, 2});  // standing on the ant
    s.block(59, 103, 1);
    Ant& ant = s.add_ant({60, 103, 1}, AntReady, 1);
    s.random.script_draws({kChase}, {});
    s.pass(ant);
    EXPECT_EQ(ant.state, AntReady);
    EXPECT_EQ(ant.facing, 1);
    EXPECT_EQ(ant.motion_mode, MotionNone);
}

TEST(AntChase, FlyingGrenadeCellIsNotFreeForAnAnt) {
    RoundScene s;
    s.put(s.player, {100, 20, 1});
    Ant& ant = s.add_ant({60, 103, 1}, AntWalk, 0);
    s.put(s.grenade, {60, 102, 1});
    s.grenade.phase = GrenadeFlying;
    s.random.script_draws({0.5f}, {});  // the wander draw: idle
    s.pass(ant);
    EXPECT_EQ(ant.cell_y, 103);
    s.grenade.phase = GrenadeHeld;
    ant.state = AntWalk;
    s.random.script_draws({0.5f}, {});
    s.pass(ant);
    EXPECT_EQ(ant.cell_y, 102);
}
