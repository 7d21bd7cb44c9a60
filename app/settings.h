#pragma once
// The player's settings: the four values of the options menu, and more kept
// in the settings file only (pace, vsync, antialiasing, shadows, and the
// status line's looks), with their one set of defaults and ranges, and their
// text form in the settings file. Reading is a pure function of the text:
// any bytes give settings back.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "actors/ant.h"
#include "actors/grenade.h"

// Values run from low to high in steps; the menu wraps round at both ends.
struct SettingRange {
    int32_t low = 0, high = 0, step = 1;
};
constexpr SettingRange kVolumeRange{0, 100, 10};  // the audio library's 0..100 scale
constexpr SettingRange kDamageRange{0, 20, 1};    // health an ant bite takes
constexpr SettingRange kRadiusRange{0, 3, 1};     // grenade blast radius in cells

// How play time follows the clock. Real: every frame simulates the ticks
// real time has gone by, so the game keeps its speed at any frame rate.
// Frame: at most one tick per drawn frame, the original pacing, which slows
// the game down below 100 frames per second.
enum Pace : int32_t { PaceReal = 0, PaceFrame = 1 };

constexpr int32_t kAntialiasingSamples = 4;  // the other choice is 0: none

struct Settings {
    int32_t volume = 20;
    int32_t damage = kAntStartBiteDamage;  // what a fresh ant bites for
    int32_t radius = kDefaultBlastRadius;  // the grenade's own start value
    bool fullscreen = false;
    // No menu item: only the file sets these, and they act at start-up.
    int32_t pace = PaceReal;
    bool vsync = true;  // wait for the display's refresh (with the real pace only)
    int32_t antialiasing = kAntialiasingSamples;  // samples per pixel of the window
    bool shadows = true;  // off: everything fully lit, no shadow map
    // The status line's labels in a solid light colour instead of letting
    // the scene show through them, and a sign inside the scanner's brackets
    // besides its colour.
    bool solid_labels = false;
    bool scanner_shapes = false;

    bool operator==(const Settings& o) const {
        return volume == o.volume && damage == o.damage && radius == o.radius &&
               fullscreen == o.fullscreen && pace == o.pace && vsync == o.vsync &&
               antialiasing == o.antialiasing && shadows == o.shadows &&
               solid_labels == o.solid_labels && scanner_shapes == o.scanner_shapes;
    }
};

// True when `value` is one of the range's steps.
bool setting_in_range(int32_t value, const SettingRange& range);
// `value` moved by `steps` steps, wrapping past either end.
int32_t step_setting(int32_t value, int32_t steps, const SettingRange& range);

// What a settings text gave: every value it holds correctly, the default
// for each one missing or wrong, and one "what: expected E, found F" per
// fault. A missing value is no fault: files written before a setting
// existed read without complaint.
struct SettingsText {
    Settings settings;
    std::vector<std::string> faults;
};
SettingsText parse_settings(std::string_view text);
// The file's text: a comment line, then "name = value" per setting.
std::string format_settings(const Settings& settings);
