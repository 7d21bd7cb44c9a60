#pragma once
// The game from start-up to shutdown: builds the session, opens the window,
// prepares OpenGL, the meshes and the music, runs the main loop, releases.
// Returns 0 after a normal shutdown and -1 after a start-up failure. Runs on
// the platform in use (use_platform), which the caller chose.
#include <memory>
#include <string>

struct GameSession;
struct Presentation;
struct ReplayWatch;

int run_game();
// --replay FILE: the recorded game in the window, to its time-up screen.
// Returns 1, with one line, when the file cannot be played.
int run_replay(const std::string& path);

// The session of the game's flow and, above it, what draws and plays it.
struct RunningGame {
    std::unique_ptr<GameSession> session;
    std::unique_ptr<Presentation> presentation;

    RunningGame();
    ~RunningGame();
};

// The three stages of run_game, apart so that a test can play the real game
// through a scripted platform. start_up runs up to the loop and answers
// false after a reported failure (the window system ended, the game
// empty); main_loop runs until the window is asked to close; shut_down
// releases what start-up made, ends the window system and the game.
bool start_up(RunningGame& game);
// With `watch`, the loop plays a replay back at the watcher's pace.
void main_loop(RunningGame& game, ReplayWatch* watch = nullptr);
void shut_down(RunningGame& game);
