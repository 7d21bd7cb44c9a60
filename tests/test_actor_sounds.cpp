// When actors ask for their sounds: a step at every walk carried out, the
// explosion when the grenade goes off, nothing else.
#include <gtest/gtest.h>

#include <vector>

#include "scene_builder.h"
#include "sound_recorder.h"

using Heard = std::vector<int32_t>;

TEST(ActorSounds, EveryWalkCarriedOutStepsEvenIntoABlock) {
    SoundRecorder recorder;
    Scene s;
    s.column(62, 136, 1);  // right in front of the player
    s.player.state = PlayerWalk;
    s.add_hostage({70, 120, 1}, HostageWalk);
    s.add_ant({80, 100, 1}, AntWalk);
    s.decision_pass();
    EXPECT_EQ(recorder.take(), (Heard{SoundStep, SoundStep, SoundStep}));
    EXPECT_EQ(s.player.cell_y, 137);  // the block held it, the step still sounded

    s.hold_others_still();
    s.player.want_forward = true;  // choosing a walk is silent...
    s.player.facing = 2;
    s.decision_pass();
    EXPECT_EQ(recorder.take(), Heard{});
}

TEST(ActorSounds, TheGrenadeSoundsOnceAtItsExplosion) {
    SoundRecorder recorder;
    Scene s;
    s.player.want_throw = true;
    s.player.throw_range = 0;
    std::vector<Heard> by_pass;
    for (int pass = 0; pass < 6; ++pass) {
        s.run_passes(1);
        by_pass.push_back(recorder.take());
    }
    // Decide, throw, fly its one step and arm, explode; then quiet.
    EXPECT_EQ(by_pass, (std::vector<Heard>{{}, {}, {}, {SoundExplosion}, {}, {}}));
}
