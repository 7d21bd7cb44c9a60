// The grenade: the throw, its flight over and under things, the blast and
// the rules on when the player may throw.
#include <gtest/gtest.h>

#include "scene_builder.h"

namespace {
// A grenade already under way from `cell`, as a throw leaves it.
void launch(Scene& s, CellCoord cell, int facing, int32_t flight_steps) {
    s.place(s.grenade, cell, facing);
    s.grenade.phase = GrenadeFlying;
    s.grenade.flight_steps = flight_steps;
    s.grenade.visible = true;
    s.grenade.motion_mode = MotionSlide;
}

void expect_cell(const Actor& a, int x, int y, int z) {
    EXPECT_EQ(a.cell_x, x);
    EXPECT_EQ(a.cell_y, y);
    EXPECT_EQ(a.cell_z, z);
}
}  // namespace

TEST(GrenadeThrow, RangeZeroFromTheGate) {
    Scene s;
    s.city.init();
    s.player.want_throw = true;
    s.player.throw_range = 0;
    s.run_passes(1);
    EXPECT_EQ(s.player.state, PlayerThrow);
    EXPECT_EQ(s.grenade.phase, GrenadeHeld);

    s.run_passes(1);  // the throw pass
    EXPECT_EQ(s.player.ammo, kPlayerStartAmmo - 1);
    EXPECT_EQ(s.player.state, PlayerReady);
    EXPECT_EQ(s.grenade.phase, GrenadeFlying);
    EXPECT_EQ(s.grenade.flight_steps, 1);
    EXPECT_TRUE(s.grenade.visible);
    expect_cell(s.grenade, 62, 136, 1);
    EXPECT_EQ(s.grenade.step_y, -1.0f);

    s.run_passes(1);
    EXPECT_EQ(s.grenade.phase, GrenadeExploding);
    EXPECT_EQ(s.grenade.motion_mode, MotionNone);
    s.run_passes(1);
    EXPECT_EQ(s.grenade.phase, GrenadeHeld);
    EXPECT_FALSE(s.grenade.visible);
    expect_cell(s.grenade, 62, 136, 1);
    EXPECT_EQ(s.player.state, PlayerReady);
}

TEST(GrenadeThrow, OnlyOneInTheAirAndNoneWithoutAmmo) {
    Scene s;
    s.player.ammo = 1;
    s.player.want_throw = true;
    s.run_passes(2);
    EXPECT_EQ(s.player.ammo, 0);
    EXPECT_EQ(s.grenade.phase, GrenadeFlying);

    // No ammunition: the request is swallowed, the grenade flies on.
    s.player.want_throw = true;
    s.run_passes(1);
    EXPECT_EQ(s.player.state, PlayerReady);
    EXPECT_FALSE(s.player.want_throw);
    s.run_passes(1);
    EXPECT_EQ(s.grenade.phase, GrenadeHeld);
    s.player.want_throw = true;
    s.run_passes(2);
    EXPECT_EQ(s.player.ammo, 0);
    EXPECT_EQ(s.grenade.phase, GrenadeHeld);

    // With ammunition, a throw is refused until the grenade is back.
    Scene t;
    t.player.want_throw = true;
    t.player.throw_range = 3;
    t.run_passes(2);
    ASSERT_EQ(t.grenade.phase, GrenadeFlying);
    t.player.want_throw = true;
    t.run_passes(1);
    EXPECT_EQ(t.player.state, PlayerReady);
    EXPECT_EQ(t.player.ammo, kPlayerStartAmmo - 1);
}

TEST(GrenadeThrow, NextThrowFromThePassAfterTheExplosion) {
    Scene s;
    s.player.want_throw = true;
    s.run_passes(3);
    ASSERT_EQ(s.grenade.phase, GrenadeExploding);
    s.player.want_throw = true;
    s.run_passes(1);  // the player still sees the grenade exploding
    EXPECT_EQ(s.player.state, PlayerReady);
    ASSERT_EQ(s.grenade.phase, GrenadeHeld);
    s.player.want_throw = true;
    s.run_passes(1);
    EXPECT_EQ(s.player.state, PlayerThrow);
}

