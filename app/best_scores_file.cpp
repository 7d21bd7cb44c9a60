#include "app/best_scores_file.h"

#include <filesystem>
#include <ostream>

#include "app/platform.h"
#include "app/user_files.h"

namespace fs = std::filesystem;

namespace {
constexpr const char* kFileName = "best-scores";
constexpr const char* kDamagedSuffix = ".bad";
constexpr const char* kCopySuffix = ".tmp";
// Far more than ten games; a larger file is not ours to read.
constexpr std::streamsize kLargestFile = 64 * 1024;
constexpr size_t kFaultsShown = 4;
// Another copy writing its game takes a moment; a longer wait would freeze
// the time-up screen, so after this the game goes on without writing.
constexpr double kLockPatience = 1.0;

void report_faults(const std::string& path, const std::vector<std::string>& faults,
                   std::ostream& out) {
    for (size_t i = 0; i < faults.size() && i < kFaultsShown; ++i) {
        out << "Best scores file " << path << ": " << faults[i] << "; skipped" << std::endl;
    }
    if (faults.size() > kFaultsShown) {
        out << "Best scores file " << path << ": " << faults.size() - kFaultsShown
            << " more lines cannot be read; skipped" << std::endl;
    }
}

// The damaged file goes beside the new one before it is written over. The
// copy takes the place of an older one in one step: copying over an
// existing file is not to be counted on everywhere (MinGW's library on
// Windows refuses).
bool keep_damaged_file(const std::string& path, std::ostream& out) {
    const std::string kept = path + kDamagedSuffix;
    const fs::path copy = fs::u8path(kept + kCopySuffix);
    std::error_code error;
    fs::remove(copy, error);
    fs::copy_file(fs::u8path(path), copy, error);
    if (!error && !replace_file(copy.u8string(), kept)) error = std::make_error_code(std::errc::io_error);
    if (error) {
        fs::remove(copy, error);
        out << "Best scores file " << path << ": the old file cannot be kept as " << kept
            << ", so the table is not written" << std::endl;
        return false;
    }
    out << "Best scores file " << path << ": the old file is kept as " << kept << std::endl;
    return true;
}
}  // namespace

std::string best_scores_file_path() { return user_file_path(user_folders().data, kFileName); }

BestScoresFile load_best_scores(const std::string& path, std::ostream& out) {
    BestScoresFile loaded;
    const UserFileText file = read_user_file(path, kLargestFile);
    if (file.outcome == UserFileMissing) return loaded;
    if (file.outcome == UserFileUnreadable) {
        out << "Best scores file " << path << " cannot be read" << std::endl;
    } else if (file.outcome == UserFileTooLarge) {
        out << "Best scores file " << path << ": expected at most " << kLargestFile
            << " bytes, found more; none of it is read" << std::endl;
    }
    const BestScoresText read = parse_best_scores(file.text);
    report_faults(path, read.faults, out);
    loaded.table = read.table;
    loaded.damaged = file.outcome != UserFileRead || !read.faults.empty();
    return loaded;
}

// The read, the merge and the write happen under the data folder's lock,
// so two games ending at the same moment both keep their places.
int32_t record_best_score(const std::string& path, const BestScore& game, BestScores& shown,
                          std::ostream& out) {
    BestScoresFile file{shown, false};
    HeldLock lock;
    if (!path.empty()) {
        lock = lock_user_folder(path, kLockPatience);
        file = load_best_scores(path, out);
    }
    const int32_t place = enter_best_score(file.table, game);
    shown = file.table;
    if (path.empty() || place < 0) return place;
    if (!lock.held()) {
        out << "Best scores file " << path << ": its folder cannot be locked within a second "
            << "(another copy of the game writing?); this game's place is not kept" << std::endl;
        return place;
    }
    if (file.damaged && !keep_damaged_file(path, out)) return place;
    if (!write_user_file(path, format_best_scores(file.table))) {
        out << "Best scores file " << path << " cannot be written; this game's place is not kept"
            << std::endl;
    }
    return place;
}

void read_best_scores(const std::string& path, BestScores& shown, std::ostream& out) {
    if (!path.empty()) shown = load_best_scores(path, out).table;
}
