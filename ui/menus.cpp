#include <ostream>
#include <string>

#include "app/settings.h"
#include "ui/screen_resources.h"

namespace {
constexpr int32_t kMenuTop = 65;

// Remainder that never goes negative (wrapping cursors).
int32_t wrap(int32_t value, int32_t span) { return ((value % span) + span) % span; }

}  // namespace

float options_row_y(const ScreenResources& s, int32_t item) {
    return float(2 * s.character_size * (item + 1) + kMenuTop);
}

float controls_row_y(const ScreenResources& s, int32_t item) {
    return float((item + 2) * (s.character_size + 1) + kMenuTop);
}

namespace {

MenuLabel menu_label(const ScreenResources& s, std::string text, float x, float y) {
    return MenuLabel{std::move(text), x, y, uint32_t(s.character_size), kMenuColour};
}

// Label texts are padded to a fixed width so every value starts in one column.
std::string padded(const char* word, size_t width) {
    std::string text = std::string("  ") + word;
    text.resize(width, ' ');
    return text;
}

const char* const kOptionsWords[kOptionsItemCount] = {"VOLUMEN", "DAMAGE",  "RADIUS", "FULLSCREEN",
                                                      "CONTROL", "RETURN", "EXIT"};
constexpr size_t kOptionsLabelWidth = 23;
constexpr size_t kOptionsLineWidth = 20;
constexpr size_t kControlsPrefixWidth = 18;
const char* const kActionWords[12] = {"FORWARD", "RIGHT", "LEFT", "JUMP", "CAM0", "CAM1",
                                      "CAM2",    "CAM3",  "GRA0", "GRA1", "GRA2", "GRA3"};

std::string option_value(const Settings& settings, int32_t item) {
    switch (item) {
    case OptionsVolume: return std::to_string(settings.volume);
    case OptionsDamage: return std::to_string(settings.damage);
    case OptionsRadius: return std::to_string(settings.radius);
    case OptionsFullscreen: return settings.fullscreen ? "ON" : "OFF";
    default: return "";
    }
}

std::string option_text(const Settings& settings, int32_t item, size_t width) {
    if (item >= OptionsControl) return std::string("  ") + kOptionsWords[item];
    return padded(kOptionsWords[item], width) + option_value(settings, item);
}
}  // namespace

void ScreenResources::init_menus() {
    character_size = 16;
    menu_left = 130;
    for (int32_t k = 0; k < kOptionsItemCount; ++k) {
        options_labels[k] = menu_label(*this, option_text(Settings{}, k, kOptionsLabelWidth),
                                       float(menu_left), options_row_y(*this, k));
    }
    const float cursor_x = float(menu_left - character_size);
    options_cursor_label = menu_label(*this, "O", cursor_x, options_row_y(*this, 0));
    key_label = menu_label(*this, "", 0.0f, 0.0f);
    controls_cursor_label = menu_label(*this, "O", cursor_x, controls_row_y(*this, 0));
    options_cursor = 0;
    reported_options_cursor = kOptionsMenuAway;
    controls_cursor = 0;
}

void options_cursor_down(ScreenResources& s) {
    set_options_cursor(s, wrap(s.options_cursor + 1, kOptionsItemCount));
}

void options_cursor_up(ScreenResources& s) {
    set_options_cursor(s, wrap(s.options_cursor - 1, kOptionsItemCount));
}

void set_options_cursor(ScreenResources& s, int32_t item) {
    s.options_cursor = item;
    s.options_cursor_label.y = options_row_y(s, item);
}

namespace {
// Left and Right on a value: one step down or up, wrapping; the switch flips.
void step_option(const ScreenResources& s, Settings& v, int32_t steps) {
    switch (s.options_cursor) {
    case OptionsVolume: v.volume = step_setting(v.volume, steps, kVolumeRange); break;
    case OptionsDamage: v.damage = step_setting(v.damage, steps, kDamageRange); break;
    case OptionsRadius: v.radius = step_setting(v.radius, steps, kRadiusRange); break;
    case OptionsFullscreen: v.fullscreen = !v.fullscreen; break;
    default: break;
    }
}
}  // namespace

void options_value_up(const ScreenResources& s, Settings& settings) { step_option(s, settings, 1); }

void options_value_down(const ScreenResources& s, Settings& settings) {
    step_option(s, settings, -1);
}

int32_t options_select(ScreenResources& s) {
    int32_t selected = s.options_cursor;
    set_options_cursor(s, OptionsVolume);
    return selected;
}

void report_options_cursor(ScreenResources& s, bool shown, std::ostream& out) {
    const int32_t cursor = shown ? s.options_cursor : kOptionsMenuAway;
    if (shown && cursor != s.reported_options_cursor) out << s.options_cursor_label.x << std::endl;
    s.reported_options_cursor = cursor;
}

std::string options_line(const Settings& settings, int32_t item) {
    return option_text(settings, item, kOptionsLineWidth);
}

void controls_cursor_down(ScreenResources& s) {
    set_controls_cursor(s, wrap(s.controls_cursor + 1, kControlsItemCount));
}

void controls_cursor_up(ScreenResources& s) {
    set_controls_cursor(s, wrap(s.controls_cursor - 1, kControlsItemCount));
}

void set_controls_cursor(ScreenResources& s, int32_t item) {
    s.controls_cursor = item;
    s.controls_cursor_label.y = controls_row_y(s, item);
}

std::string controls_line(int32_t item, int32_t key_code) {
    if (item == kControlsReset) return padded("RESET", 23);
    if (item == kControlsReturn) return padded("RETURN", 24);
    return padded(kActionWords[item], kControlsPrefixWidth) + key_name(key_code);
}
