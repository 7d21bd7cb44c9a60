#pragma once
// The table of the ten best finished games: how games rank, the file's text
// form and the rows the time-up screen prints. Pure functions of their
// inputs; reading any bytes gives a table back.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

constexpr int32_t kBestScoresKept = 10;

struct BestScore {
    int32_t score = 0;
    int32_t rescues = 0;
    bool girl = true;  // the character played
    std::string date;  // the day the game ended, YYYY-MM-DD

    bool operator==(const BestScore& o) const {
        return score == o.score && rescues == o.rescues && girl == o.girl && date == o.date;
    }
};

// Best first, at most ten.
using BestScores = std::vector<BestScore>;

// What the time-up screens show: the table, the place the game just
// finished took in it (-1: none), and whether that game was kept out
// because a debugging key was used in it.
struct BestScoresShown {
    BestScores table;
    int32_t marked = -1;
    bool not_ranked = false;
};

// True when `a` ranks above `b`: more points, then more rescues, then the
// earlier day. Games equal in all three keep the order they came in.
bool ranks_above(const BestScore& a, const BestScore& b);

// Enters `game` as the latest game, below every game it ties with; the
// table keeps its best ten. Returns the place it took, or -1.
int32_t enter_best_score(BestScores& table, const BestScore& game);

// True for a real calendar day written YYYY-MM-DD.
bool valid_date(std::string_view date);

// What a best-scores text gave: its readable games ranked (the order of the
// lines breaking ties), the best ten of them, and one "line N: expected E,
// found F" per line that could not be read.
struct BestScoresText {
    BestScores table;
    std::vector<std::string> faults;
};
BestScoresText parse_best_scores(std::string_view text);
// A comment line, then one game a line: score, rescues, girl or boy, date.
std::string format_best_scores(const BestScores& table);

// What the time-up screen prints: the names above the columns, and the row
// of the game at `place` (0 for the best), marked with ">" when asked. Both
// are kBestScoresRowLength characters for scores below a million.
std::string best_scores_column_names();
std::string best_score_row(int32_t place, const BestScore& game, bool marked);
constexpr size_t kBestScoresRowLength = 39;
