// Copies of an actor keep their own sound: a list of players that grows
// must not leave a sound bound to a buffer that has moved or gone.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <vector>

#include "actors/player.h"

namespace {
void put32(std::ofstream& f, uint32_t v) { f.write(reinterpret_cast<const char*>(&v), 4); }
void put16(std::ofstream& f, uint16_t v) { f.write(reinterpret_cast<const char*>(&v), 2); }

// A short silent 16-bit mono WAV.
void write_wav(const char* path) {
    const uint32_t samples = 800;
    std::ofstream f(path, std::ios::binary);
    f.write("RIFF", 4);
    put32(f, 36 + samples * 2);
    f.write("WAVEfmt ", 8);
    put32(f, 16);
    put16(f, 1);
    put16(f, 1);
    put32(f, 8000);
    put32(f, 16000);
    put16(f, 2);
    put16(f, 16);
    f.write("data", 4);
    put32(f, samples * 2);
    for (uint32_t i = 0; i < samples; ++i) put16(f, 0);
}
}  // namespace

TEST(PlayerCopies, EachCopyPlaysItsOwnBuffer) {
    const char* path = "/tmp/swarmfall_copy_test.wav";
    write_wav(path);
    Player original;
    original.load_sound(path);
    std::remove(path);
    ASSERT_EQ(original.sound.getBuffer(), &original.sound_buffer);

    std::vector<Player> players;
    for (int i = 0; i < 9; ++i) players.push_back(original);
    for (const Player& p : players) {
        EXPECT_EQ(p.sound.getBuffer(), &p.sound_buffer);
        EXPECT_EQ(p.sound_buffer.getSampleCount(), original.sound_buffer.getSampleCount());
        EXPECT_NEAR(p.sound.getVolume(), kActorSoundVolume, 1e-3f);
    }
    Player assigned;
    assigned = players.back();
    EXPECT_EQ(assigned.sound.getBuffer(), &assigned.sound_buffer);
    assigned.play_sound();
}
