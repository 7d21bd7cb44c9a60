#pragma once
// The game's one audio module: the looping music and one buffer per sound
// effect, played through a small pool of voices. Actors reach it through
// the sound door. When no audio device opens it stays silent for the run:
// without a device the music stream would fail on every buffer.
#include <SFML/Audio/Music.hpp>
#include <SFML/Audio/Sound.hpp>
#include <SFML/Audio/SoundBuffer.hpp>
#include <array>
#include <cstdint>
#include <iosfwd>
#include <memory>

#include "actors/sound_door.h"

constexpr int32_t kVoiceCount = 16;
constexpr float kEffectVolume = 20.0f;
constexpr const char* kMusicPath = "sounds/music.wav";
// Indexed by SoundId.
constexpr const char* kSoundFiles[kSoundCount] = {"sounds/step.wav", "sounds/Explosion.wav"};
constexpr const char* kNoSoundLine = "No audio device could be opened: the game runs without sound.\n";

// The library's objects, made only once a device has opened. Buffers come
// first so that the voices playing them are destroyed before them.
struct AudioPlayback {
    std::array<sf::SoundBuffer, kSoundCount> buffers;
    std::array<bool, kSoundCount> loaded{};
    std::array<sf::Sound, kVoiceCount> voices;
    std::array<uint64_t, kVoiceCount> started{};  // request number that took each voice
    uint64_t requests = 0;
    sf::Music music;
};

struct AudioModule {
    std::unique_ptr<AudioPlayback> playback;  // null: silent for the run

    AudioModule() = default;
    AudioModule(const AudioModule&) = delete;
    AudioModule& operator=(const AudioModule&) = delete;
    ~AudioModule();

    // Probes the device and, if one opens, loads every sound (a file that
    // fails leaves its sound silent) and answers the sound door. Without a
    // device it writes kNoSoundLine to `out` and stays silent.
    void open(std::ostream& out);
    // Plays a sound on a free voice, else on the one that started first.
    void play(int32_t sound);
    // Loops the music; a missing file leaves the game without music.
    void start_music(float volume);
    void set_music_volume(float volume);
};

// Whether the system's default audio device opens; it is closed again.
bool audio_device_opens();
// Whether the sound library can be used at all: on Windows OpenAL32.dll
// loads on demand and may be missing.
bool sound_library_loads();
