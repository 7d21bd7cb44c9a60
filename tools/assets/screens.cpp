#include "tools/assets/screens.h"

#include <cmath>

#include "tools/assets/screen_art.h"
#include "ui/best_scores_layout.h"

namespace assets {

namespace {

const char* const StoryText =
    "Past the dunes stands a city of stone blocks behind a high wall, and the ants have made it "
    "their nest. At dusk they carried off your friend and hid them deep in its maze of streets. "
    "You slip in through the gate with a bag of grenades and a clock that will not wait. Find "
    "the captive, come close to cut them free, and lead them back out through the walls. Jump "
    "onto blocks to climb, drop onto an ant to stun it, throw grenades to clear the way. Every "
    "rescue wakes more ants. Bring out as many as you can before time runs out.";

TextStyle style(float px, Rgba colour, float outline = 0.0f, float shadow = 0.0f) {
  TextStyle s;
  s.pixel_height = px;
  s.colour = colour;
  s.outline = outline;
  s.shadow = shadow;
  return s;
}

Image title_image(const ScreenFonts& f, Rgba title, Rgba outline) {
  Image img(ScreenWidth, ScreenHeight);
  paint_dusk_city(img, 11);
  paint_ant(img, 150, 470, 3.0f, true);
  paint_ant(img, 880, 480, 2.4f, false);
  paint_ant(img, 330, 478, 1.6f, true);
  TextStyle big = style(150, title, 5.0f);
  big.shadow_colour = outline;
  draw_text(img, f.bold, "SWARMFALL", ScreenWidth / 2.0f, 120, big, AlignCentre);
  TextStyle sub = style(34, rgb(255, 236, 200), 2.0f);
  sub.shadow_colour = rgb(30, 16, 30);
  draw_text(img, f.serif, "the walled city of ants", ScreenWidth / 2.0f, 300, sub, AlignCentre);
  return img;
}

// The two prompt images light up the girl and the boy in turn.
Image prompt_image(const ScreenFonts& f, bool girl_lit) {
  Image img(ScreenWidth, ScreenHeight);
  paint_dusk_city(img, 11);
  img.blend_rect(0, 0, ScreenWidth, ScreenHeight, rgb(10, 6, 20), 0.45f);
  TextStyle head = style(64, rgb(255, 236, 200), 3.0f);
  head.shadow_colour = rgb(30, 16, 30);
  draw_text(img, f.bold, "WHO GOES IN?", ScreenWidth / 2.0f, 60, head, AlignCentre);
  Rgba lit = rgb(255, 220, 90), dim = rgb(120, 110, 130);
  for (int side = 0; side < 2; ++side) {
    bool girl = side == 0;
    bool on = girl == girl_lit;
    float cx = girl ? 290.0f : 734.0f;
    paint_panel(img, int(cx - 190), 170, 380, 480, on ? rgb(60, 40, 80) : rgb(25, 20, 35), on ? lit : dim, 0.85f);
    if (girl)
      paint_girl(img, cx, 560, 2.6f);
    else
      paint_boy(img, cx, 560, 2.6f);
    TextStyle key = style(on ? 58 : 50, on ? lit : dim, 3.0f);
    key.shadow_colour = rgb(20, 10, 20);
    draw_text(img, f.bold, girl ? "PRESS G" : "PRESS B", cx, 572, key, AlignCentre);
    TextStyle who = style(28, on ? rgb(255, 255, 255) : dim);
    draw_text(img, f.serif, girl ? "to play the girl" : "to play the boy", cx, 200, who, AlignCentre);
  }
  TextStyle foot = style(26, rgb(230, 220, 240), 2.0f);
  foot.shadow_colour = rgb(20, 10, 20);
  draw_text(img, f.serif, "the other one waits for you somewhere in the city", ScreenWidth / 2.0f, 690, foot,
            AlignCentre);
  return img;
}

Image story_image(const ScreenFonts& f, bool with_prompt) {
  Image img(ScreenWidth, ScreenHeight);
  paint_dusk_city(img, 23);
  paint_panel(img, 90, 60, 844, 560, rgb(246, 232, 200), rgb(120, 70, 40), 0.93f);
  draw_text(img, f.bold, "THE CITY OF ANTS", ScreenWidth / 2.0f, 90, style(50, rgb(120, 40, 30)), AlignCentre);
  draw_paragraph(img, f.serif, StoryText, 130, 170, 764, style(29, rgb(50, 34, 30)), 12);
  paint_ant(img, 820, 580, 1.4f, false);
  if (with_prompt) {
    TextStyle p = style(44, rgb(255, 230, 110), 3.0f);
    p.shadow_colour = rgb(30, 10, 20);
    draw_text(img, f.bold, "PRESS ANY KEY", ScreenWidth / 2.0f, 660, p, AlignCentre);
  }
  return img;
}

// Labels sit left of the column where the game prints the numbers, on a
// light band so the red digits stand out. A null prompt draws none.
Image stats_image(const ScreenFonts& f, const char* heading, Rgba heading_colour, const char* prompt,
                  float prompt_y = 640) {
  Image img(ScreenWidth, ScreenHeight);
  paint_dusk_city(img, 37);
  img.blend_rect(0, 0, ScreenWidth, ScreenHeight, rgb(10, 6, 20), 0.35f);
  TextStyle head = style(92, heading_colour, 4.0f);
  head.shadow_colour = rgb(25, 10, 25);
  draw_text(img, f.bold, heading, ScreenWidth / 2.0f, 70, head, AlignCentre);
  const char* labels[3] = {"RESCUED", "TIME", "SCORE"};
  float num_x = text_x_to_pixel(StatsX);
  float size = text_size_to_pixels(StatsSize);
  for (int i = 0; i < 3; ++i) {
    float top = text_y_to_pixel(StatsRows[i]);
    paint_panel(img, int(num_x - 330), int(top - 14), 560, int(size + 28), rgb(246, 232, 200), rgb(120, 70, 40), 0.95f);
    TextStyle lab = style(size * 0.95f, rgb(48, 48, 120));
    float w = f.bold.measure(labels[i], lab.pixel_height);
    draw_text(img, f.bold, labels[i], num_x - 30 - w, top + size * 0.02f, lab);
    img.blend_rect(int(num_x - 18), int(top + 4), 4, int(size - 8), rgb(120, 70, 40), 1.0f);
  }
  if (prompt) {
    TextStyle p = style(44, rgb(255, 230, 110), 3.0f);
    p.shadow_colour = rgb(30, 10, 20);
    draw_text(img, f.bold, prompt, ScreenWidth / 2.0f, prompt_y, p, AlignCentre);
  }
  return img;
}

// The time-up screens: the statistics, then a light panel where the game
// prints the best games in dark blue, with a rule under the column names;
// the prompt moves below it.
Image time_up_image(const ScreenFonts& f, const char* prompt) {
  constexpr int pad = 8;
  const int left = int(text_x_to_pixel(kBestScoresLeft)) - pad;
  const int top = int(text_y_to_pixel(kBestScoresTop)) - pad;
  const int right = int(text_x_to_pixel(kBestScoresLeft + kBestScoresWidth)) + pad;
  const int bottom = int(text_y_to_pixel(kBestScoresBottom)) + pad;
  Image img = stats_image(f, "TIME'S UP", rgb(255, 90, 60), prompt, float(bottom + 8));
  paint_panel(img, left, top, right - left, bottom - top, rgb(246, 232, 200), rgb(120, 70, 40), 0.95f);
  const float rule = text_y_to_pixel(kBestScoresTop + 2 * kBestScoresPitch) - 2;
  img.blend_rect(left + pad, int(rule), right - left - 2 * pad, 2, rgb(120, 70, 40), 1.0f);
  return img;
}

// The menus print dark blue text from x 114 to about 800 and from y 97 to
// 336 (text units); the backdrop keeps that whole area a plain light panel.
Image menu_backdrop(const ScreenFonts& f) {
  Image img(ScreenWidth, ScreenHeight);
  paint_dusk_city(img, 51);
  int left = int(text_x_to_pixel(100)), top = int(text_y_to_pixel(85));
  int right = ScreenWidth - 24, bottom = int(text_y_to_pixel(350));
  paint_panel(img, left, top, right - left, bottom - top, rgb(244, 236, 214), rgb(120, 70, 40), 0.96f);
  TextStyle head = style(60, rgb(255, 236, 200), 3.0f);
  head.shadow_colour = rgb(30, 16, 30);
  draw_text(img, f.bold, "SWARMFALL", ScreenWidth / 2.0f, 40, head, AlignCentre);
  TextStyle hint = style(24, rgb(240, 230, 240), 2.0f);
  hint.shadow_colour = rgb(20, 10, 20);
  draw_text(img, f.serif, "Up and Down choose   Left and Right change   Enter selects", ScreenWidth / 2.0f,
            float(bottom + 20), hint, AlignCentre);
  paint_ant(img, 120, 700, 2.0f, true);
  paint_ant(img, 900, 710, 1.6f, false);
  return img;
}

}  // namespace

std::vector<ScreenImage> make_all_screens(const ScreenFonts& f) {
  std::vector<ScreenImage> out;
  struct Variant {
    const char* name;
    Rgba colour, outline;
  };
  const Variant variants[7] = {
      {"white", rgb(255, 255, 255), rgb(40, 20, 50)}, {"cyan", rgb(60, 230, 240), rgb(10, 40, 60)},
      {"green", rgb(90, 230, 80), rgb(10, 50, 20)},   {"pink", rgb(255, 120, 200), rgb(60, 10, 40)},
      {"red", rgb(235, 40, 30), rgb(50, 5, 5)},       {"blue", rgb(60, 100, 255), rgb(10, 10, 50)},
      {"black", rgb(12, 10, 14), rgb(250, 220, 160)},
  };
  for (const Variant& v : variants)
    out.push_back({std::string("texture/intro_") + v.name + ".DDS", title_image(f, v.colour, v.outline)});
  out.push_back({"texture/intro_press_1.DDS", prompt_image(f, true)});
  out.push_back({"texture/intro_press_2.DDS", prompt_image(f, false)});
  out.push_back({"texture/story.DDS", story_image(f, false)});
  out.push_back({"texture/story_press.DDS", story_image(f, true)});
  out.push_back({"texture/score.DDS", stats_image(f, "RESCUED!", rgb(120, 240, 120), nullptr)});
  out.push_back({"texture/score_press.DDS",
                 stats_image(f, "RESCUED!", rgb(120, 240, 120), "PRESS ANY KEY FOR THE NEXT ROUND")});
  out.push_back({"texture/timeup.DDS", time_up_image(f, nullptr)});
  out.push_back({"texture/timeup_press.DDS", time_up_image(f, "PRESS ANY KEY")});
  out.push_back({"texture/background.DDS", menu_backdrop(f)});
  return out;
}

}  // namespace assets
