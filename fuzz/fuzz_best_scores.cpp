// The best-scores reader on any bytes. The table it hands back is ranked,
// at most ten games long, with real dates; reading the file gives what
// parsing its text gives, with one report line per unreadable line (four at
// most, then one more for the rest) and the file marked damaged exactly
// when something could not be read; a table written out reads back the
// same, and a game entered keeps it ranked.
#include <algorithm>
#include <sstream>
#include <string>
#include <string_view>

#include "app/best_scores.h"
#include "app/best_scores_file.h"
#include "fuzz/fuzz_support.h"

namespace {
constexpr size_t kLargestFile = 64 * 1024;  // the reader refuses larger files
constexpr long kFaultLinesShown = 4;

bool ranked(const BestScores& table) {
    for (size_t i = 1; i < table.size(); ++i) {
        if (ranks_above(table[i], table[i - 1])) return false;
    }
    return table.size() <= size_t(kBestScoresKept);
}

bool sound(const BestScore& game) {
    return game.score >= 0 && game.rescues >= 0 && valid_date(game.date);
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static fuzz::MemoryFile file;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const BestScoresText parsed = parse_best_scores(text);
    fuzz::must(ranked(parsed.table), "the table is ranked and at most ten long");
    fuzz::must(std::all_of(parsed.table.begin(), parsed.table.end(), sound),
               "every game has counts of 0 or more and a real date");
    for (const std::string& fault : parsed.faults) {
        fuzz::must(fault.find(": expected ") != std::string::npos, "a fault says what was expected");
    }
    const BestScoresText again = parse_best_scores(format_best_scores(parsed.table));
    fuzz::must(again.faults.empty() && again.table == parsed.table, "a written table reads back the same");

    BestScores entered = parsed.table;
    const BestScore game{int32_t(size), int32_t(size % 7), size % 2 == 0, "2024-02-29"};
    const int32_t place = enter_best_score(entered, game);
    fuzz::must(ranked(entered), "a game entered keeps the table ranked");
    fuzz::must(place < 0 || entered[size_t(place)] == game, "the place given holds the game");

    std::ostringstream out;
    const BestScoresFile loaded = load_best_scores(file.hold(data, size), out);
    const std::string report = out.str();
    const long lines = long(std::count(report.begin(), report.end(), '\n'));
    if (size > kLargestFile) {
        fuzz::must(loaded.table.empty() && loaded.damaged && lines == 1,
                   "a file too large gives no games, one line, and is kept before it is replaced");
    } else {
        const long faults = long(parsed.faults.size());
        fuzz::must(loaded.table == parsed.table, "the file gives what its text gives");
        fuzz::must(loaded.damaged == (faults > 0), "damaged exactly when a line cannot be read");
        fuzz::must(lines == std::min(faults, kFaultLinesShown) + (faults > kFaultLinesShown ? 1 : 0),
                   "one report line per unreadable line, four at most and one for the rest");
    }
    return 0;
}