TEST(GrenadeFlight, ClimbsOneBlockCrossesItAndDropsOffTheLedge) {
    Scene s;
    s.blocks({30, 28, 1}, {"#",
                           "#",
                           "."});
    launch(s, {30, 30, 1}, 0, 8);
    s.run_passes(1);
    EXPECT_EQ(s.grenade.phase, GrenadeClimbing);
    EXPECT_EQ(s.grenade.motion_mode, MotionLift);
    EXPECT_EQ(s.grenade.step_z, 1.0f);
    expect_cell(s.grenade, 30, 30, 2);
    s.run_passes(1);
    EXPECT_EQ(s.grenade.phase, GrenadeFlying);
    expect_cell(s.grenade, 30, 29, 2);
    s.run_passes(1);
    expect_cell(s.grenade, 30, 28, 2);
    s.run_passes(1);
    EXPECT_EQ(s.grenade.phase, GrenadeFlying);
    expect_cell(s.grenade, 30, 27, 2);
    s.run_passes(1);
    EXPECT_EQ(s.grenade.phase, GrenadeDropping);
    EXPECT_EQ(s.grenade.step_z, -1.0f);
    expect_cell(s.grenade, 30, 27, 1);
    s.run_passes(1);
    EXPECT_EQ(s.grenade.phase, GrenadeFlying);
    expect_cell(s.grenade, 30, 26, 1);
    s.run_passes(1);
    expect_cell(s.grenade, 30, 25, 1);
    s.run_passes(1);  // eighth pass: out of time
    EXPECT_EQ(s.grenade.phase, GrenadeExploding);
}

TEST(GrenadeFlight, HighWallsSetItOff) {
    // Flying: a block ahead with a block above the grenade.
    Scene s;
    s.blocks({30, 29, 1}, {"#"});
    s.blocks({30, 30, 2}, {"#"});
    launch(s, {30, 30, 1}, 0, 8);
    s.run_passes(1);
    EXPECT_EQ(s.grenade.phase, GrenadeExploding);
    expect_cell(s.grenade, 30, 30, 1);

    // Climbing: a block ahead with a block above it.
    Scene t;
    t.column(30, 29, 3);
    launch(t, {30, 30, 1}, 0, 8);
    t.run_passes(1);
    EXPECT_EQ(t.grenade.phase, GrenadeClimbing);
    t.run_passes(1);
    EXPECT_EQ(t.grenade.phase, GrenadeExploding);
    expect_cell(t.grenade, 30, 30, 2);

    // Dropping into a block face.
    Scene d;
    d.blocks({30, 29, 1}, {"#"});
    launch(d, {30, 30, 2}, 0, 8);
    d.run_passes(1);
    EXPECT_EQ(d.grenade.phase, GrenadeDropping);
    d.run_passes(1);
    EXPECT_EQ(d.grenade.phase, GrenadeExploding);
    expect_cell(d.grenade, 30, 30, 1);
}

TEST(GrenadeFlight, ActorsAheadStopItInFlightAreClimbedOverOtherwise) {
    Scene s;
    s.hold_others_still();
    s.add_ant({30, 29, 1}, AntParalysed);
    launch(s, {30, 30, 1}, 0, 8);
    s.run_passes(1);
    EXPECT_EQ(s.grenade.phase, GrenadeExploding);
    EXPECT_EQ(s.grenade.motion_mode, MotionSlide);
    expect_cell(s.grenade, 30, 30, 1);

    Scene k;
    k.hold_others_still();
    k.add_ant({30, 29, 1}, AntBlasted);
    launch(k, {30, 30, 1}, 0, 8);
    k.run_passes(1);
    EXPECT_EQ(k.grenade.phase, GrenadeFlying);
    expect_cell(k.grenade, 30, 29, 1);

    // While climbing an actor ahead lifts it a further layer.
    Scene c;
    c.hold_others_still();
    c.blocks({30, 29, 1}, {"#"});
    c.add_hostage({30, 29, 2}, HostageFollow);
    launch(c, {30, 30, 1}, 0, 8);
    c.run_passes(2);
    EXPECT_EQ(c.grenade.phase, GrenadeClimbing);
    expect_cell(c.grenade, 30, 30, 3);
    c.run_passes(1);
    EXPECT_EQ(c.grenade.phase, GrenadeFlying);
    expect_cell(c.grenade, 30, 29, 3);
}

TEST(GrenadeFlight, DroppingPastAnActorAndAtTheLowestLayer) {
    Scene s;
    s.hold_others_still();
    s.add_hostage({30, 29, 2}, HostageFollow);
    launch(s, {30, 30, 3}, 0, 8);
    s.run_passes(1);
    expect_cell(s.grenade, 30, 30, 2);
    s.run_passes(1);
    EXPECT_EQ(s.grenade.phase, GrenadeDropping);
    expect_cell(s.grenade, 30, 30, 1);

    // At layer 1 there is nothing to sink into: it goes off there.
    s.hostage.cell_z = 1;
    s.run_passes(1);
    EXPECT_EQ(s.grenade.phase, GrenadeExploding);
    expect_cell(s.grenade, 30, 30, 1);
}

