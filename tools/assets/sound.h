// The game's sounds, synthesised: a looping tune, a footstep and a blast.
#pragma once

#include <string>
#include <vector>

namespace assets {

constexpr int SampleRate = 22050;
constexpr float MusicBeatsPerMinute = 120.0f;
constexpr int MusicBars = 16;  // 4/4, so the loop is 32 s long

// Mono samples in -1..1.
std::vector<float> make_music();
std::vector<float> make_step();
std::vector<float> make_explosion();

// 16-bit PCM mono WAV.
bool write_wav(const std::string& path, const std::vector<float>& samples, int rate = SampleRate);

}  // namespace assets
