#include "app/best_scores.h"

#include <algorithm>
#include <charconv>
#include <cstdio>

#include "app/user_files.h"

namespace {
constexpr const char* kGirl = "girl";
constexpr const char* kBoy = "boy";
constexpr const char* kFieldBlanks = " \t";
constexpr size_t kFieldCount = 4;
constexpr const char* kFileComment =
    "# Swarmfall best scores, best first: score, rescues, girl or boy, date (YYYY-MM-DD)\n";
constexpr int kDaysInMonth[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
constexpr size_t kRowSize = 64;

std::vector<std::string_view> fields(std::string_view line) {
    std::vector<std::string_view> found;
    size_t at = 0;
    while ((at = line.find_first_not_of(kFieldBlanks, at)) != std::string_view::npos) {
        const size_t end = std::min(line.find_first_of(kFieldBlanks, at), line.size());
        found.push_back(line.substr(at, end - at));
        at = end;
    }
    return found;
}

// A whole field of digits, 0 or more.
bool read_count(std::string_view text, int32_t& value) {
    const char* end = text.data() + text.size();
    auto [stop, error] = std::from_chars(text.data(), end, value);
    return error == std::errc() && stop == end && value >= 0;
}

bool read_game(std::string_view line, BestScore& game) {
    const std::vector<std::string_view> f = fields(line);
    if (f.size() != kFieldCount || !read_count(f[0], game.score) ||
        !read_count(f[1], game.rescues) || (f[2] != kGirl && f[2] != kBoy) || !valid_date(f[3])) {
        return false;
    }
    game.girl = f[2] == kGirl;
    game.date = std::string(f[3]);
    return true;
}

int digits(std::string_view text, size_t from, size_t count) {
    int value = 0;
    for (size_t i = from; i < from + count; ++i) value = value * 10 + (text[i] - '0');
    return value;
}
}  // namespace

bool ranks_above(const BestScore& a, const BestScore& b) {
    if (a.score != b.score) return a.score > b.score;
    if (a.rescues != b.rescues) return a.rescues > b.rescues;
    return a.date < b.date;  // YYYY-MM-DD sorts as the calendar does
}

int32_t enter_best_score(BestScores& table, const BestScore& game) {
    const auto below = std::find_if(table.begin(), table.end(),
                                    [&](const BestScore& kept) { return ranks_above(game, kept); });
    const int32_t place = int32_t(below - table.begin());
    if (place >= kBestScoresKept) return -1;
    table.insert(below, game);
    if (table.size() > size_t(kBestScoresKept)) table.resize(kBestScoresKept);
    return place;
}

bool valid_date(std::string_view date) {
    if (date.size() != 10 || date[4] != '-' || date[7] != '-') return false;
    for (size_t i : {0, 1, 2, 3, 5, 6, 8, 9}) {
        if (date[i] < '0' || date[i] > '9') return false;
    }
    const int year = digits(date, 0, 4), month = digits(date, 5, 2), day = digits(date, 8, 2);
    if (month < 1 || month > 12 || day < 1) return false;
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return day <= kDaysInMonth[month - 1] + (month == 2 && leap ? 1 : 0);
}

BestScoresText parse_best_scores(std::string_view text) {
    BestScoresText result;
    const std::vector<std::string_view> lines = user_file_lines(text);
    for (size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].empty() || lines[i].front() == '#') continue;
        BestScore game;
        if (read_game(lines[i], game)) {
            result.table.push_back(game);
        } else {
            result.faults.push_back("line " + std::to_string(i + 1) +
                                    ": expected score, rescues, girl or boy and YYYY-MM-DD, found " +
                                    shown_in_report(lines[i]));
        }
    }
    std::stable_sort(result.table.begin(), result.table.end(), ranks_above);
    if (result.table.size() > size_t(kBestScoresKept)) result.table.resize(kBestScoresKept);
    return result;
}

std::string format_best_scores(const BestScores& table) {
    std::string text = kFileComment;
    for (const BestScore& game : table) {
        text += std::to_string(game.score) + " " + std::to_string(game.rescues) + " " +
                (game.girl ? kGirl : kBoy) + " " + game.date + "\n";
    }
    return text;
}

std::string best_scores_column_names() {
    char row[kRowSize];
    std::snprintf(row, sizeof row, "%4s  %6s  %7s  %-4s  %-10s", "", "SCORE", "RESCUED", "WHO", "DATE");
    return row;
}

std::string best_score_row(int32_t place, const BestScore& game, bool marked) {
    char row[kRowSize];
    std::snprintf(row, sizeof row, "%c%2d.  %6d  %7d  %-4s  ", marked ? '>' : ' ', int(place + 1),
                  int(game.score), int(game.rescues), game.girl ? "GIRL" : "BOY");
    return row + game.date;
}
