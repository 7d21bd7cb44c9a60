#pragma once
// The text picture of the city: 7 blocks of 148 rows of 148 characters,
// '#' for a block. Block b becomes layer b + 1 of the grid.
#include <string>
#include <string_view>
#include <vector>

constexpr int kLevelRowLength = 148;
constexpr int kLevelBlockCount = 7;
constexpr int kLevelRowCount = kLevelRowLength * kLevelBlockCount;  // 1036

struct LevelRows {
    std::vector<std::string> rows;  // kLevelRowCount rows when ok
    bool ok = false;
    std::string error;  // "<file>: row N: what is wrong" when not ok
};

// Splits level text into rows and checks that there are at least 1036 rows
// of at least 148 characters. Characters past 148 are kept but never read;
// a trailing "\r" (a file saved on Windows) is dropped. Rows are numbered
// from 1 in messages, as an editor shows them.
LevelRows parse_level_rows(std::string_view text, std::string_view source_name);

// The level compiled into the program (checked by the build).
extern const char* const city_rows[kLevelRowCount];
