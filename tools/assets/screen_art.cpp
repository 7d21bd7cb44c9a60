#include "tools/assets/screen_art.h"

#include <algorithm>
#include <cmath>
#include <sstream>
#include <vector>

namespace assets {

float text_x_to_pixel(float x) { return x * ScreenWidth / 800.0f; }
float text_y_to_pixel(float y) { return (y + 24.0f) * ScreenHeight / 612.0f; }
float text_size_to_pixels(float size) { return size * ScreenHeight / 612.0f; }

namespace {

float hash01(unsigned a, unsigned b) {
  unsigned h = a * 2654435761u ^ (b + 0x9e3779b9u) * 40503u;
  h = (h ^ (h >> 15)) * 2246822519u;
  return float((h ^ (h >> 13)) & 0xffff) / 65535.0f;
}

}  // namespace

void fill_quad(Image& img, float x0, float y0, float x1, float y1, float x2, float y2, float x3, float y3, Rgba c) {
  float xs[4] = {x0, x1, x2, x3}, ys[4] = {y0, y1, y2, y3};
  int top = int(std::floor(*std::min_element(ys, ys + 4))), bottom = int(std::ceil(*std::max_element(ys, ys + 4)));
  for (int y = top; y <= bottom; ++y) {
    float py = y + 0.5f;
    float lo = 1e9f, hi = -1e9f;
    for (int e = 0; e < 4; ++e) {
      float ax = xs[e], ay = ys[e], bx = xs[(e + 1) % 4], by = ys[(e + 1) % 4];
      if ((py < ay) == (py < by)) continue;
      float x = ax + (py - ay) / (by - ay) * (bx - ax);
      lo = std::min(lo, x);
      hi = std::max(hi, x);
    }
    if (lo > hi) continue;
    for (int x = int(std::floor(lo)); x <= int(std::ceil(hi)); ++x) {
      float cover = std::clamp(std::min(x + 1.0f - lo, hi - x), 0.0f, 1.0f);
      img.blend(x, y, c, cover);
    }
  }
}

// Sky from violet to orange, a low sun, and the city wall of stacked blocks
// with towers, dark against the sky.
void paint_dusk_city(Image& img, unsigned seed) {
  for (int y = 0; y < img.height; ++y) {
    float t = float(y) / img.height;
    Rgba top = rgb(28, 22, 60), mid = rgb(150, 60, 90), low = rgb(250, 150, 70);
    Rgba c = t < 0.55f ? mix(top, mid, t / 0.55f) : mix(mid, low, std::min(1.0f, (t - 0.55f) / 0.25f));
    for (int x = 0; x < img.width; ++x) img.at(x, y) = c;
  }
  for (int i = 0; i < 140; ++i) {
    float x = hash01(seed, i) * img.width, y = hash01(seed + 1, i) * img.height * 0.45f;
    img.blend_disc(x, y, 0.6f + hash01(seed + 2, i) * 1.1f, rgb(255, 250, 230), 0.5f + 0.5f * hash01(seed + 3, i));
  }
  img.blend_disc(img.width * 0.72f, img.height * 0.66f, 90, rgb(255, 200, 120), 0.35f);
  img.blend_disc(img.width * 0.72f, img.height * 0.66f, 62, rgb(255, 226, 150), 1.0f);
  const int block = 40;
  const int wall_top = int(img.height * 0.64f);
  Rgba far = rgb(70, 40, 70), near = rgb(36, 22, 40);
  // Far towers.
  for (int i = 0; i < 9; ++i) {
    int w = block * (1 + int(hash01(seed + 5, i) * 2)), hgt = block * (2 + int(hash01(seed + 6, i) * 4));
    int x = int(hash01(seed + 7, i) * img.width);
    img.fill_rect(x, wall_top - hgt, w, hgt + 40, far);
    for (int c = 0; c < w; c += block / 2)
      if ((c / (block / 2)) % 2 == 0) img.fill_rect(x + c, wall_top - hgt - block / 2, block / 2, block / 2, far);
  }
  // The near wall with crenellations and the outlines of its blocks.
  img.fill_rect(0, wall_top, img.width, img.height - wall_top, near);
  for (int x = 0; x < img.width; x += block)
    if ((x / block) % 2 == 0) img.fill_rect(x, wall_top - block / 2, block, block / 2, near);
  for (int y = wall_top; y < img.height; y += block / 2)
    for (int x = ((y - wall_top) / (block / 2)) % 2 * block / 2; x < img.width; x += block)
      img.blend_rect(x, y, 2, block / 2, rgb(90, 60, 70), 0.6f);
  for (int y = wall_top; y < img.height; y += block / 2) img.blend_rect(0, y, img.width, 2, rgb(90, 60, 70), 0.6f);
  // The gate.
  int gx = img.width / 2 - 70;
  img.fill_rect(gx, wall_top + 40, 140, img.height - wall_top - 40, rgb(14, 8, 14));
  img.blend_disc(gx + 70.0f, wall_top + 50.0f, 70, rgb(14, 8, 14), 1.0f);
}

// A side view of an ant: three body segments, six bent legs, feelers.
void paint_ant(Image& img, float cx, float cy, float s, bool facing_right) {
  float d = facing_right ? 1.0f : -1.0f;
  Rgba black = rgb(20, 16, 18), red = rgb(170, 28, 20);
  for (int i = 0; i < 3; ++i) {
    float lx = cx + d * (-8 + 10 * i) * s;
    fill_quad(img, lx, cy, lx + d * 2 * s, cy, lx + d * (-6 + 4 * i) * s, cy + 13 * s, lx + d * (-8 + 4 * i) * s,
              cy + 13 * s, black);
    fill_quad(img, lx, cy, lx + d * 2 * s, cy, lx + d * (6 - 2 * i) * s, cy - 6 * s, lx + d * (4 - 2 * i) * s,
              cy - 6 * s, black);
  }
  img.blend_disc(cx - d * 20 * s, cy - 2 * s, 11 * s, red, 1.0f);
  img.blend_disc(cx - d * 20 * s, cy - 2 * s, 11 * s - 2, red, 1.0f);
  img.blend_disc(cx, cy - 3 * s, 7 * s, black, 1.0f);
  img.blend_disc(cx + d * 14 * s, cy - 5 * s, 7.5f * s, black, 1.0f);
  img.blend_disc(cx + d * 17 * s, cy - 7 * s, 2 * s, rgb(255, 70, 40), 1.0f);
  fill_quad(img, cx + d * 16 * s, cy - 11 * s, cx + d * 18 * s, cy - 12 * s, cx + d * 27 * s, cy - 22 * s,
            cx + d * 26 * s, cy - 23 * s, black);
}

void paint_person(Image& img, float cx, float feet, float s, Rgba top, Rgba hair, bool dress) {
  Rgba skin = rgb(236, 188, 150), legs = rgb(48, 56, 84), shoes = rgb(92, 52, 28);
  img.fill_rect(int(cx - 9 * s), int(feet - 40 * s), int(7 * s), int(38 * s), legs);
  img.fill_rect(int(cx + 2 * s), int(feet - 40 * s), int(7 * s), int(38 * s), legs);
  img.fill_rect(int(cx - 11 * s), int(feet - 4 * s), int(10 * s), int(4 * s), shoes);
  img.fill_rect(int(cx + 1 * s), int(feet - 4 * s), int(10 * s), int(4 * s), shoes);
  if (hair.r > 100 && dress) img.blend_rect(int(cx - 15 * s), int(feet - 104 * s), int(30 * s), int(36 * s), hair, 1.0f);
  img.fill_rect(int(cx - 20 * s), int(feet - 75 * s), int(6 * s), int(34 * s), skin);
  img.fill_rect(int(cx + 14 * s), int(feet - 75 * s), int(6 * s), int(34 * s), skin);
  if (dress) {
    fill_quad(img, cx - 12 * s, feet - 80 * s, cx + 12 * s, feet - 80 * s, cx + 22 * s, feet - 28 * s,
              cx - 22 * s, feet - 28 * s, top);
  } else {
    img.fill_rect(int(cx - 13 * s), int(feet - 80 * s), int(26 * s), int(42 * s), top);
    img.fill_rect(int(cx - 11 * s), int(feet - 42 * s), int(22 * s), int(4 * s), shoes);
  }
  img.fill_rect(int(cx - 20 * s), int(feet - 80 * s), int(40 * s), int(10 * s), top);
  img.blend_disc(cx, feet - 96 * s, 13 * s, skin, 1.0f);
  img.blend_disc(cx, feet - 101 * s, 13.5f * s, hair, 1.0f);
  img.blend_disc(cx, feet - 94 * s, 11 * s, skin, 1.0f);
  img.blend_disc(cx - 4.5f * s, feet - 96 * s, 1.8f * s, rgb(40, 30, 30), 1.0f);
  img.blend_disc(cx + 4.5f * s, feet - 96 * s, 1.8f * s, rgb(40, 30, 30), 1.0f);
  img.blend_rect(int(cx - 3 * s), int(feet - 89 * s), int(6 * s), std::max(1, int(1.5f * s)), rgb(196, 70, 80), 1.0f);
}

void paint_girl(Image& img, float cx, float feet, float s) {
  paint_person(img, cx, feet, s, rgb(214, 52, 128), rgb(150, 62, 26), true);
}

void paint_boy(Image& img, float cx, float feet, float s) {
  paint_person(img, cx, feet, s, rgb(40, 110, 200), rgb(58, 40, 26), false);
}

void paint_panel(Image& img, int x, int y, int w, int h, Rgba fill, Rgba border, float opacity) {
  img.blend_rect(x, y, w, h, fill, opacity);
  img.blend_rect(x, y, w, 3, border, 1.0f);
  img.blend_rect(x, y + h - 3, w, 3, border, 1.0f);
  img.blend_rect(x, y, 3, h, border, 1.0f);
  img.blend_rect(x + w - 3, y, 3, h, border, 1.0f);
}

float draw_paragraph(Image& img, const Typeface& face, const std::string& text, float x, float y, float width,
                     const TextStyle& style, float line_gap) {
  std::istringstream words(text);
  std::string word, line;
  auto flush = [&]() {
    if (line.empty()) return;
    draw_text(img, face, line, x, y, style);
    y += style.pixel_height + line_gap;
    line.clear();
  };
  while (words >> word) {
    std::string candidate = line.empty() ? word : line + " " + word;
    if (face.measure(candidate, style.pixel_height) > width && !line.empty()) {
      flush();
      line = word;
    } else {
      line = candidate;
    }
  }
  flush();
  return y;
}

}  // namespace assets
