// Many rounds with the full pack: run under the address sanitizer, this is
// where an ant list that grows under the registry's feet shows.
#include <gtest/gtest.h>

#include <cstdint>

#include "round_scene.h"

TEST(RoundsUnderLoad, ManyRoundsWithAFullPack) {
    RoundScene s;
    std::vector<glm::vec3> starts;
    bool hero = false;
    s.ants.clear();
    make_first_ants(s.ants, starts);
    const int rounds[] = {0, 1, 1, 4, 20, 21, 20, 0, 25, 3, 0, 20};
    for (int round_index : rounds) {
        setup_round(s.city, s.grenade, s.player, s.hostage, s.ants, starts, round_index, hero,
                    s.world);
        ASSERT_EQ(size_t(s.world.ant_count()), s.ants.size());
        ASSERT_EQ(starts.size(), s.ants.size());
        ASSERT_LE(s.ants.size(), size_t(kMaxAnts));
        s.hostage.state = HostageFollow;
        for (int pass = 0; pass < 12; ++pass) {
            for (Ant& ant : s.ants)
                for (int t = 0; t < kTicksPerDecision; ++t) advance_motion(ant);
            // The captive's and the pack's share of a decision pass.
            s.hostage.decision_update(s.world);
            for (Ant& ant : s.ants) ant.decision_update(s.world);
            s.ants.front().decay_scent(s.world);
        }
    }
    EXPECT_EQ(s.ants.size(), size_t(kMaxAnts));
}
