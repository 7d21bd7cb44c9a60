#include "app/settings_file.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <ostream>

namespace fs = std::filesystem;

namespace {
constexpr const char* kFolder = "swarmfall";
constexpr const char* kFileName = "settings.conf";
constexpr const char* kTempSuffix = ".tmp";
// Far more than the file ever holds; a larger one is not ours to read.
constexpr std::streamsize kLargestFile = 4096;
constexpr size_t kFaultsShown = 4;

std::string environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

void report_faults(const std::string& path, const std::vector<std::string>& faults,
                   std::ostream& out) {
    out << "Settings file " << path << ": ";
    for (size_t i = 0; i < faults.size() && i < kFaultsShown; ++i) {
        out << (i > 0 ? "; " : "") << faults[i];
    }
    if (faults.size() > kFaultsShown) out << "; and " << faults.size() - kFaultsShown << " more";
    out << "; using the defaults for these" << std::endl;
}
}  // namespace

std::string settings_file_path() {
    // A relative XDG_CONFIG_HOME is to be ignored, as if it were not set.
    fs::path base = environment("XDG_CONFIG_HOME");
    if (!base.is_absolute()) {
        const std::string home = environment("HOME");
        if (home.empty()) return "";
        base = fs::path(home) / ".config";
    }
    return (base / kFolder / kFileName).string();
}

Settings load_settings(const std::string& path, std::ostream& out) {
    if (path.empty()) {
        out << "Settings are not kept: neither XDG_CONFIG_HOME nor HOME is set" << std::endl;
        return Settings{};
    }
    std::error_code error;
    const fs::file_type type = fs::status(path, error).type();
    if (type == fs::file_type::not_found) return Settings{};
    std::ifstream file;
    if (type == fs::file_type::regular) file.open(path, std::ios::binary);
    std::string text(size_t(kLargestFile) + 1, '\0');
    if (file.is_open()) file.read(&text[0], kLargestFile + 1);
    if (!file.is_open() || file.bad()) {
        out << "Settings file " << path << " cannot be read; using the defaults" << std::endl;
        return Settings{};
    }
    text.resize(size_t(file.gcount()));
    if (std::streamsize(text.size()) > kLargestFile) {
        out << "Settings file " << path << ": expected at most " << kLargestFile
            << " bytes, found more; using the defaults" << std::endl;
        return Settings{};
    }
    SettingsText read = parse_settings(text);
    if (!read.faults.empty()) report_faults(path, read.faults, out);
    return read.settings;
}

bool save_settings(const std::string& path, const Settings& settings, std::ostream& out) {
    if (path.empty()) return false;
    const fs::path target(path);
    const fs::path temporary = path + kTempSuffix;
    std::error_code error;
    fs::create_directories(target.parent_path(), error);
    bool written = false;
    if (!error) {
        std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
        file << format_settings(settings);
        file.close();
        written = bool(file);
    }
    if (written) fs::rename(temporary, target, error);
    if (written && !error) return true;
    fs::remove(temporary, error);
    out << "Settings file " << path << " cannot be written; the settings last for this run only"
        << std::endl;
    return false;
}
