#include "app/slow_frames.h"

#include <ostream>

#include "app/settings.h"

namespace {
constexpr double kSecond = 1.0;
constexpr double kMillisecondsPerSecond = 1000.0;

void tell(const SlowFrameWatch& w, double now, const Settings& settings,
          const std::string& settings_path, std::ostream& out) {
    const double ms_per_frame = kMillisecondsPerSecond * (now - w.run_start) / w.run_frames;
    out << "Slow frames: " << ms_per_frame << " ms/frame for " << kSlowRunSeconds
        << " s of play; antialiasing = 0 and shadows = off in "
        << (settings_path.empty() ? std::string("the settings file") : settings_path)
        << " make lighter pictures (now antialiasing = " << settings.antialiasing
        << ", shadows = " << (settings.shadows ? "on" : "off") << ")" << std::endl;
}
}  // namespace

// Frames are counted per second of play, so one quick frame (a look at the
// sky) does not break a run that is slow on the whole.
void watch_play_frame(SlowFrameWatch& w, double now, const Settings& settings,
                      const std::string& settings_path, std::ostream& out) {
    if (w.told) return;
    if (!w.playing) {
        // This frame's time began outside play: counting starts after it.
        w = SlowFrameWatch{true, now, 0, now, 0, false};
        return;
    }
    ++w.second_frames;
    const double seconds = now - w.second_start;
    if (seconds < kSecond) return;
    if (w.second_frames < kSlowFramesPerSecond * seconds) {
        w.run_frames += w.second_frames;
    } else {
        w.run_start = now;
        w.run_frames = 0;
    }
    w.second_start = now;
    w.second_frames = 0;
    if (w.run_frames > 0 && now - w.run_start >= kSlowRunSeconds) {
        tell(w, now, settings, settings_path, out);
        w.told = true;
    }
}
