#pragma once
#include <iosfwd>

struct GameSession;
struct PictureRect;

// Draws the state that is current after the pass's logic into the frame's
// picture.
void draw_game_state(GameSession& session, const PictureRect& picture, std::ostream& out);
