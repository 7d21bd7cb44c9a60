#include "app/user_files.h"

#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace {
constexpr const char* kTempSuffix = ".tmp";
}  // namespace

std::string user_file_path(const std::string& folder, const char* name) {
    return folder.empty() ? "" : (fs::path(folder) / name).string();
}

UserFileText read_user_file(const std::string& path, std::streamsize largest) {
    UserFileText read;
    std::error_code error;
    const fs::file_type type = fs::status(path, error).type();
    if (type == fs::file_type::not_found) return read;
    std::ifstream file;
    if (type == fs::file_type::regular) file.open(path, std::ios::binary);
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
    const fs::path target(path);
    const fs::path temporary = path + kTempSuffix;
    std::error_code error;
    fs::create_directories(target.parent_path(), error);
    bool written = false;
    if (!error) {
        std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
        file << text;
        file.close();
        written = bool(file);
    }
    if (written) fs::rename(temporary, target, error);
    if (written && !error) return true;
    fs::remove(temporary, error);
    return false;
}
