#include "render/text_overlay.h"
#include "ui/screens.h"

namespace {
constexpr int32_t kActionCount = 12;
constexpr Colour kRebindColour{192, 0, 0, 255};

void print_label(const TextOverlay& overlay, const MenuLabel& label, const std::string& text,
                 const Colour& colour) {
    print_text(overlay, text.c_str(), int32_t(label.x), int32_t(label.y),
               int32_t(label.character_size), float(colour.r), float(colour.g), float(colour.b));
}
}  // namespace

void draw_options_menu(const TextOverlay& text, const ScreenImages& images,
                       const ScreenResources& s, const Settings& settings) {
    for (int32_t item = 0; item < kOptionsItemCount; ++item) {
        const MenuLabel& label = s.options_labels[item];
        print_label(text, label, options_line(settings, item), label.fill);
    }
    const MenuLabel& cursor = s.options_cursor_label;
    print_label(text, cursor, cursor.text, cursor.fill);
    draw_full_screen_image(images, images.background_texture);
}

void draw_controls_menu(const TextOverlay& text, const ScreenImages& images,
                        ScreenResources& s, std::map<int32_t, int32_t> bindings,
                        bool rebinding) {
    for (int32_t item = 0; item < kActionCount; ++item) {
        MenuLabel& label = s.key_label;
        label.text = controls_line(item, bindings[item]);
        label.x = float(s.menu_left);
        label.y = controls_row_y(s, item);
        const bool waiting = rebinding && s.controls_cursor == item;
        print_label(text, label, label.text, waiting ? kRebindColour : label.fill);
    }
    const MenuLabel& first = s.options_labels[0];
    for (int32_t item : {kControlsReset, kControlsReturn}) {
        MenuLabel row = first;
        row.y = controls_row_y(s, item);
        print_label(text, row, controls_line(item, 0), first.fill);
    }
    MenuLabel cursor = s.controls_cursor_label;
    cursor.character_size = first.character_size;
    print_label(text, cursor, cursor.text, first.fill);
    draw_full_screen_image(images, images.background_texture);
}
