#include "app/settings_file.h"

#include <ostream>

#include "app/platform.h"
#include "app/user_files.h"

namespace {
constexpr const char* kFileName = "settings.conf";
// Far more than the file ever holds; a larger one is not ours to read.
constexpr std::streamsize kLargestFile = 4096;
constexpr size_t kFaultsShown = 4;

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

std::string settings_file_path() { return user_file_path(user_folders().config, kFileName); }

Settings load_settings(const std::string& path, std::ostream& out) {
    if (path.empty()) {
        out << "Settings are not kept: neither XDG_CONFIG_HOME nor HOME is set" << std::endl;
        return Settings{};
    }
    const UserFileText file = read_user_file(path, kLargestFile);
    if (file.outcome == UserFileMissing) return Settings{};
    if (file.outcome == UserFileUnreadable) {
        out << "Settings file " << path << " cannot be read; using the defaults" << std::endl;
        return Settings{};
    }
    if (file.outcome == UserFileTooLarge) {
        out << "Settings file " << path << ": expected at most " << kLargestFile
            << " bytes, found more; using the defaults" << std::endl;
        return Settings{};
    }
    SettingsText read = parse_settings(file.text);
    if (!read.faults.empty()) report_faults(path, read.faults, out);
    return read.settings;
}

bool save_settings(const std::string& path, const Settings& settings, std::ostream& out) {
    if (path.empty()) return false;
    if (write_user_file(path, format_settings(settings))) return true;
    out << "Settings file " << path << " cannot be written; the settings last for this run only"
        << std::endl;
    return false;
}
