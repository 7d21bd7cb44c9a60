#pragma once
// Drawing of the image screens and the two menus.
#include <cstdint>
#include <map>
#include <vector>

#include "app/best_scores.h"
#include "app/shown_statistics.h"
#include "ui/screen_resources.h"

struct TextOverlay;

// The screens' OpenGL half: the full-screen quad with its program, every
// screen image, and the title screens' animation, which each drawn frame
// steps on.
struct ScreenImages {
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
};

// Loads the image program and every screen image; needs a GL context.
void init_screen_images(ScreenImages& images);
void release_screen_images(ScreenImages& images);

void draw_full_screen_image(const ScreenImages& images, uint32_t texture);
void draw_intro_cycle(ScreenImages& images);
void draw_choose_prompt(ScreenImages& images);
void draw_story(ScreenImages& images);
void draw_story_prompt(const ScreenImages& images);
// The screens and menus with text print it with the overlay `text`.
void draw_statistics(const TextOverlay& text, const ShownStatistics& shown);
void draw_score_screen(const TextOverlay& text, const ScreenImages& images,
                       const ShownStatistics& shown);
void draw_score_prompt(const TextOverlay& text, const ScreenImages& images,
                       const ShownStatistics& shown);
void draw_time_up_screen(const TextOverlay& text, const ScreenImages& images,
                         const ShownStatistics& shown);
void draw_time_up_prompt(const TextOverlay& text, const ScreenImages& images,
                         const ShownStatistics& shown);
// The best games under the time-up screens' statistics; like them, drawn
// before the screen's image.
void draw_best_scores(const TextOverlay& text, const BestScoresShown& shown);

// One of the pad's lines (PadHint, app/state_picture.h).
void draw_pad_hint(const TextOverlay& text, int32_t hint);

// The menu's lines with the values in `settings`, which the menu changes.
void draw_options_menu(const TextOverlay& text, const ScreenImages& images,
                       const ScreenResources& screens, const Settings& settings);
void draw_controls_menu(const TextOverlay& text, const ScreenImages& images,
                        ScreenResources& screens, std::map<int32_t, int32_t> bindings,
                        bool rebinding);
