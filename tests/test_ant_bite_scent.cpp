// Bites, the wander split, the scent step and the fading trail.
#include <gtest/gtest.h>

#include <cmath>

#include "round_scene.h"

namespace {
// A scene with the player far out of sight and one ant on unscented street.
struct FarScene : RoundScene {
    Ant* ant;
    FarScene() {
        put(player, {100, 20, 1});
        ant = &add_ant({60, 103, 1}, AntReady, 0);
    }
};

double angle_gap(float angle, int facing) {
    return std::remainder(double(angle) - double(angle_for_facing(facing)),
                          2.0 * 3.14159265358979323846);
}
}  // namespace

TEST(AntBite, ClockGatesTheRollAndASuccessfulRollRestartsIt) {
    RoundScene s;
    Ant& ant = s.add_ant({60, 103, 1});
    s.put(s.player, {61, 104, 1});  // diagonal neighbour
    ant.quarry = nullptr;           // keep the decision free of chase draws

    ant.bite_clock.wound_seconds = 2.9f;
    s.random.script_draws({0.5f}, {0});
    ant.decision_update(s.world);
    EXPECT_EQ(s.random.rands_left(), 1);  // no roll before 3 s
    EXPECT_EQ(s.player.health, kPlayerStartHealth);

    ant.bite_clock.wound_seconds = 3.0f;
    s.random.script_draws({0.5f}, {20});
    ant.decision_update(s.world);
    EXPECT_EQ(s.player.state, PlayerReady);
    EXPECT_GE(ant.bite_clock.elapsed_seconds(s.bite_time.now()), 3.0f);  // a failed roll keeps the clock

    s.random.script_draws({0.5f}, {19 + 100});
    ant.decision_update(s.world);
    EXPECT_EQ(s.player.state, PlayerBitten);
    EXPECT_EQ(s.player.health, kPlayerStartHealth - 1);
    EXPECT_LT(ant.bite_clock.elapsed_seconds(s.bite_time.now()), 1.0f);

    // A successful roll with nobody in reach still restarts the clock.
    s.put(s.player, {70, 110, 1});
    s.player.state = PlayerReady;
    ant.bite_clock.wound_seconds = 5.0f;
    s.random.script_draws({0.5f}, {0});
    ant.decision_update(s.world);
    EXPECT_EQ(s.player.health, kPlayerStartHealth - 1);
    EXPECT_LT(ant.bite_clock.elapsed_seconds(s.bite_time.now()), 1.0f);
}

TEST(AntBite, DamageKillsAtZeroAndZeroDamageOnlyStartles) {
    RoundScene s;
    s.put(s.player, {60, 104, 1});
    Ant& ant = s.add_ant({60, 103, 1});
    ant.quarry = nullptr;
    s.player.health = 1;
    ant.bite_clock.wound_seconds = 3.0f;
    s.random.script_draws({0.5f}, {0});
    ant.decision_update(s.world);
    EXPECT_EQ(s.player.health, 0);
    EXPECT_EQ(s.player.state, PlayerDead);

    s.player.health = 5;
    s.player.state = PlayerReady;
    ant.bite_damage = 0;
    ant.bite_clock.wound_seconds = 3.0f;
    s.random.script_draws({0.5f}, {0});
    ant.decision_update(s.world);
    EXPECT_EQ(s.player.health, 5);
    EXPECT_EQ(s.player.state, PlayerBitten);
}

TEST(AntBite, PlayerFirstCaptiveNeverBittenFreedHostageIs) {
    RoundScene s;
    s.put(s.player, {60, 104, 1});
    Hostage& hostage = s.add_hostage({59, 103, 1}, HostageCaptive);
    Ant& ant = s.add_ant({60, 103, 1});
    ant.quarry = nullptr;
    const auto roll = [&] {
        ant.bite_clock.wound_seconds = 3.0f;
        s.random.script_draws({0.5f}, {0});
        ant.decision_update(s.world);
    };

    roll();  // both in reach: only the player
    EXPECT_EQ(s.player.state, PlayerBitten);
    EXPECT_EQ(hostage.health, kHostageStartHealth);
    roll();  // the player is still bitten; the captive is off limits
    EXPECT_EQ(s.player.health, kPlayerStartHealth - 1);
    EXPECT_EQ(hostage.state, HostageCaptive);
    EXPECT_EQ(hostage.health, kHostageStartHealth);

    hostage.state = HostageFollow;
    roll();
    EXPECT_EQ(hostage.state, HostageBitten);
    EXPECT_EQ(hostage.health, kHostageStartHealth - 1);

    hostage.state = HostageFollow;
    hostage.cell_z = 2;  // another layer is out of reach
    roll();
    EXPECT_EQ(hostage.state, HostageFollow);
}

