#include "app/audio.h"

#include <AL/alc.h>

#include <algorithm>
#include <ostream>

bool audio_device_opens() {
    if (!sound_library_loads()) return false;
    ALCdevice* device = alcOpenDevice(nullptr);
    if (!device) return false;
    alcCloseDevice(device);
    return true;
}

AudioModule::~AudioModule() {
    if (playback) set_sound_player({});
}

void AudioModule::open(std::ostream& out) {
    if (playback) return;
    if (!audio_device_opens()) {
        out << kNoSoundLine;
        return;
    }
    playback = std::make_unique<AudioPlayback>();
    for (int32_t i = 0; i < kSoundCount; ++i) {
        playback->loaded[i] = playback->buffers[i].loadFromFile(kSoundFiles[i]);
    }
    set_sound_player([this](int32_t sound) { play(sound); });
}

void AudioModule::play(int32_t sound) {
    if (!playback || sound < 0 || sound >= kSoundCount || !playback->loaded[sound]) return;
    AudioPlayback& p = *playback;
    int voice = 0;
    for (int i = 0; i < kVoiceCount; ++i) {
        if (p.voices[i].getStatus() == sf::SoundSource::Stopped) {
            voice = i;
            break;
        }
        if (p.started[i] < p.started[voice]) voice = i;
    }
    p.started[voice] = ++p.requests;
    p.voices[voice].setBuffer(p.buffers[sound]);
    p.voices[voice].setVolume(kEffectVolume);
    p.voices[voice].play();
}

void AudioModule::start_music(float volume) {
    if (!playback || !playback->music.openFromFile(kMusicPath)) return;
    playback->music.setLoop(true);
    playback->music.setVolume(volume);
    playback->music.play();
}

void AudioModule::set_music_volume(float volume) {
    if (playback) playback->music.setVolume(volume);
}
