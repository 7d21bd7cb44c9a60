#pragma once
#include <iosfwd>

struct GameSession;
struct PictureRect;
struct Presentation;

// Draws the state that is current after the pass's logic into the frame's
// picture.
void draw_game_state(Presentation& presentation, GameSession& session, const PictureRect& picture,
                     std::ostream& out);
