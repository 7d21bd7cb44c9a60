#include "app/replay_files.h"

#include <filesystem>
#include <ostream>
#include <set>
#include <system_error>

#include "app/user_files.h"

namespace fs = std::filesystem;

namespace {
constexpr const char* kLastReplay = "last.replay";
constexpr const char* kReplayExtension = ".replay";
}  // namespace

std::string replays_folder(const std::string& best_scores_path) {
    if (best_scores_path.empty()) return {};
    return (fs::path(best_scores_path).parent_path() / "replays").string();
}

std::string replay_file_name(const BestScores& table, size_t place) {
    const BestScore& row = table[place];
    int alike = 1;
    for (size_t i = 0; i < place; ++i) alike += table[i] == row ? 1 : 0;
    std::string name = std::to_string(row.score) + "-" + std::to_string(row.rescues) + "-" +
                       (row.girl ? "girl" : "boy") + "-" + row.date;
    if (alike > 1) name += "-" + std::to_string(alike);
    return name + kReplayExtension;
}

namespace {
// Every replay but the last game's and those of the table's rows goes.
void remove_fallen_out(const std::string& folder, const BestScores& table) {
    std::set<std::string> kept{kLastReplay};
    for (size_t i = 0; i < table.size(); ++i) kept.insert(replay_file_name(table, i));
    std::error_code error;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder, error)) {
        const fs::path& path = entry.path();
        if (path.extension() != kReplayExtension || kept.count(path.filename().string())) continue;
        fs::remove(path, error);
    }
}
}  // namespace

void keep_replays(const std::string& best_scores_path, const std::string& text,
                  const BestScores& table, int32_t place, std::ostream& out) {
    const std::string folder = replays_folder(best_scores_path);
    if (folder.empty()) return;
    bool written = write_user_file(user_file_path(folder, kLastReplay), text);
    if (place >= 0 && size_t(place) < table.size()) {
        written = write_user_file(user_file_path(folder, replay_file_name(table, size_t(place)).c_str()),
                                  text) && written;
    }
    if (!written) out << "The game's replay could not be written in " << folder << std::endl;
    remove_fallen_out(folder, table);
}
