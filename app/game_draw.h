#pragma once
#include <iosfwd>

struct GameSession;

// Draws the state that is current after the pass's logic.
void draw_game_state(GameSession& session, std::ostream& out);