// A grenade passing an actor under an overhang or above a block never
// enters the block: it goes off where it is.
TEST(GrenadeFlight, ABlockInTheWayOfAClimbOrDropSetsItOff) {
    Scene c;
    c.hold_others_still();
    c.blocks({30, 29, 1}, {"#"});
    c.blocks({30, 30, 3}, {"#"});
    c.add_hostage({30, 29, 2}, HostageFollow);
    launch(c, {30, 30, 1}, 0, 8);
    c.run_passes(2);
    EXPECT_EQ(c.grenade.phase, GrenadeExploding);
    expect_cell(c.grenade, 30, 30, 2);
    c.run_passes(1);
    EXPECT_EQ(c.grenade.phase, GrenadeHeld);
    EXPECT_EQ(c.hostage.state, HostageFollow);

    Scene d;
    d.hold_others_still();
    d.blocks({30, 30, 1}, {"#"});
    d.add_hostage({30, 29, 2}, HostageFollow);
    launch(d, {30, 30, 3}, 0, 8);
    d.run_passes(2);
    EXPECT_EQ(d.grenade.phase, GrenadeExploding);
    expect_cell(d.grenade, 30, 30, 2);
}

TEST(GrenadeBlast, RadiusByTruncatedDistanceInTheGrenadesLayer) {
    Scene s;
    s.hold_others_still();
    const CellCoord centre{60, 60, 1};
    s.add_ant({61, 62, 1});  // distance 2.24
    s.add_ant({62, 62, 1});  // 2.83, truncated to 2
    s.add_ant({63, 60, 1});
    s.add_ant({60, 57, 1});
    s.place(s.grenade, centre, 0);
    s.grenade.phase = GrenadeExploding;
    s.decision_pass();
    EXPECT_EQ(s.ants[0].state, AntBlasted);
    EXPECT_EQ(s.ants[1].state, AntBlasted);
    EXPECT_EQ(s.ants[2].state, AntWalk);
    EXPECT_EQ(s.ants[3].state, AntWalk);
    EXPECT_EQ(s.grenade.phase, GrenadeHeld);

    Scene t;
    t.hold_others_still();
    t.add_ant({60, 60, 2});
    t.add_ant({60, 61, 1}, AntStomped);
    t.add_ant({60, 61, 1}, AntParalysed);
    t.add_ant({60, 61, 1}, AntDestroyed);
    t.place(t.grenade, centre, 0);
    t.grenade.phase = GrenadeExploding;
    t.grenade.blast_radius = 5;
    t.decision_pass();
    EXPECT_EQ(t.ants[0].state, AntWalk);
    EXPECT_EQ(t.ants[1].state, AntStomped);
    EXPECT_EQ(t.ants[2].state, AntParalysed);
    EXPECT_EQ(t.ants[3].state, AntDestroyed);
}

TEST(GrenadeBlast, ThrowerInItsOwnCellIsKilledTheAntAheadKnockedOut) {
    Scene s;
    s.hold_others_still();
    s.add_ant({62, 136, 1});
    s.player.want_throw = true;
    s.run_passes(2);
    EXPECT_EQ(s.grenade.phase, GrenadeExploding);
    expect_cell(s.grenade, 62, 137, 1);
    s.run_passes(1);
    EXPECT_EQ(s.player.state, PlayerDead);
    EXPECT_EQ(s.ants[0].state, AntBlasted);

    // A block ahead with a block above the thrower keeps it in the cell too.
    Scene b;
    b.blocks({62, 136, 1}, {"#"});
    b.blocks({62, 137, 2}, {"#"});
    b.player.want_throw = true;
    b.run_passes(3);
    EXPECT_EQ(b.player.state, PlayerDead);
}

TEST(GrenadeBlast, OneFlyingAtAStandingPlayerGoesOffInFrontOfIt) {
    Scene s;
    s.hold_others_still();
    s.add_hostage({30, 20, 1}, HostageFollow);
    s.place_player({30, 30, 1}, 0);
    launch(s, {30, 33, 1}, 0, 8);
    s.run_passes(3);
    EXPECT_EQ(s.grenade.phase, GrenadeExploding);
    expect_cell(s.grenade, 30, 31, 1);
    s.run_passes(1);
    EXPECT_EQ(s.player.state, PlayerReady);
    EXPECT_EQ(s.grenade.phase, GrenadeHeld);

    // The hostage dies only in the grenade's own cell.
    s.place(s.grenade, {30, 20, 1}, 0);
    s.grenade.phase = GrenadeExploding;
    s.run_passes(1);
    EXPECT_EQ(s.hostage.state, HostageDead);
}

TEST(GrenadeLayerLimits, AClimbAtTheTopLayerStaysInside) {
    Scene s;
    s.set_cell(30, 29, 9, CellBlock);
    s.set_cell(30, 30, 8, CellBlock);
    launch(s, {30, 30, 9}, 0, 3);
    s.run_passes(1);
    EXPECT_EQ(s.grenade.phase, GrenadeClimbing);
    EXPECT_EQ(s.grenade.cell_z, 9);
    s.run_passes(2);
    EXPECT_EQ(s.grenade.phase, GrenadeExploding);
    EXPECT_EQ(s.grenade.cell_z, 9);
}
