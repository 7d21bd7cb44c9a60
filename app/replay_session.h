#pragma once
// A game's replay as the session records it or plays it back. At the real
// pace every game is recorded from the character's choice to its time-up
// screen; a played-back game takes each decision pass's commands and the
// options menu's values from its replay instead of the keys.
#include <cstddef>
#include <cstdint>
#include <vector>
#include <iosfwd>

#include "app/pass_commands.h"
#include "app/replay.h"

struct GameSession;

struct ReplayRecording {
    bool active = false;
    Replay replay;
    std::vector<uint64_t> pass_hashes;  // actors_hash after each pass
};

struct ReplayPlayback {
    bool active = false;
    Replay replay;
    size_t next_pass = 0;
    size_t next_menu = 0;
    bool ran_out = false;  // a pass or a menu the replay does not hold was asked for
    bool finished = false; // the time-up screen was reached
    std::vector<uint64_t> pass_hashes;
    // The watcher's own clock, which the camera follows: the free camera
    // flies at its speed while the replay is paused or sped up. Negative:
    // no watcher, the camera follows the replay's clock.
    double watcher_time = -1.0;
};

// The clock of whoever looks: the watcher's while a replay is watched, else
// `now`. The camera and the frame-time line follow it.
double looker_time(const GameSession& session, double now);

// A hash of every actor's state (cells, facings, drawn positions, motions,
// states, health, bite clocks) and of the countdown and score: two runs
// that agree on it after every decision pass played the same game.
uint64_t actors_hash(const GameSession& session);
// After a decision pass: its hash joins the recording's or the playback's.
void note_pass_hash(GameSession& session);

// The character was chosen: with the real pace, recording starts from the
// game's seeds, settings in force and the ants' trail.
void start_recording(GameSession& session);
// The commands of this decision pass: the replay's next pass, or the keys
// (Escape, the debugging keys, the bound actions), then recorded.
PassCommands take_pass_commands(GameSession& session, std::ostream& out);
// The options menu was left with its values applied.
void record_menu_left(GameSession& session);
// A played-back game leaves the options menu with the values its replay
// holds for this point, which take effect.
void leave_menu_as_recorded(GameSession& session, std::ostream& out);
// The time-up screen: the recording ends with the game's result.
void end_recording(GameSession& session);

// Sets the session up as the recorded game started: settings, trail, a new
// game from the replay's seeds, the character's first round, and play.
void start_playback(GameSession& session, const Replay& replay);
