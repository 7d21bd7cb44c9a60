#pragma once
// Playing a replay back without a window, on a clock of its own: as fast
// as the machine goes, or at a chosen frame rate (the tests), to its
// time-up screen.
#include <cstdint>
#include <iosfwd>
#include <string>

struct GameSession;
struct Replay;

// Frames of 40 ticks: the most one frame runs, so the fastest pace.
constexpr double kFastestFrameSeconds = 0.4;

struct ReplayOutcome {
    int32_t score = 0;
    int32_t rescues = 0;
    bool finished = false;  // reached its time-up screen
    bool ran_out = false;   // asked for more passes or menus than it holds
};

// `session` fresh from init_world. Runs frames `frame_seconds` apart until
// the time-up screen, or until the replay's passes are long used up.
ReplayOutcome play_back(GameSession& session, const Replay& replay, double frame_seconds,
                        std::ostream& out);

// Reads and checks a replay file; on a failure one line naming the file and
// what is wrong.
bool load_replay_file(const std::string& path, Replay& replay, std::ostream& out);

// --verify-replay: one line of what the game reached and whether it is the
// recorded result; 0 when it is, 1 when not or when the file cannot be read
// (one line naming it and what is wrong).
int verify_replay_file(const std::string& path, std::ostream& out);
