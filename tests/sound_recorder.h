#pragma once
// Stands at the sound door while it lives and writes down every request,
// in order, instead of playing it.
#include <cstdint>
#include <vector>

#include "actors/sound_door.h"

struct SoundRecorder {
    std::vector<int32_t> heard;

    SoundRecorder() { set_sound_player([this](int32_t sound) { heard.push_back(sound); }); }
    ~SoundRecorder() { set_sound_player({}); }
    SoundRecorder(const SoundRecorder&) = delete;
    SoundRecorder& operator=(const SoundRecorder&) = delete;

    // What was asked for since the last call.
    std::vector<int32_t> take() {
        std::vector<int32_t> out;
        out.swap(heard);
        return out;
    }
};
