#pragma once
// The game from start-up to shutdown: builds the session, opens the window,
// prepares OpenGL, the meshes and the music, runs the main loop, releases.
// Returns 0 after a normal shutdown and -1 after a start-up failure.
int run_game();