TEST(AntWander, SplitsSeventyTenTwentyWithTheWayAheadClear) {
    struct Case {
        float u;
        int32_t state, motion, target;
    };
    const Case cases[] = {
        {0.31f, AntReady, MotionNone, -1},     {0.99f, AntReady, MotionNone, -1},
        {0.05f, AntReady, MotionNone, -1},     {0.1f, AntReady, MotionNone, -1},
        {0.15f, AntTurn, MotionTurnLeft, 3},   {0.2f, AntTurn, MotionTurnLeft, 3},
        {0.25f, AntTurn, MotionTurnRight, 1},  {0.3f, AntTurn, MotionTurnRight, 1},
    };
    for (const Case& c : cases) {
        FarScene s;
        s.random.script_draws({c.u}, {});
        s.ant->decision_update(s.world);
        EXPECT_EQ(s.ant->state, c.state) << c.u;
        EXPECT_EQ(s.ant->motion_mode, c.motion) << c.u;
        if (c.target >= 0) {
            EXPECT_EQ(s.ant->target_facing, c.target) << c.u;
        }
        EXPECT_EQ(s.scent.at(60, 103), 0) << "no scent out of sight";
        EXPECT_EQ(s.random.overruns(), 0) << c.u;
    }
}

TEST(AntWander, BlockedAheadTossesForASide) {
    for (float v : {0.5f, 0.51f}) {
        FarScene s;
        s.block(60, 102, 1);
        s.random.script_draws({0.05f, v}, {});
        s.ant->decision_update(s.world);
        EXPECT_EQ(s.ant->state, AntTurn);
        EXPECT_EQ(s.ant->target_facing, v <= 0.5f ? 3 : 1);
        EXPECT_EQ(s.ant->turn_decrements, v > 0.5f);
        EXPECT_EQ(s.random.units_left(), 0);
    }
}

TEST(AntScent, WeightedPickAheadRightLeftAndTurnsEndAligned) {
    struct Case {
        float u;  // r = trunc(u * 60) against running totals 10, 30, 60
        int32_t state, facing_after;
    };
    const Case cases[] = {{0.1f, AntWalk, 0}, {0.5f, AntTurn, 1}, {0.99f, AntTurn, 3}};
    for (const Case& c : cases) {
        FarScene s;
        s.scent.at(60, 102) = 10;  // ahead
        s.scent.at(59, 103) = 20;  // right (facing 1)
        s.scent.at(61, 103) = 30;  // left (facing 3)
        s.random.script_draws({c.u, 0.85f}, {});
        s.pass(*s.ant);
        ASSERT_EQ(s.ant->state, c.state) << c.u;
        EXPECT_EQ(s.random.units_left(), 0) << "the choice stands at 0.85";
        if (c.state == AntTurn) {
            EXPECT_EQ(s.ant->target_facing, c.facing_after);
            for (int i = 0; i < 3; ++i) s.pass(*s.ant);
            EXPECT_EQ(s.ant->facing, c.facing_after);
            EXPECT_EQ(s.ant->state, AntWalk);
            EXPECT_NEAR(angle_gap(s.ant->facing_angle, c.facing_after), 0.0, 1e-4);
        } else {
            EXPECT_EQ(s.ant->motion_mode, MotionSlide);
        }
    }
}

TEST(AntScent, BlockedSidesAreSkippedAndEmptyCellsNeverPicked) {
    for (float accept : {0.85f, 0.86f}) {
        FarScene s;
        s.scent.at(61, 103) = 50;  // left, but a block
        s.block(61, 103, 1);
        s.scent.at(59, 103) = 7;   // right; ahead is free but unscented
        s.random.script_draws({0.0f, accept, 0.5f}, {});
        s.ant->decision_update(s.world);
        if (accept <= 0.85f) {
            // r = 0 passes over the empty cell ahead to the scented right.
            EXPECT_EQ(s.ant->state, AntTurn);
            EXPECT_EQ(s.ant->target_facing, 1);
            EXPECT_EQ(s.random.units_left(), 1);
        } else {
            // The pick was overruled and the wander idled.
            EXPECT_EQ(s.ant->state, AntReady);
            EXPECT_EQ(s.ant->motion_mode, MotionNone);
            EXPECT_EQ(s.random.units_left(), 0);
        }
    }
}

TEST(AntScent, FadesOverTwentyFourPassesAndOutlivesTheRound) {
    RoundScene s;
    s.ants.clear();
    std::vector<glm::vec3> starts;
    make_first_ants(s.ants, starts);
    s.scent.at(30, 40) = 60;
    const int32_t expected[] = {54, 48, 43, 38, 34, 30, 27, 24, 21, 18, 16, 14,
                                12, 10, 9,  8,  7,  6,  5,  4,  3,  2,  1,  0};
    for (int pass = 0; pass < 24; ++pass) {
        if (pass == 12) {
            bool hero = false;
            s.random.script_draws({}, {0});
            setup_round(s.city, s.grenade, s.player, s.hostage, s.ants, starts, 0, hero, s.world);
        }
        s.ants.front().decay_scent(s.world);
        EXPECT_EQ(s.scent.at(30, 40), expected[pass]) << "pass " << pass + 1;
    }
}
