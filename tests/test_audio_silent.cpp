// Without any audio device the module says so in one line and stays
// silent: the music stream must not fail on every buffer and flood
// standard error while the game runs.
#include <gtest/gtest.h>
#include <sys/mman.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <sstream>
#include <thread>

#include "app/audio.h"

namespace {
// Standard error goes to an anonymous in-memory file while it lives.
struct CapturedStderr {
    int file = memfd_create("stderr", 0);
    int saved = dup(STDERR_FILENO);
    CapturedStderr() { dup2(file, STDERR_FILENO); }
    ~CapturedStderr() {
        dup2(saved, STDERR_FILENO);
        close(saved);
        close(file);
    }
    off_t size() const { return lseek(file, 0, SEEK_END); }
};
}  // namespace

TEST(AudioWithoutDevice, OneLineThenSilenceAndAQuietStandardError) {
    // Read when the audio library starts, before anything here touches it.
    setenv("ALSOFT_DRIVERS", "no_such_driver", 1);
    CapturedStderr captured;
    ASSERT_GE(captured.file, 0);
    {
        AudioModule audio;
        std::ostringstream out;
        audio.open(out);
        EXPECT_EQ(out.str(), kNoSoundLine);
        EXPECT_EQ(audio.playback, nullptr);
        audio.start_music(20.0f);
        audio.set_music_volume(50.0f);
        request_sound(SoundStep);
        request_sound(SoundExplosion);
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
    }
    EXPECT_LT(captured.size(), 256);
}
