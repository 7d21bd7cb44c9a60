#include "world/level_rows.h"

LevelRows parse_level_rows(std::string_view text, std::string_view source_name) {
    LevelRows result;
    const std::string where = std::string(source_name) + ": ";
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        result.rows.emplace_back(line);
        start = end + 1;
    }
    for (size_t i = 0; i < result.rows.size() && i < size_t(kLevelRowCount); ++i) {
        if (result.rows[i].size() < size_t(kLevelRowLength)) {
            result.error = where + "row " + std::to_string(i + 1) + " has " +
                           std::to_string(result.rows[i].size()) + " characters, needs " +
                           std::to_string(kLevelRowLength);
            result.rows.clear();
            return result;
        }
    }
    if (result.rows.size() < size_t(kLevelRowCount)) {
        result.error = where + "has " + std::to_string(result.rows.size()) + " rows, needs " +
                       std::to_string(kLevelRowCount) + " (7 blocks of 148)";
        result.rows.clear();
        return result;
    }
    result.rows.resize(kLevelRowCount);
    result.ok = true;
    return result;
}
