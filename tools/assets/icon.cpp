#include "tools/assets/icon.h"

#include <algorithm>
#include <cmath>

#include "tools/assets/screen_art.h"

namespace assets {

namespace {

// The title art is painted at the window's width; four halvings from here
// give 64 pixels, and the box filter smooths every edge on the way.
constexpr int PaintedSize = 1024;
constexpr float CornerRadius = 180.0f;
constexpr unsigned CitySeed = 7;

// Clears what lies outside a rounded square, with a one-pixel soft edge.
void round_corners(Image& img, float radius) {
  for (int y = 0; y < img.height; ++y)
    for (int x = 0; x < img.width; ++x) {
      float dx = std::max({radius - (x + 0.5f), (x + 0.5f) - (img.width - radius), 0.0f});
      float dy = std::max({radius - (y + 0.5f), (y + 0.5f) - (img.height - radius), 0.0f});
      float outside = std::sqrt(dx * dx + dy * dy) - radius;
      img.at(x, y).a = uint8_t(255 * std::clamp(0.5f - outside, 0.0f, 1.0f));
    }
}

}  // namespace

std::vector<IconImage> make_icons() {
  Image painted(PaintedSize, PaintedSize);
  paint_dusk_city(painted, CitySeed);
  paint_ant(painted, 530.0f, 525.0f, 10.0f, true);
  round_corners(painted, CornerRadius);
  std::vector<IconImage> icons;
  Image current = half_size(half_size(painted));
  for (int size = 256; size >= 32; size /= 2) {
    icons.push_back({size, current});
    current = half_size(current);
  }
  return icons;
}

}  // namespace assets
