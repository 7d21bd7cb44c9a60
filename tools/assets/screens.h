// The full-screen images: title variants, character prompt, story, score,
// time-up and the menu backdrop.
#pragma once

#include <string>
#include <vector>

#include "tools/assets/image.h"
#include "tools/assets/text.h"

namespace assets {

struct ScreenImage {
  std::string file;  // path relative to the repository root
  Image image;
};

struct ScreenFonts {
  Typeface bold;
  Typeface serif;
};

// Statistics rows of the score screens, in text units: the game prints the
// numbers at x 462 with their tops at these y values and size 30.
constexpr float StatsX = 462.0f;
constexpr float StatsRows[3] = {165.0f, 230.0f, 305.0f};
constexpr float StatsSize = 30.0f;

std::vector<ScreenImage> make_all_screens(const ScreenFonts& fonts);

}  // namespace assets
