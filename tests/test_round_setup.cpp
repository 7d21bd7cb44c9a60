// Round set-up: where everyone starts, how the pack grows, shrinks and
// stops at 101, and what carries over from round to round.
#include <gtest/gtest.h>

#include "round_scene.h"
#include "world/level_landmarks.h"

namespace {
struct Game : RoundScene {
    std::vector<glm::vec3> starts;
    bool hero_message = false;

    Game() {
        ants.clear();
        make_first_ants(ants, starts);
    }
    void setup(int32_t round_index) {
        hero_message = false;
        setup_round(city, grenade, player, hostage, ants, starts, round_index, hero_message, world);
    }
    int32_t ant_count() const { return int32_t(ants.size()); }
    // Draws x, y as the set-up turns them into a cell: value % 128 + 10.
    static std::vector<int> draws(std::initializer_list<std::pair<int, int>> cells) {
        std::vector<int> out;
        for (auto [x, y] : cells) {
            out.push_back(x - 10);
            out.push_back(y - 10 + 128);  // the modulus must be applied
        }
        return out;
    }
};

void expect_at(const Actor& a, int x, int y, int z) {
    EXPECT_EQ(a.cell_x, x);
    EXPECT_EQ(a.cell_y, y);
    EXPECT_EQ(a.cell_z, z);
}
}  // namespace

TEST(RoundSetup, FirstRoundPlacesEveryoneAtTheFixedCells) {
    Game g;
    g.player.state = PlayerDead;
    g.player.want_jump = true;
    g.grenade.phase = GrenadeFlying;
    g.random.script_draws({}, {22 + 3});
    g.setup(0);
    EXPECT_TRUE(g.hero_message);
    expect_at(g.hostage, 121, 29, 1);
    EXPECT_EQ(g.hostage.state, HostageCaptive);
    expect_at(g.player, 62, 137, 1);
    EXPECT_EQ(g.player.state, PlayerReady);
    EXPECT_FALSE(g.player.want_jump);
    EXPECT_EQ(g.player.grenade, &g.grenade);
    expect_at(g.grenade, 52, 126, 1);
    EXPECT_EQ(g.grenade.phase, GrenadeHeld);
    ASSERT_EQ(g.ant_count(), 5);
    ASSERT_EQ(g.ants.size(), 5u);
    for (int i = 0; i < 5; ++i) {
        expect_at(g.ants[size_t(i)], 60 + i, 103, 1);
        EXPECT_EQ(g.ants[size_t(i)].state, AntWalk);
        EXPECT_EQ(g.ants[size_t(i)].quarry, &g.player);
    }
    EXPECT_EQ(g.world.ant_count(), 5);
    EXPECT_EQ(g.world.hostage, &g.hostage);
    EXPECT_EQ(g.random.rands_left(), 0);
    EXPECT_EQ(g.random.overruns(), 0);
}

TEST(RoundSetup, RescueAddsFiveAtFreeCellsAndDeathSendsTheSameTenHome) {
    Game g;
    g.random.script_draws({}, {3});
    g.setup(0);
    Ant& stomped = g.ants[0];
    stomped.state = AntParalysed;
    stomped.bite_damage = 0;
    stomped.visible = false;
    g.ants[1].turn_decrements = true;
    g.ants[1].facing = 2;
    g.put(g.ants[2], {80, 80, 1});  // roams away; its cell is not free any more

    g.block(20, 30, 1);
    std::vector<int> rands = {3};
    for (int v : Game::draws({{20, 30},                        // a block
                              {62, 137},                       // the player, already home
                              {121, 29},                       // the captive, already placed
                              {80, 80},                        // an ant of the last round
                              {11, 12}, {11, 12},              // new starts may coincide
                              {13, 14}, {15, 16}, {62, 103}}))  // ant 2 left this one
        rands.push_back(v);
    g.random.script_draws({}, rands);
    g.setup(1);
    EXPECT_EQ(g.random.rands_left(), 0);
    EXPECT_EQ(g.random.overruns(), 0);
    ASSERT_EQ(g.ant_count(), 10);
    ASSERT_EQ(g.starts.size(), 10u);
    EXPECT_EQ(g.world.ant_count(), 10);
    const int new_cells[5][2] = {{11, 12}, {11, 12}, {13, 14}, {15, 16}, {62, 103}};
    for (int i = 0; i < 5; ++i) expect_at(g.ants[size_t(5 + i)], new_cells[i][0], new_cells[i][1], 1);
    expect_at(g.ants[2], 62, 103, 1);
    EXPECT_EQ(stomped.state, AntWalk);
    EXPECT_TRUE(stomped.visible);
    EXPECT_EQ(stomped.bite_damage, 0);  // harmless until the options say otherwise
    EXPECT_TRUE(g.ants[1].turn_decrements);
    EXPECT_EQ(g.ants[1].facing, 0);
    EXPECT_EQ(g.ants[9].bite_damage, kAntStartBiteDamage);

    for (Ant& ant : g.ants) g.put(ant, {100, 100, 1}, 3);
    g.random.script_draws({}, {0});
    g.setup(1);
    EXPECT_EQ(g.random.rands_left(), 0);
    EXPECT_EQ(g.random.overruns(), 0);  // no cell drawn after a death
    expect_at(g.hostage, 18, 101, 4);
    for (int i = 0; i < 5; ++i) expect_at(g.ants[size_t(5 + i)], new_cells[i][0], new_cells[i][1], 1);
    EXPECT_EQ(g.ants[3].facing, 0);
}

