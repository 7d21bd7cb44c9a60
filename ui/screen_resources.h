#pragma once
// Everything the non-3D screens need: the full-screen images, the menu
// labels and cursors. The values the options menu changes are the
// session's settings; the statistics shown are the session's too.
#include <cstdint>
#include <iosfwd>
#include <string>
#include <vector>

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
    float screen_width = 0.0f, screen_height = 0.0f;
    uint32_t quad_buffer = 0;
    uint32_t image_program = 0;
    int32_t image_sampler_location = -1;
    uint32_t background_texture = 0;
    uint32_t score_image = 0, score_prompt_image = 0;
    uint32_t time_up_image = 0, time_up_prompt_image = 0;
    std::vector<uint32_t> intro_images;
    std::vector<uint32_t> prompt_images;
    int32_t frame_counter = 0;
    int32_t intro_index = 0, prompt_index = 0;
    uint32_t story_image = 0, story_prompt_image = 0;
    MenuLabel options_labels[kOptionsItemCount];
    MenuLabel options_cursor_label;
    int32_t options_cursor = 0;
    int32_t reported_options_cursor = kOptionsMenuAway;  // where the last cursor line was
    MenuLabel key_label;
    MenuLabel controls_cursor_label;
    int32_t controls_cursor = 0;

    // The data half of set-up (labels and cursors); no OpenGL.
    void init_menus(float width, float height);
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
