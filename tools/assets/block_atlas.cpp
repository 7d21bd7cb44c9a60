#include "tools/assets/block_atlas.h"

#include <cmath>
#include <cstdint>

namespace assets {

namespace {

const Rgba SwatchColours[SwatchCount] = {
    {236, 188, 150, 255},  // skin
    {205, 150, 115, 255},  // skin shade
    {196, 70, 80, 255},    // lips
    {40, 30, 30, 255},     // eye
    {122, 52, 22, 255},    // girl hair, auburn
    {214, 52, 128, 255},   // girl dress, raspberry
    {250, 226, 110, 255},  // girl trim, yellow
    {58, 40, 26, 255},     // boy hair, dark brown
    {40, 110, 200, 255},   // boy shirt, blue
    {240, 240, 235, 255},  // boy collar, white
    {48, 56, 84, 255},     // trousers, dark denim
    {92, 52, 28, 255},     // shoes
    {22, 20, 22, 255},     // ant black
    {70, 64, 70, 255},     // ant shine
    {170, 24, 16, 255},    // ant red
    {255, 60, 30, 255},    // ant eye
    {72, 112, 46, 255},    // grenade green
    {40, 66, 28, 255},     // grenade dark
    {160, 162, 168, 255},  // metal
    {248, 248, 248, 255},  // white
};

// Periodic hash noise in 0..1 (period 256), so the bricks tile seamlessly.
float noise(int x, int y, uint32_t seed) {
  uint32_t h = uint32_t(x & 255) * 374761393u + uint32_t(y & 255) * 668265263u + seed * 2246822519u;
  h = (h ^ (h >> 13)) * 1274126177u;
  return float((h ^ (h >> 16)) & 0xffff) / 65535.0f;
}

float smooth_noise(float x, float y, int cell, uint32_t seed) {
  int x0 = int(std::floor(x / cell)), y0 = int(std::floor(y / cell));
  float fx = x / cell - x0, fy = y / cell - y0;
  int period = 256 / cell;
  auto n = [&](int i, int j) { return noise(((i % period) + period) % period, ((j % period) + period) % period, seed); };
  float sx = fx * fx * (3 - 2 * fx), sy = fy * fy * (3 - 2 * fy);
  float a = n(x0, y0) + (n(x0 + 1, y0) - n(x0, y0)) * sx;
  float b = n(x0, y0 + 1) + (n(x0 + 1, y0 + 1) - n(x0, y0 + 1)) * sx;
  return a + (b - a) * sy;
}

// Weathered sandstone bricks, 4 across and 8 high, every other row offset.
void draw_bricks(Image& img) {
  const int brick_w = 64, brick_h = 32, mortar = 3;
  for (int y = 0; y < BrickSide; ++y)
    for (int x = 0; x < BrickSide; ++x) {
      int row = y / brick_h;
      int bx = (x + (row % 2) * brick_w / 2) % BrickSide;
      int col = bx / brick_w;
      int lx = bx % brick_w, ly = y % brick_h;
      bool in_mortar = lx < mortar || ly < mortar;
      float grain = 0.55f * smooth_noise(float(x), float(y), 8, 1) + 0.3f * smooth_noise(float(x), float(y), 2, 2) +
                    0.15f * noise(x, y, 3);
      if (in_mortar) {
        int v = int(120 + 30 * grain);
        img.at(x, y) = rgb(v, v - 6, v - 16);
        continue;
      }
      float tint = noise(col, row, 7);  // each brick its own shade
      float edge = (lx < mortar + 2 || ly < mortar + 2) ? 0.82f
                   : (lx > brick_w - 3 || ly > brick_h - 3) ? 0.9f : 1.0f;
      float base = (0.78f + 0.22f * tint) * (0.8f + 0.3f * grain) * edge;
      img.at(x, y) = rgb(int(196 * base), int(150 * base), int(108 * base));
    }
}

}  // namespace

Rgba swatch_colour(Swatch s) { return SwatchColours[s]; }

void swatch_rect(Swatch s, int& x, int& y) {
  // Right half: 4 columns x 8 rows; then the bottom-left quarter.
  int i = int(s);
  if (i < 32) {
    x = BrickSide + (i % 4) * SwatchSide;
    y = (i / 4) * SwatchSide;
  } else {
    i -= 32;
    x = (i % 4) * SwatchSide;
    y = BrickSide + (i / 4) * SwatchSide;
  }
}

void swatch_uv(Swatch s, float& u, float& v) {
  int x = 0, y = 0;
  swatch_rect(s, x, y);
  u = (x + SwatchSide * 0.5f) / AtlasSide;
  v = 1.0f - (y + SwatchSide * 0.5f) / AtlasSide;
}

Image make_block_atlas() {
  Image img(AtlasSide, AtlasSide, rgb(128, 128, 128));
  draw_bricks(img);
  // The unused bottom-left quarter repeats the bricks, darker.
  for (int y = 0; y < BrickSide; ++y)
    for (int x = 0; x < BrickSide; ++x) img.at(x, BrickSide + y) = mix(img.at(x, y), rgb(60, 50, 45), 0.4f);
  for (int s = 0; s < SwatchCount; ++s) {
    int x = 0, y = 0;
    swatch_rect(Swatch(s), x, y);
    img.fill_rect(x, y, SwatchSide, SwatchSide, SwatchColours[s]);
  }
  return img;
}

}  // namespace assets
