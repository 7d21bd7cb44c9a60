#pragma once
// Watching a replay in the window: the game runs on a clock of the
// watcher's, which Space stops and starts and + and - run at 1, 2, 4 or 8
// times real time; the camera keys switch the view and the projection as
// in play; Escape leaves, and so does a key on the time-up screen.
#include <cstdint>
#include <iosfwd>

struct GameSession;

constexpr int32_t kFastestReplaySpeed = 8;

struct ReplayWatch {
    double play_time = 0.0;   // the replay's own clock
    double last_real = -1.0;  // the platform's time at the last pass
    int32_t speed = 1;
    bool paused = false;
};

// One loop pass of watching. False once the watcher leaves or the window
// is asked to close.
bool watch_replay_pass(GameSession& session, ReplayWatch& watch, std::ostream& out);
