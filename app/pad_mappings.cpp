#include "app/pad_mappings.h"

#include <cctype>
#include <ostream>
#include <string_view>
#include <vector>

#include "app/platform.h"
#include "app/user_files.h"

namespace {
constexpr const char* kFileName = "gamecontrollerdb.txt";
// The whole public database is well under a megabyte.
constexpr std::streamsize kLargestFile = 4 << 20;
constexpr const char* kBuiltIn = "the pad uses GLFW's own mappings";

// A mapping starts with its joystick's GUID in hex; GLFW passes over any
// other line without a word, so such a line is counted here.
bool looks_like_mapping(std::string_view line) {
    return std::isxdigit(static_cast<unsigned char>(line[0])) != 0;
}
}  // namespace

std::string pad_mappings_path() { return user_file_path(user_folders().config, kFileName); }

PadMappingLines add_pad_mapping_lines(const std::string& text) {
    PadMappingLines lines;
    const std::vector<std::string_view> all = user_file_lines(text);
    for (size_t i = 0; i < all.size(); ++i) {
        const std::string_view line = all[i];
        if (line.empty() || line[0] == '#') continue;
        ++lines.tried;
        if (looks_like_mapping(line) && add_pad_mappings(std::string(line))) continue;
        if (lines.rejected++ > 0) continue;
        lines.first_rejected = int32_t(i + 1);
        lines.first_rejected_text = shown_in_report(line);
    }
    return lines;
}

void load_pad_mappings(const std::string& path, std::ostream& out) {
    if (path.empty()) return;
    const UserFileText file = read_user_file(path, kLargestFile);
    if (file.outcome == UserFileMissing) return;
    const std::string name = "Gamepad mappings file " + path;
    if (file.outcome == UserFileUnreadable) {
        out << name << " cannot be read; " << kBuiltIn << std::endl;
        return;
    }
    if (file.outcome == UserFileTooLarge) {
        out << name << ": expected at most " << kLargestFile << " bytes, found more; " << kBuiltIn
            << std::endl;
        return;
    }
    const PadMappingLines lines = add_pad_mapping_lines(file.text);
    if (lines.rejected == 0) return;
    out << name << ": " << lines.rejected << " of " << lines.tried
        << " lines are not mappings GLFW can read (the first, line " << lines.first_rejected << ": "
        << lines.first_rejected_text << "); " << kBuiltIn << " for those" << std::endl;
}
