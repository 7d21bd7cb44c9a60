#pragma once
// The end of a game: its countdown ran out.
#include <iosfwd>

struct GameSession;

// Run once, on the frame the game reaches the time-up screen: enters the
// game in the best scores unless a debugging key was used in it, and
// readies the table the time-up screens show.
void finish_game(GameSession& session, std::ostream& out);
