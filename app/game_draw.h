#pragma once
#include <iosfwd>

struct GameSession;

// Registers the seventeen meshes in their fixed order.
void register_meshes(GameSession& session);

// Draws the state that is current after the pass's logic.
void draw_game_state(GameSession& session, std::ostream& out);
