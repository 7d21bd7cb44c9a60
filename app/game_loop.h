#pragma once
// The main loop's logic: per pass, the frame-time line and the logic of the
// current game state (app/state_table.h).
#include <iosfwd>

struct GameSession;

// Timed waits of the states that wait (seconds).
constexpr double kIntroWait = 3.0;
constexpr double kStoryWait = 2.0;
constexpr double kMessageWait = 3.0;
constexpr double kScreenWait = 3.0;

// Steps 2 to 5 of a loop pass: read the time, report the frame time, stop
// when the window was asked to close (returns false), run the state logic.
bool run_logic_pass(GameSession& session, std::ostream& out);
// The same pass at `now` on a clock of the caller's: a replay checked
// without a window runs on one of its own.
bool run_logic_at(GameSession& session, double now, std::ostream& out);

// Every 40th tick of play: Escape, the debugging keys, the binding poll and
// the actors' decisions.
void decision_pass(GameSession& session, double now, std::ostream& out);

// Round set-up as the state machine calls it (character chosen, after a
// rescue's score screen, after a death); the bite messages end with it.
void start_round(GameSession& session);
