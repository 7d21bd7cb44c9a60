#pragma once
// Drawing of the image screens and the two menus.
#include <cstdint>
#include <map>

#include "app/best_scores.h"
#include "app/shown_statistics.h"
#include "ui/screen_resources.h"

struct TextOverlay;

// Loads the image program and every screen image; needs a GL context.
void init_screen_graphics(ScreenResources& screens);
void release_screen_graphics(ScreenResources& screens);

void draw_full_screen_image(const ScreenResources& screens, uint32_t texture);
void draw_intro_cycle(ScreenResources& screens);
void draw_choose_prompt(ScreenResources& screens);
void draw_story(ScreenResources& screens);
void draw_story_prompt(const ScreenResources& screens);
// The screens and menus with text print it with the overlay `text`.
void draw_statistics(const TextOverlay& text, const ScreenResources& screens,
                     const ShownStatistics& shown);
void draw_score_screen(const TextOverlay& text, const ScreenResources& screens,
                       const ShownStatistics& shown);
void draw_score_prompt(const TextOverlay& text, const ScreenResources& screens,
                       const ShownStatistics& shown);
void draw_time_up_screen(const TextOverlay& text, const ScreenResources& screens,
                         const ShownStatistics& shown);
void draw_time_up_prompt(const TextOverlay& text, const ScreenResources& screens,
                         const ShownStatistics& shown);
// The best games under the time-up screens' statistics; like them, drawn
// before the screen's image.
void draw_best_scores(const TextOverlay& text, const BestScoresShown& shown);

// The menu's lines with the values in `settings`, which the menu changes.
void draw_options_menu(const TextOverlay& text, const ScreenResources& screens,
                       const Settings& settings);
void draw_controls_menu(const TextOverlay& text, ScreenResources& screens,
                        std::map<int32_t, int32_t> bindings, bool rebinding);
