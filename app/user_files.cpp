#include "app/user_files.h"

#include <atomic>
#include <filesystem>
#include <fstream>

#include "app/platform.h"

namespace fs = std::filesystem;

namespace {
constexpr const char* kTempSuffix = ".tmp";
constexpr const char* kLockName = ".lock";
// Each write's own temporary name: this process's id and a count, so two
// copies of the game, or two writes of one, never share one.
std::atomic<long> writes_begun{0};

std::string temporary_name(const std::string& path) {
    return path + "." + std::to_string(process_id()) + "-" + std::to_string(++writes_begun) +
           kTempSuffix;
}

constexpr size_t kShownLength = 24;  // of a found text, so a report stays one short line
}  // namespace

std::string user_file_path(const std::string& folder, const char* name) {
    return folder.empty() ? "" : (fs::u8path(folder) / name).u8string();
}

// Paths are UTF-8 strings: fs::u8path keeps a name outside ASCII whole
// where the system's own paths are not UTF-8 (Windows).
UserFileText read_user_file(const std::string& path, std::streamsize largest) {
    UserFileText read;
    std::error_code error;
    const fs::path file_path = fs::u8path(path);
    const fs::file_type type = fs::status(file_path, error).type();
    if (type == fs::file_type::not_found) return read;
    std::ifstream file;
    if (type == fs::file_type::regular) file.open(file_path, std::ios::binary);
    // One byte more than allowed tells a file that is too large.
    read.text.assign(size_t(largest) + 1, '\0');
    if (file.is_open()) file.read(&read.text[0], largest + 1);
    if (!file.is_open() || file.bad()) {
        read.outcome = UserFileUnreadable;
        read.text.clear();
        return read;
    }
    read.text.resize(size_t(file.gcount()));
    read.outcome = std::streamsize(read.text.size()) > largest ? UserFileTooLarge : UserFileRead;
    if (read.outcome != UserFileRead) read.text.clear();
    return read;
}

bool write_user_file(const std::string& path, const std::string& text) {
    if (path.empty()) return false;
    const fs::path target = fs::u8path(path);
    const fs::path temporary = fs::u8path(temporary_name(path));
    std::error_code error;
    fs::create_directories(target.parent_path(), error);
    bool written = false;
    if (!error) {
        std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
        file << text;
        file.close();
        written = bool(file);
    }
    if (written && replace_file(temporary.u8string(), path)) return true;
    fs::remove(temporary, error);
    return false;
}

HeldLock lock_user_folder(const std::string& path, double patience) {
    const fs::path folder = fs::u8path(path).parent_path();
    std::error_code error;
    fs::create_directories(folder, error);
    if (error) return HeldLock{};
    return lock_file((folder / kLockName).u8string(), patience);
}

std::vector<std::string_view> user_file_lines(std::string_view text) {
    std::vector<std::string_view> lines;
    for (size_t start = 0; start <= text.size();) {
        size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        lines.push_back(trim_blanks(text.substr(start, end - start)));
        start = end + 1;
    }
    return lines;
}

std::string_view trim_blanks(std::string_view s) {
    const char* blanks = " \t\r";
    const size_t first = s.find_first_not_of(blanks);
    if (first == std::string_view::npos) return {};
    return s.substr(first, s.find_last_not_of(blanks) - first + 1);
}

std::string shown_in_report(std::string_view s) {
    std::string out = "\"";
    for (size_t i = 0; i < s.size() && i < kShownLength; ++i) {
        const unsigned char c = static_cast<unsigned char>(s[i]);
        out += (c >= 0x20 && c < 0x7f) ? char(c) : '?';
    }
    if (s.size() > kShownLength) out += "...";
    return out + "\"";
}