// A round that ends while the player turns and an ant is half a cell into
// a walk: the next round draws both at their cells, facing where they face,
// for the whole round.
TEST(RoundSetup, RoundEndingMidTurnLeavesNoMotionBehind) {
    Game g;
    g.random.script_draws({}, {3});
    g.setup(0);
    g.player.motion_mode = MotionTurnRight;
    g.player.facing_angle = -0.7f;
    g.player.pos_x = 40.5f;
    g.player.hop_in_place = 1;
    g.player.fall_steps = 3;
    Ant& ant = g.ants[0];
    ant.motion_mode = MotionTurnLeft;
    ant.pos_y = 90.5f;
    g.grenade.motion_mode = MotionLift;
    g.grenade.pos_z = 4.5f;

    g.random.script_draws({}, {3});
    g.setup(0);
    EXPECT_EQ(g.player.hop_in_place, 0);
    EXPECT_EQ(g.player.fall_steps, 0);
    for (int tick = 0; tick < kTicksPerDecision; ++tick) {
        advance_motion(g.player);
        advance_motion(ant);
        advance_motion(g.grenade);
    }
    const Actor* placed[] = {&g.player, &ant, &g.hostage, &g.grenade};
    for (const Actor* a : placed) {
        EXPECT_EQ(a->motion_mode, MotionNone);
        EXPECT_EQ(a->facing_angle, angle_for_facing(a->facing));
        EXPECT_EQ(a->pos_x, float(a->cell_x));
        EXPECT_EQ(a->pos_y, float(a->cell_y));
        EXPECT_EQ(a->pos_z, float(a->cell_z));
    }
}

// A source that only draws taken cells (here a scripted one run dry, which
// answers 0, the block at (10, 10)) must not hold the set-up for ever: after
// a bounded number of draws the first free cell is taken in order. A street
// with no free cell at all stops the game with a message.
TEST(RoundSetup, FreeCellDrawsAreBoundedThenTheStreetIsScanned) {
    Game g;
    g.block(10, 10, 1);
    g.block(10, 11, 1);
    g.random.script_draws({}, {});
    const glm::vec3 cell = random_free_cell(g.city, g.world);
    EXPECT_EQ(cell, glm::vec3(10.0f, 12.0f, 1.0f));
    EXPECT_LE(g.random.overruns(), 100000);

    for (int x = 10; x < 138; ++x)
        for (int y = 10; y < 138; ++y) g.block(x, y, 1);
    EXPECT_DEATH(random_free_cell(g.city, g.world), "No free street cell");
}

TEST(RoundSetup, NewGameCutsBackToTheFirstFive) {
    Game g;
    g.setup(3);
    ASSERT_EQ(g.ant_count(), 20);
    g.setup(0);
    EXPECT_EQ(g.ant_count(), 5);
    EXPECT_EQ(g.ants.size(), 5u);
    EXPECT_EQ(g.starts.size(), 5u);
    EXPECT_EQ(g.world.ant_count(), 5);
    for (int i = 0; i < 5; ++i) expect_at(g.ants[size_t(i)], 60 + i, 103, 1);
}

TEST(RoundSetup, PackStopsAtOneHundredAndOne) {
    Game g;
    const Ant* first = &g.ants[0];
    g.setup(20);
    EXPECT_EQ(g.ant_count(), kMaxAnts);
    EXPECT_EQ(g.ants.size(), size_t(kMaxAnts));
    EXPECT_EQ(&g.ants[0], first) << "the pack never moves in memory";
    g.random.script_draws({}, {0});
    g.setup(25);
    EXPECT_EQ(g.ant_count(), kMaxAnts);
    EXPECT_EQ(g.random.overruns(), 0);
}
