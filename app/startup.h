#pragma once
// The game from start-up to shutdown: builds the session, opens the window,
// prepares OpenGL, the meshes and the music, runs the main loop, releases.
// Returns 0 after a normal shutdown and -1 after a start-up failure.
int run_game();

// When the asset folders are not in the working directory, move to the
// executable's directory (where the build puts them), so the game starts
// from anywhere. `argv0` is the fallback when /proc is not available.
void find_asset_directory(const char* argv0);
