#pragma once
// Where replays are kept: `replays/` beside the best scores. The last game
// is `last.replay`; a game in the table is named after its row, so the rows
// find their replays: `SCORE-RESCUES-girl|boy-DATE.replay`, with `-2`, `-3`
// ... for the second and later of rows that read alike (a later game ties
// below an earlier one, so the names never move).
#include <cstdint>
#include <iosfwd>
#include <string>

#include "app/best_scores.h"

// The folder, from the best scores' path; empty when scores are not kept.
std::string replays_folder(const std::string& best_scores_path);
// The file name of the replay of the table's row at `place`.
std::string replay_file_name(const BestScores& table, size_t place);
// Writes the finished game's replay as the last game and, when it took
// `place` in the table (-1: none), under its row's name; then removes the
// replays of games no longer in the table. A failure costs one line.
void keep_replays(const std::string& best_scores_path, const std::string& replay_text,
                  const BestScores& table, int32_t place, std::ostream& out);
