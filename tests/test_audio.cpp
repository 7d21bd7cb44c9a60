// The audio module with a device (the null driver the tests run with): the
// actors' requests reach it through the door and play at effect volume on
// a pool of voices that never grows.
#include <gtest/gtest.h>

#include <sstream>

#include "app/audio.h"

TEST(Audio, DoorRequestsPlayAtEffectVolumeAndAFullPoolReusesTheOldestVoice) {
    AudioModule audio;
    std::ostringstream out;
    audio.open(out);
    ASSERT_NE(audio.playback, nullptr) << "the null driver should open";
    EXPECT_EQ(out.str(), "");
    AudioPlayback& p = *audio.playback;
    ASSERT_TRUE(p.loaded[SoundStep] && p.loaded[SoundExplosion]);

    request_sound(SoundStep);
    EXPECT_EQ(p.voices[0].getBuffer(), &p.buffers[SoundStep]);
    EXPECT_FLOAT_EQ(p.voices[0].getVolume(), kEffectVolume);
    EXPECT_EQ(p.voices[0].getStatus(), sf::SoundSource::Playing);

    // The explosion outlasts these requests, so every voice stays busy.
    for (int i = 1; i < kVoiceCount; ++i) request_sound(SoundExplosion);
    request_sound(SoundNone);
    request_sound(kSoundCount);
    EXPECT_EQ(p.requests, uint64_t(kVoiceCount));
    request_sound(SoundExplosion);
    EXPECT_EQ(p.voices[0].getBuffer(), &p.buffers[SoundExplosion]);
    EXPECT_EQ(p.started[0], uint64_t(kVoiceCount + 1));
}

TEST(Audio, ClosingTheModuleLeavesTheDoorSilent) {
    {
        AudioModule audio;
        std::ostringstream out;
        audio.open(out);
    }
    request_sound(SoundStep);  // must not reach the destroyed module
}
