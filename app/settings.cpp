#include "app/settings.h"

#include <charconv>

#include "app/user_files.h"

namespace {
// The file's names, in the order the file is written.
enum SettingKey : int32_t {
    KeyVolume, KeyDamage, KeyRadius, KeyFullscreen, KeyPace, KeyVsync, KeyAntialiasing, KeyShadows,
    KeyLabels, KeyScanner, KeyCount
};
constexpr const char* kKeyNames[KeyCount] = {
    "volume", "damage", "radius",  "fullscreen", "pace", "vsync", "antialiasing", "shadows",
    "labels", "scanner"};

// A value written as one of a few words.
struct Word {
    const char* text;
    int32_t value;
};
constexpr Word kSwitchWords[] = {{"on", 1}, {"off", 0}};
constexpr Word kPaceWords[] = {{"real", PaceReal}, {"frame", PaceFrame}};
constexpr Word kSampleWords[] = {{"4", kAntialiasingSamples}, {"0", 0}};
// Flags written as a word for each way, the default's first.
constexpr Word kLabelWords[] = {{"see-through", 0}, {"solid", 1}};
constexpr Word kScannerWords[] = {{"colours", 0}, {"shapes", 1}};
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

// "a, b or c", for what a fault expected.
template <typename Item, size_t N>
std::string one_of(const Item (&items)[N], const char* (*text)(const Item&)) {
    std::string list;
    for (size_t i = 0; i < N; ++i) {
        list += (i == 0 ? "" : i + 1 == N ? " or " : ", ") + std::string(text(items[i]));
    }
    return list;
}

template <size_t N>
void read_word(std::string_view key, std::string_view value, const Word (&words)[N],
               int32_t& target, std::vector<std::string>& faults) {
    for (const Word& word : words) {
        if (value == word.text) {
            target = word.value;
            return;
        }
    }
    faults.push_back(std::string(key) + ": expected " +
                     one_of(words, +[](const Word& w) { return w.text; }) + ", found " +
                     shown_in_report(value));
}

void read_flag(std::string_view key, std::string_view value, const Word (&words)[2],
               bool& target, std::vector<std::string>& faults) {
    int32_t on = target ? 1 : 0;
    read_word(key, value, words, on, faults);
    target = on != 0;
}

void read_value(int32_t key, std::string_view value, Settings& s,
                std::vector<std::string>& faults) {
    const char* name = kKeyNames[key];
    switch (key) {
    case KeyVolume: read_number(name, value, kVolumeRange, s.volume, faults); break;
    case KeyDamage: read_number(name, value, kDamageRange, s.damage, faults); break;
    case KeyRadius: read_number(name, value, kRadiusRange, s.radius, faults); break;
    case KeyFullscreen: read_flag(name, value, kSwitchWords, s.fullscreen, faults); break;
    case KeyPace: read_word(name, value, kPaceWords, s.pace, faults); break;
    case KeyVsync: read_flag(name, value, kSwitchWords, s.vsync, faults); break;
    case KeyAntialiasing: read_word(name, value, kSampleWords, s.antialiasing, faults); break;
    case KeyShadows: read_flag(name, value, kSwitchWords, s.shadows, faults); break;
    case KeyLabels: read_flag(name, value, kLabelWords, s.solid_labels, faults); break;
    case KeyScanner: read_flag(name, value, kScannerWords, s.scanner_shapes, faults); break;
    default: break;
    }
}

void read_line(std::string_view line, int32_t number, Settings& s, bool (&seen)[KeyCount],
               std::vector<std::string>& faults) {
    const std::string where = "line " + std::to_string(number);
    const size_t equals = line.find('=');
    if (equals == std::string_view::npos) {
        faults.push_back(where + ": expected name = value, found " + shown_in_report(line));
        return;
    }
    const std::string_view key = trim_blanks(line.substr(0, equals));
    int32_t index = 0;
    while (index < KeyCount && key != kKeyNames[index]) ++index;
    if (index == KeyCount) {
        faults.push_back(where + ": expected " +
                         one_of(kKeyNames, +[](const char* const& name) { return name; }) +
                         ", found " + shown_in_report(key));
        return;
    }
    if (seen[index]) {
        faults.push_back(where + ": expected " + std::string(key) + " once, found it again");
        return;
    }
    seen[index] = true;
    read_value(index, trim_blanks(line.substr(equals + 1)), s, faults);
}

// The word written for `value`; the first one for a value no word has.
template <size_t N>
std::string word_for(const Word (&words)[N], int32_t value) {
    for (const Word& word : words) {
        if (word.value == value) return word.text;
    }
    return words[0].text;
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
    bool seen[KeyCount] = {};
    const std::vector<std::string_view> lines = user_file_lines(text);
    for (size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].empty() || lines[i].front() == '#') continue;
        read_line(lines[i], int32_t(i + 1), result.settings, seen, result.faults);
    }
    return result;
}

std::string format_settings(const Settings& s) {
    const std::string values[KeyCount] = {
        std::to_string(s.volume), std::to_string(s.damage),
        std::to_string(s.radius), word_for(kSwitchWords, s.fullscreen),
        word_for(kPaceWords, s.pace), word_for(kSwitchWords, s.vsync),
        std::to_string(s.antialiasing), word_for(kSwitchWords, s.shadows),
        word_for(kLabelWords, s.solid_labels), word_for(kScannerWords, s.scanner_shapes)};
    std::string text = "# Swarmfall settings, written when RETURN is chosen in the options menu\n";
    for (int32_t key = 0; key < KeyCount; ++key) {
        text += std::string(kKeyNames[key]) + " = " + values[key] + "\n";
    }
    return text;
}
