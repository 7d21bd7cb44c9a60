// Many rounds with the full pack, sounds loaded and copied: run under the
// address sanitizer, this is where a sound left bound to a dead copy shows.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <string>

#include <unistd.h>

#include "round_scene.h"

namespace {
// A short 8 kHz mono click, so ants have real sound data to copy whether or
// not the game's own sounds are present. Each test process writes its own
// file and removes it when done.
struct ClickWav {
    std::string path = testing::TempDir() + "round_click_" + std::to_string(getpid()) + ".wav";
    ClickWav();
    ~ClickWav() { std::remove(path.c_str()); }
    ClickWav(const ClickWav&) = delete;
    ClickWav& operator=(const ClickWav&) = delete;
    const char* c_str() const { return path.c_str(); }
};

ClickWav::ClickWav() {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (f == nullptr) return;
    const uint32_t samples = 400, rate = 8000, data_bytes = samples * 2;
    const auto u32 = [&](uint32_t v) { std::fwrite(&v, 4, 1, f); };
    const auto u16 = [&](uint16_t v) { std::fwrite(&v, 2, 1, f); };
    std::fwrite("RIFF", 1, 4, f);
    u32(36 + data_bytes);
    std::fwrite("WAVEfmt ", 1, 8, f);
    u32(16);
    u16(1);
    u16(1);
    u32(rate);
    u32(rate * 2);
    u16(2);
    u16(16);
    std::fwrite("data", 1, 4, f);
    u32(data_bytes);
    for (uint32_t i = 0; i < samples; ++i) u16(uint16_t((i % 40) < 20 ? 6000 : -6000));
    std::fclose(f);
}

void expect_own_sounds(const std::vector<Ant>& ants, bool loaded) {
    for (const Ant& ant : ants) {
        if (loaded) ASSERT_EQ(ant.sound.getBuffer(), &ant.sound_buffer);
        else ASSERT_TRUE(ant.sound.getBuffer() == nullptr || ant.sound.getBuffer() == &ant.sound_buffer);
    }
}
}  // namespace

TEST(RoundsUnderLoad, CopiedAntsKeepTheirOwnSounds) {
    const ClickWav wav;
    std::vector<Ant> small(3);
    for (Ant& ant : small) ant.load_sound(wav.c_str());
    const bool loaded = small[0].sound.getBuffer() != nullptr;
    ASSERT_TRUE(loaded) << "the click sound should load";
    for (int i = 0; i < 40; ++i) small.push_back(small[size_t(i % 3)]);  // reallocates
    expect_own_sounds(small, loaded);
    std::vector<Ant> copy = small;
    small.clear();
    small.shrink_to_fit();
    expect_own_sounds(copy, loaded);
    for (Ant& ant : copy) ant.play_sound();
    copy[0] = copy[1];
    expect_own_sounds(copy, loaded);
}

TEST(RoundsUnderLoad, ManyRoundsWithAFullPack) {
    const ClickWav wav;
    RoundScene s;
    std::vector<glm::vec3> starts;
    int32_t ant_count = 0;
    bool hero = false;
    s.ants.clear();
    make_first_ants(s.ants, starts, ant_count);
    for (Ant& ant : s.ants) ant.load_sound(wav.c_str());
    const int rounds[] = {0, 1, 1, 4, 20, 21, 20, 0, 25, 3, 0, 20};
    for (int round_index : rounds) {
        setup_round(s.city, s.grenade, s.player, s.hostage, s.ants, starts, ant_count, true,
                    round_index, hero, s.world);
        ASSERT_EQ(size_t(ant_count), s.ants.size());
        ASSERT_EQ(starts.size(), s.ants.size());
        ASSERT_LE(ant_count, kMaxAnts);
        s.hostage.state = HostageFollow;
        for (int pass = 0; pass < 12; ++pass) {
            for (Ant& ant : s.ants)
                for (int t = 0; t < kTicksPerDecision; ++t) advance_motion(ant);
            // The captive's and the pack's share of a decision pass.
            s.hostage.decision_update(s.world);
            for (int32_t i = 0; i < s.world.ant_count; ++i) s.ants[size_t(i)].decision_update(s.world);
            s.ants.front().decay_scent();
        }
    }
    EXPECT_EQ(ant_count, kMaxAnts);
    std::vector<Ant> copy = s.ants;
    s.ants.clear();
    expect_own_sounds(copy, false);
    for (Ant& ant : copy) ant.play_sound();
}
