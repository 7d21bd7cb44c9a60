// Actor rules no other test reaches: the plain jump, stomps at the end of a
// jump or a climbing walk, the scanner flag, the hostage's long fall, ants
// out of play, the chase's sight and chance, every chase turn, and the
// grenade's flight for every range.
#include <gtest/gtest.h>

#include <cmath>

#include "round_scene.h"

namespace {

constexpr double kTwoPi = 2.0 * 3.14159265358979323846;

TEST(PlayerJump, WithoutForwardGoesUpOneLayerAndBackInTwoPasses) {
    RoundScene s;
    s.player.want_jump = true;
    s.pass(s.player);
    EXPECT_EQ(s.player.state, PlayerRise);
    s.pass(s.player);
    EXPECT_EQ(s.player.cell_z, 2);
    EXPECT_FLOAT_EQ(s.player.pos_z, 2.0f);
    EXPECT_EQ(s.player.state, PlayerFall);
    s.pass(s.player);
    EXPECT_EQ(s.player.cell_z, 1);
    EXPECT_EQ(s.player.state, PlayerReady);
    EXPECT_EQ(s.player.cell_x, 62);
    EXPECT_EQ(s.player.cell_y, 137);
}

TEST(PlayerStomp, TheEndOfAJumpOrOfAClimbingWalkParalysesTheAntBelow) {
    RoundScene jump;
    jump.player.want_jump = true;
    jump.pass(jump.player);
    Ant& under = jump.add_ant({62, 137, 1});  // slipped in under the rising player
    jump.pass(jump.player);
    EXPECT_EQ(under.state, AntStomped);
    EXPECT_EQ(jump.player.state, PlayerReady);
    EXPECT_EQ(jump.player.cell_z, 2);

    RoundScene climb;
    climb.player.want_jump = true;
    climb.pass(climb.player);
    climb.player.want_forward = true;  // held at the top: walk on up there
    climb.pass(climb.player);
    ASSERT_EQ(climb.player.state, PlayerWalk);
    Ant& ahead = climb.add_ant({62, 136, 1});
    climb.pass(climb.player);
    EXPECT_EQ(ahead.state, AntStomped);
    EXPECT_EQ(climb.player.state, PlayerReady);
    EXPECT_EQ(climb.player.cell_y, 136);
    EXPECT_EQ(climb.player.cell_z, 2);
}

// The SCAN flag after a walk chosen in each direction from the gate, toward
// or away from the captive at (70, 130); a freed hostage never sets it.
TEST(PlayerScanner, SetOnlyByAWalkThatClosesOnTheCaptive) {
    struct Case {
        int facing;
        int32_t hostage_state;
        bool nearer;
    };
    for (Case c : {Case{0, HostageCaptive, true},    // rows close, columns stay apart
                   Case{2, HostageCaptive, false},   // rows open
                   Case{3, HostageCaptive, true},    // columns close
                   Case{1, HostageCaptive, false},   // columns open
                   Case{0, HostageFollow, false}}) {
        RoundScene s;
        s.add_hostage({70, 130, 1}, c.hostage_state);
        s.put(s.player, {62, 137, 1}, c.facing);
        s.player.nearer_hostage = !c.nearer;
        s.player.want_forward = true;
        s.pass(s.player);
        ASSERT_EQ(s.player.state, PlayerWalk) << "facing " << c.facing;
        EXPECT_EQ(s.player.nearer_hostage, c.nearer) << "facing " << c.facing;
    }
}

TEST(HostageFall, FourPassesOverNothingStunButThreeAndSingleDropsDoNot) {
    for (int from : {6, 5, 2, 2, 2}) {
        RoundScene s;
        Hostage& h = s.add_hostage({62, 100, from}, HostageFollow);
        h.fall_steps = 0;
        for (int pass = 0; pass < 8 && h.cell_z > 1; ++pass) s.pass(h);
        ASSERT_EQ(h.cell_z, 1);
        if (from == 6) {
            EXPECT_EQ(h.state, HostageStunned);
            for (int pass = 0; pass < 20; ++pass) s.pass(h);
            EXPECT_EQ(h.state, HostageStunned);
            s.pass(h);
            EXPECT_NE(h.state, HostageStunned);
        } else {
            EXPECT_NE(h.state, HostageStunned) << "from layer " << from;
        }
    }
}

// Out of play an ant never bites, moves or draws: stomped and paralysed ants
// lose their bite, a blasted one its body.
TEST(AntOutOfPlay, StompedAndParalysedBiteForNothingBlastedLosesItsBody) {
    RoundScene s;
    s.put(s.player, {60, 104, 1});
    const int32_t states[] = {AntStomped, AntParalysed, AntBlasted, AntDestroyed};
    for (int i = 0; i < 4; ++i) {
        Ant& ant = s.add_ant({59 + i, 103, 1}, states[i]);
        ant.bite_clock.wound_seconds = 10.0f;
        ant.pos_x += 0.5f;
    }
    s.random.script_draws(std::vector<float>(8, 0.5f), std::vector<int>(8, 0));
    for (Ant& ant : s.ants) s.pass(ant);
    EXPECT_EQ(s.random.units_left(), 8);
    EXPECT_EQ(s.random.rands_left(), 8);
    EXPECT_EQ(s.player.health, kPlayerStartHealth);
    for (int i = 0; i < 4; ++i) {
        const Ant& ant = s.ants[size_t(i)];
        EXPECT_EQ(ant.state, states[i]);
        EXPECT_EQ(ant.cell_x, 59 + i);
        EXPECT_FLOAT_EQ(ant.pos_x, float(59 + i));
        EXPECT_EQ(ant.bite_damage, i < 2 ? 0 : kAntStartBiteDamage) << "state " << states[i];
        EXPECT_EQ(ant.visible, states[i] != AntBlasted) << "state " << states[i];
    }
}

// The chase runs when the player is within 20 cells on both axes and the
// draw is at most 0.95; otherwise the ant falls through to wandering (the
// second draw, 0.5, makes it idle).
TEST(AntChaseGate, TwentyCellsOnEachAxisAndADrawUpToPointNineFive) {
    struct Case {
        int dx, dy;
        float draw;
        bool sees, chases;
    };
    const float above = std::nextafter(0.95f, 1.0f);
    for (Case c : {Case{20, 0, 0.95f, true, true}, Case{-20, 0, 0.5f, true, true},
                   Case{0, 20, 0.5f, true, true}, Case{0, -20, 0.5f, true, true},
                   Case{21, 0, 0.5f, false, false}, Case{-21, 0, 0.5f, false, false},
                   Case{0, 21, 0.5f, false, false}, Case{0, -21, 0.5f, false, false},
                   Case{20, 0, above, true, false}}) {
        RoundScene s;
        s.put(s.player, {60 + c.dx, 103 + c.dy, 1});
        Ant& ant = s.add_ant({60, 103, 1}, AntReady, 3);
        s.random.script_draws({c.draw, 0.5f}, {});
        ant.decide(s.world);
        EXPECT_EQ(s.scent.at(60, 103), c.sees ? kAntScentDeposit : 0) << c.dx << "," << c.dy;
        EXPECT_EQ(ant.state != AntReady, c.chases) << c.dx << "," << c.dy << " draw " << c.draw;
        EXPECT_EQ(s.random.units_left(), c.sees && !c.chases ? 0 : 1) << c.dx << "," << c.dy;
    }
}

// All twelve chase turns: the table's target, direction and motion, each a
// quarter turn whose drawn heading and facing agree when it ends.
TEST(AntChaseTurns, EveryOtherFacingOfEveryWantedFacingTurnsByTheTable) {
    struct Entry {
        int wanted, facing, target;
        bool decrements;
        int32_t motion;
    };
    const Entry table[] = {
        {2, 3, 2, false, MotionTurnLeft}, {2, 1, 2, true, MotionTurnRight},
        {2, 0, 3, false, MotionTurnLeft}, {0, 3, 0, true, MotionTurnRight},
        {0, 1, 0, false, MotionTurnLeft}, {0, 2, 3, true, MotionTurnRight},
        {3, 0, 3, false, MotionTurnLeft}, {3, 2, 3, true, MotionTurnRight},
        {3, 1, 0, false, MotionTurnLeft}, {1, 0, 1, true, MotionTurnRight},
        {1, 2, 1, false, MotionTurnLeft}, {1, 3, 0, true, MotionTurnRight},
    };
    // Where the player stands (from the ant) to make each facing the wanted one.
    const CellCoord quarry[4] = {{61, 96, 1}, {53, 104, 1}, {61, 110, 1}, {67, 104, 1}};
    for (const Entry& e : table) {
        RoundScene s;
        s.put(s.player, quarry[e.wanted]);
        Ant& ant = s.add_ant({60, 103, 1}, AntReady, e.facing);
        s.random.script_draws({0.5f}, {});
        s.pass(ant);
        const std::string name = "wanted " + std::to_string(e.wanted) + " from " + std::to_string(e.facing);
        ASSERT_EQ(ant.state, AntTurn) << name;
        EXPECT_EQ(ant.target_facing, e.target) << name;
        EXPECT_EQ(ant.turn_decrements, e.decrements) << name;
        EXPECT_EQ(ant.motion_mode, e.motion) << name;
        int passes = 0;
        while (ant.state == AntTurn && passes < 4) {
            s.pass(ant);
            ++passes;
        }
        EXPECT_EQ(ant.facing, e.target) << name;
        const double drift = std::remainder(double(ant.facing_angle) - double(angle_for_facing(e.target)), kTwoPi);
        EXPECT_NEAR(drift, 0.0, 1e-4) << name;
    }
}

// A throw of range r explodes 2 (r + 1) passes after the throw pass, having
// flown 2 r + 1 cells on open ground.
TEST(GrenadeFlightLength, EveryRangeExplodesTwiceRangePlusOnePassesAfterTheThrow) {
    for (int range = 0; range <= 3; ++range) {
        Scene s;
        s.hold_others_still();
        s.player.want_throw = true;
        s.player.throw_range = range;
        s.run_passes(1);
        ASSERT_EQ(s.player.state, PlayerThrow);
        s.run_passes(1);
        EXPECT_EQ(s.grenade.flight_steps, 2 * (range + 1) - 1) << "range " << range;
        int passes = 0, furthest = s.grenade.cell_y;  // passes after the throw pass
        while (s.grenade.phase != GrenadeHeld && passes < 20) {
            furthest = s.grenade.cell_y;
            s.run_passes(1);
            ++passes;
        }
        EXPECT_EQ(passes, 2 * (range + 1)) << "range " << range;
        EXPECT_EQ(furthest, 137 - (2 * range + 1)) << "range " << range;
    }
}

}  // namespace
