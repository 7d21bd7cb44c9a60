#include "app/settings.h"

#include <charconv>

#include "app/user_files.h"

namespace {
constexpr const char* kVolumeKey = "volume";
constexpr const char* kDamageKey = "damage";
constexpr const char* kRadiusKey = "radius";
constexpr const char* kFullscreenKey = "fullscreen";
constexpr const char* kOn = "on";
constexpr const char* kOff = "off";

std::string range_text(const SettingRange& r) {
    std::string text = std::to_string(r.low) + " to " + std::to_string(r.high);
    if (r.step != 1) text += " in steps of " + std::to_string(r.step);
    return text;
}

// One numeric setting: the whole value must be a number on the range.
void read_number(std::string_view key, std::string_view value, const SettingRange& range,
                 int32_t& target, std::vector<std::string>& faults) {
    int32_t number = 0;
    const char* end = value.data() + value.size();
    auto [stop, error] = std::from_chars(value.data(), end, number);
    if (error == std::errc() && stop == end && setting_in_range(number, range)) {
        target = number;
        return;
    }
    faults.push_back(std::string(key) + ": expected " + range_text(range) + ", found " +
                     shown_in_report(value));
}

void read_switch(std::string_view key, std::string_view value, bool& target,
                 std::vector<std::string>& faults) {
    if (value == kOn || value == kOff) {
        target = value == kOn;
        return;
    }
    faults.push_back(std::string(key) + ": expected on or off, found " + shown_in_report(value));
}

struct Seen {
    bool volume = false, damage = false, radius = false, fullscreen = false;
};

void read_line(std::string_view line, int32_t number, Settings& s, Seen& seen,
               std::vector<std::string>& faults) {
    const std::string where = "line " + std::to_string(number);
    const size_t equals = line.find('=');
    if (equals == std::string_view::npos) {
        faults.push_back(where + ": expected name = value, found " + shown_in_report(line));
        return;
    }
    const std::string_view key = trim_blanks(line.substr(0, equals));
    const std::string_view value = trim_blanks(line.substr(equals + 1));
    bool* flag = key == kVolumeKey ? &seen.volume
                 : key == kDamageKey ? &seen.damage
                 : key == kRadiusKey ? &seen.radius
                 : key == kFullscreenKey ? &seen.fullscreen
                 : nullptr;
    if (!flag) {
        faults.push_back(where + ": expected volume, damage, radius or fullscreen, found " +
                         shown_in_report(key));
        return;
    }
    if (*flag) {
        faults.push_back(where + ": expected " + std::string(key) + " once, found it again");
        return;
    }
    *flag = true;
    if (key == kVolumeKey) read_number(key, value, kVolumeRange, s.volume, faults);
    if (key == kDamageKey) read_number(key, value, kDamageRange, s.damage, faults);
    if (key == kRadiusKey) read_number(key, value, kRadiusRange, s.radius, faults);
    if (key == kFullscreenKey) read_switch(key, value, s.fullscreen, faults);
}
}  // namespace

bool setting_in_range(int32_t value, const SettingRange& r) {
    return value >= r.low && value <= r.high && (value - r.low) % r.step == 0;
}

int32_t step_setting(int32_t value, int32_t steps, const SettingRange& r) {
    const int32_t span = r.high - r.low + r.step;
    const int32_t offset = (value - r.low + steps * r.step) % span;
    return r.low + (offset + span) % span;
}

SettingsText parse_settings(std::string_view text) {
    SettingsText result;
    Seen seen;
    const std::vector<std::string_view> lines = user_file_lines(text);
    for (size_t i = 0; i < lines.size(); ++i) {
        if (!lines[i].empty() && lines[i].front() != '#') {
            read_line(lines[i], int32_t(i + 1), result.settings, seen, result.faults);
        }
    }
    const std::pair<const char*, bool> keys[] = {{kVolumeKey, seen.volume},
                                                 {kDamageKey, seen.damage},
                                                 {kRadiusKey, seen.radius},
                                                 {kFullscreenKey, seen.fullscreen}};
    for (const auto& [key, found] : keys) {
        if (!found) result.faults.push_back(std::string(key) + ": expected a value, found none");
    }
    return result;
}

std::string format_settings(const Settings& s) {
    return std::string("# Swarmfall settings, written when RETURN is chosen in the options menu\n") +
           kVolumeKey + " = " + std::to_string(s.volume) + "\n" + kDamageKey + " = " +
           std::to_string(s.damage) + "\n" + kRadiusKey + " = " + std::to_string(s.radius) + "\n" +
           kFullscreenKey + " = " + (s.fullscreen ? kOn : kOff) + "\n";
}
