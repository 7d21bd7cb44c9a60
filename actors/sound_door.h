#pragma once
// The door through which actors ask for a sound. They name it by id; the
// application's audio module plays it. With nobody at the door (tools,
// tests, a machine without sound) the rules run silent.
#include <cstdint>
#include <functional>

enum SoundId : int32_t {
    SoundNone = -1,
    SoundStep = 0,
    SoundExplosion = 1,
};
constexpr int32_t kSoundCount = 2;

using SoundPlayer = std::function<void(int32_t sound)>;

// Sends every later request to `player`; an empty one silences the rules.
void set_sound_player(SoundPlayer player);
void request_sound(int32_t sound);
