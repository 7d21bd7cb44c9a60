#pragma once
// The best-scores file: where it lives, reading it, and entering a finished
// game in it. Nothing here is a reason to stop the game: every failure costs
// one line on `out` and the game goes on with what it has. Nothing a player
// had is lost silently: a file with lines that cannot be read is kept beside
// the new one as best-scores.bad before it is written over.
#include <iosfwd>
#include <string>

#include "app/best_scores.h"

// best-scores in the user's data folder; empty when there is none.
std::string best_scores_file_path();

// The table a file holds. No file: an empty table, silently. Each line that
// cannot be read costs one line on `out` and is skipped.
struct BestScoresFile {
    BestScores table;
    bool damaged = false;  // the file held something that could not be read
};
BestScoresFile load_best_scores(const std::string& path, std::ostream& out);

// Enters `game` in the table as the file holds it now (read again just
// before writing, under the data folder's lock, so two copies of the game
// running at once both keep their games) and writes the table back whole
// when the game took a place. A lock not had within a second costs one
// line and nothing is written. `shown` becomes the table; returns the
// game's place or -1. An empty path keeps the table in `shown` alone.
int32_t record_best_score(const std::string& path, const BestScore& game, BestScores& shown,
                          std::ostream& out);

// The table as the file holds it now, into `shown`, for a game that is not
// ranked; an empty path leaves `shown` as it is.
void read_best_scores(const std::string& path, BestScores& shown, std::ostream& out);
