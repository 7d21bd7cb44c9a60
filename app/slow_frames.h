#pragma once
// One line, once per run, for a player whose machine draws play too slowly:
// after 10 s in a row below 25 frames per second it names the frame time and
// the two settings that make the picture lighter.
#include <cstdint>
#include <iosfwd>
#include <string>

struct Settings;

constexpr double kSlowFramesPerSecond = 25.0;  // below this a second of play is slow
constexpr double kSlowRunSeconds = 10.0;        // that many slow seconds in a row

struct SlowFrameWatch {
    bool playing = false;      // false: the next play frame starts a new run
    double second_start = 0.0;  // the second of play being counted
    int32_t second_frames = 0;
    double run_start = 0.0;     // where the slow seconds in a row began
    int32_t run_frames = 0;
    bool told = false;
};

// Every play frame: counts it and tells, at most once, when play has been
// slow for long enough. `settings_path` names the file (empty: none kept).
void watch_play_frame(SlowFrameWatch& watch, double now, const Settings& settings,
                      const std::string& settings_path, std::ostream& out);
// Play stopped (a menu, a message, a screen): the slow run starts again.
inline void pause_watch(SlowFrameWatch& watch) { watch.playing = false; }
