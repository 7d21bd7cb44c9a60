#pragma once
// The game from start-up to shutdown: builds the session, opens the window,
// prepares OpenGL, the meshes and the music, runs the main loop, releases.
// Returns 0 after a normal shutdown and -1 after a start-up failure. Runs on
// the platform in use (use_platform), which the caller chose.
#include <memory>

struct GameSession;

int run_game();

// The three stages of run_game, apart so that a test can play the real game
// through a scripted platform. start_up runs up to the loop and answers
// false after a reported failure (the window system ended, `session`
// empty); main_loop runs until the window is asked to close; shut_down
// releases what start-up made, ends the window system and the session.
bool start_up(std::unique_ptr<GameSession>& session);
void main_loop(GameSession& session);
void shut_down(std::unique_ptr<GameSession>& session);
