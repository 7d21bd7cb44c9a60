#pragma once
// The menus' data: labels, cursors and their rows, and what the menu keys
// do to them. No OpenGL: the screen images are the presentation's
// (ui/screens.h). The values the options menu changes are the session's
// settings; the statistics shown are the session's too.
#include <cstdint>
#include <iosfwd>
#include <string>

struct Settings;

// A colour on the 0 to 255 scale of each channel.
struct Colour {
    uint8_t r = 0, g = 0, b = 0, a = 255;
};

// Data for one line of menu text; the text overlay prints it.
struct MenuLabel {
    std::string text;
    float x = 0.0f, y = 0.0f;
    uint32_t character_size = 0;
    Colour fill;
};

enum OptionsItem : int32_t {
    OptionsVolume = 0,
    OptionsDamage = 1,
    OptionsRadius = 2,
    OptionsFullscreen = 3,
    OptionsControl = 4,
    OptionsReturn = 5,
    OptionsExit = 6,
};
constexpr int32_t kOptionsItemCount = 7;
constexpr int32_t kOptionsMenuAway = -1;  // no cursor line since the menu was last shown

constexpr int32_t kControlsReset = 12;
constexpr int32_t kControlsReturn = 13;
constexpr int32_t kControlsItemCount = 14;

constexpr Colour kMenuColour{48, 48, 144, 255};

struct ScreenResources {
    int32_t character_size = 16;
    int32_t menu_left = 130;
    MenuLabel options_labels[kOptionsItemCount];
    MenuLabel options_cursor_label;
    int32_t options_cursor = 0;
    int32_t reported_options_cursor = kOptionsMenuAway;  // where the last cursor line was
    MenuLabel key_label;
    MenuLabel controls_cursor_label;
    int32_t controls_cursor = 0;

    // Labels and cursors as the menus first show them.
    void init_menus();
};

// Text rows of the menu items (and of their cursors).
float options_row_y(const ScreenResources& screens, int32_t item);
float controls_row_y(const ScreenResources& screens, int32_t item);

// Options menu operations (arrows and Enter).
void options_cursor_down(ScreenResources& screens);
void options_cursor_up(ScreenResources& screens);
// Left and Right on a value: `settings` are the menu's values, which take
// effect at RETURN.
void options_value_up(const ScreenResources& screens, Settings& settings);
void options_value_down(const ScreenResources& screens, Settings& settings);
// Returns the selected item and puts the cursor back on the first one.
int32_t options_select(ScreenResources& screens);
void set_options_cursor(ScreenResources& screens, int32_t item);
// Called on every frame, `shown` telling whether the options menu is on
// screen: writes the cursor label's x to `out` when the menu comes on screen
// and when its cursor has moved since the last line, not on every frame.
void report_options_cursor(ScreenResources& screens, bool shown, std::ostream& out);
// The text of options line k as the menu prints it.
std::string options_line(const Settings& settings, int32_t item);

// Controls menu operations.
void controls_cursor_down(ScreenResources& screens);
void controls_cursor_up(ScreenResources& screens);
void set_controls_cursor(ScreenResources& screens, int32_t item);
// The 18-character prefix of a controls line, followed by the key name.
std::string controls_line(int32_t item, int32_t key_code);

// Name of a GLFW key code as the controls menu shows it; "Unknow" otherwise.
std::string key_name(int32_t code);
