// The shared movement rules: the cell ahead, occupants, the forward probe,
// stomping and the layer limits.
#include <gtest/gtest.h>

#include "scene_builder.h"

namespace {
CellXY ahead_of(Scene& s, CellCoord cell, int facing) {
    s.place(s.player, cell, facing);
    return front_cell(s.player);
}
}  // namespace

TEST(FrontCell, WrapsAtTheWorldEdges) {
    Scene s;
    CellXY c = ahead_of(s, {0, 5, 1}, 1);
    EXPECT_EQ(c.x, 147);
    EXPECT_EQ(c.y, 5);
    c = ahead_of(s, {147, 5, 1}, 3);
    EXPECT_EQ(c.x, 0);
    EXPECT_EQ(c.y, 5);
    c = ahead_of(s, {5, 0, 1}, 0);
    EXPECT_EQ(c.x, 5);
    EXPECT_EQ(c.y, 147);
    c = ahead_of(s, {5, 147, 1}, 2);
    EXPECT_EQ(c.y, 0);
}

TEST(ProbeForward, StepAcrossTheSeamKeepsTheRawSign) {
    Scene s;
    s.place_player({147, 5, 1}, 3);
    EXPECT_TRUE(probe_forward(s.world, s.player));
    EXPECT_EQ(s.player.step_x, -1.0f);
    EXPECT_EQ(s.player.step_y, 0.0f);
    s.place_player({20, 20, 1}, 0);
    EXPECT_TRUE(probe_forward(s.world, s.player));
    EXPECT_EQ(s.player.step_x, 0.0f);
    EXPECT_EQ(s.player.step_y, -1.0f);
}

TEST(ProbeForward, BlocksAndOccupantsRefuseTheFlyingGrenadeDoesNot) {
    Scene s;
    s.blocks({30, 29, 1}, {"#"});
    s.place_player({30, 30, 1}, 0);
    EXPECT_FALSE(probe_forward(s.world, s.player));
    EXPECT_EQ(s.player.step_y, 0.0f);

    // The ground layer below never blocks a walk in layer 1.
    s.place_player({40, 40, 1}, 2);
    s.place(s.grenade, {40, 41, 1}, 0);
    s.grenade.phase = GrenadeFlying;
    EXPECT_TRUE(probe_forward(s.world, s.player));
    EXPECT_EQ(s.player.step_y, 1.0f);

    s.add_hostage({41, 40, 1});
    s.place_player({40, 40, 1}, 3);
    EXPECT_FALSE(probe_forward(s.world, s.player));
    EXPECT_EQ(s.player.step_x, 0.0f);

    for (int32_t state : {AntWalk, AntStomped, AntParalysed}) {
        Scene t;
        t.add_ant({50, 49, 1}, state);
        t.place_player({50, 50, 1}, 0);
        EXPECT_FALSE(probe_forward(t.world, t.player)) << "ant state " << state;
    }
    for (int32_t state : {AntBlasted, AntDestroyed}) {
        Scene t;
        t.add_ant({50, 49, 1}, state);
        t.place_player({50, 50, 1}, 0);
        EXPECT_TRUE(probe_forward(t.world, t.player)) << "ant state " << state;
    }
}

TEST(ProbeForward, TheRealGateIsOpenAndItsPostsAreNot) {
    Scene s;
    s.city.init();
    s.place_player({62, 137, 1}, 0);
    EXPECT_TRUE(probe_forward(s.world, s.player));
    s.place_player({56, 137, 1}, 1);
    EXPECT_FALSE(probe_forward(s.world, s.player));
    s.place_player({69, 137, 1}, 3);
    EXPECT_FALSE(probe_forward(s.world, s.player));
}

TEST(OccupantAt, FirstMatchInFixedOrder) {
    Scene s;
    s.place_player({10, 10, 1});
    s.add_ant({10, 10, 1});
    EXPECT_EQ(occupant_at(s.world, 10, 10, 1), OccupantPlayer);
    EXPECT_EQ(occupant_at(s.world, 10, 10, 2), OccupantNone);

    s.add_hostage({12, 12, 1});
    s.add_ant({12, 12, 1});
    EXPECT_EQ(occupant_at(s.world, 12, 12, 1), OccupantHostage);

    // A held grenade occupies nothing, a flying one does.
    s.place(s.grenade, {14, 14, 1}, 0);
    s.add_ant({14, 14, 1});
    EXPECT_EQ(occupant_at(s.world, 14, 14, 1), OccupantAnt);
    s.grenade.phase = GrenadeFlying;
    EXPECT_EQ(occupant_at(s.world, 14, 14, 1), OccupantGrenade);
}

TEST(ParalyseAnts, MarksEveryFitAntInTheExactCellOnly) {
    Scene s;
    s.add_ant({30, 30, 1});
    s.add_ant({30, 30, 1});
    s.add_ant({30, 31, 1});
    s.add_ant({30, 30, 1}, AntBlasted);
    s.add_ant({30, 30, 1}, AntDestroyed);
    s.add_ant({30, 30, 1}, AntParalysed);
    s.add_ant({30, 30, 1}, AntReady);
    paralyse_ants_at(s.world, 30, 30, 1);
    EXPECT_EQ(s.ants[0].state, AntStomped);
    EXPECT_EQ(s.ants[1].state, AntStomped);
    EXPECT_EQ(s.ants[2].state, AntWalk);
    EXPECT_EQ(s.ants[3].state, AntBlasted);
    EXPECT_EQ(s.ants[4].state, AntDestroyed);
    EXPECT_EQ(s.ants[5].state, AntParalysed);
    EXPECT_EQ(s.ants[6].state, AntStomped);
}

TEST(LayerLimits, ReadsOutsideTheGridAndVerticalMovesStayInside) {
    Scene s;
    EXPECT_EQ(cell_code(s.city, 3, 3, -1), CellGround);
    EXPECT_EQ(cell_code(s.city, 3, 3, 10), CellEmpty);
    s.place_player({3, 3, 9});
    EXPECT_FALSE(rise_one_layer(s.player));
    EXPECT_EQ(s.player.cell_z, 9);
    EXPECT_EQ(s.player.step_z, 1.0f);
    s.place_player({3, 3, 1});
    EXPECT_FALSE(sink_one_layer(s.player));
    EXPECT_EQ(s.player.cell_z, 1);
    EXPECT_TRUE(is_supported(s.player));
    s.place_player({3, 3, 2});
    EXPECT_FALSE(is_supported(s.player));
    EXPECT_TRUE(sink_one_layer(s.player));
    EXPECT_EQ(s.player.step_z, -1.0f);
}
