// The settings file reader on any bytes. Every value it hands back lies on
// its range; reading the file gives what parsing its text gives, with one
// report line when anything was wrong and none otherwise; settings written
// out read back the same, with no fault.
#include <algorithm>
#include <sstream>
#include <string>
#include <string_view>

#include "app/settings.h"
#include "app/settings_file.h"
#include "fuzz/fuzz_support.h"

namespace {
constexpr size_t kLargestFile = 4096;  // the reader refuses larger files
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static fuzz::MemoryFile file;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const SettingsText parsed = parse_settings(text);
    const Settings& s = parsed.settings;
    fuzz::must(setting_in_range(s.volume, kVolumeRange) && setting_in_range(s.damage, kDamageRange) &&
                   setting_in_range(s.radius, kRadiusRange) &&
                   (s.pace == PaceReal || s.pace == PaceFrame) &&
                   (s.antialiasing == kAntialiasingSamples || s.antialiasing == 0),
               "every value lies on its range");
    for (const std::string& fault : parsed.faults) {
        fuzz::must(fault.find(": expected ") != std::string::npos, "a fault says what was expected");
    }
    const SettingsText again = parse_settings(format_settings(s));
    fuzz::must(again.faults.empty() && again.settings == s, "written settings read back the same");

    std::ostringstream out;
    const Settings loaded = load_settings(file.hold(data, size), out);
    const std::string report = out.str();
    const long lines = long(std::count(report.begin(), report.end(), '\n'));
    if (size > kLargestFile) {
        fuzz::must(loaded == Settings{} && lines == 1, "a file too large gives the defaults and one line");
    } else {
        fuzz::must(loaded == s, "the file gives what its text gives");
        fuzz::must(lines == (parsed.faults.empty() ? 0 : 1), "one report line only for faults");
    }
    return 0;
}
