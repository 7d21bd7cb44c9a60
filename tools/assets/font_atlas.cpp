#include "tools/assets/font_atlas.h"

#include <algorithm>
#include <cmath>

namespace assets {

namespace {

constexpr float GlyphPixelHeight = 64.0f;  // cap height about 40 px
constexpr float GlyphStretch = 1.55f;      // widen the monospaced face to fill its cell
constexpr float Baseline = 50.0f;
constexpr int Margin = 2;                  // empty border so filtering never bleeds

// Thickens strokes by about one pixel so letters stay legible when the HUD
// shows the scene through them.
std::vector<float> embolden(const std::vector<float>& in, int w, int h) {
  std::vector<float> out(in.size());
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      float best = in[size_t(y) * w + x];
      for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) {
          int sx = x + dx, sy = y + dy;
          if (sx < 0 || sy < 0 || sx >= w || sy >= h) continue;
          float weight = (dx != 0 && dy != 0) ? 0.6f : 0.9f;
          best = std::max(best, in[size_t(sy) * w + sx] * weight);
        }
      out[size_t(y) * w + x] = best;
    }
  return out;
}

}  // namespace

Image make_font_atlas(const Typeface& mono) {
  Image atlas(FontSide, FontSide, rgb(0, 0, 0, 0));
  const int inner = FontCell - 2 * Margin;
  for (int code = FontFirstPrintable; code <= FontLastPrintable; ++code) {
    float advance = mono.advance(code, GlyphPixelHeight) * GlyphStretch;
    float origin = (inner - advance) * 0.5f;
    std::vector<float> cover = embolden(
        mono.glyph_coverage(code, GlyphPixelHeight, GlyphStretch, inner, inner, origin, Baseline - Margin),
        inner, inner);
    int cx = (code % 16) * FontCell + Margin, cy = (code / 16) * FontCell + Margin;
    for (int y = 0; y < inner; ++y)
      for (int x = 0; x < inner; ++x) {
        int v = int(std::lround(std::clamp(cover[size_t(y) * inner + x], 0.0f, 1.0f) * 255.0f));
        atlas.at(cx + x, cy + y) = rgb(v, v, v, v);
      }
  }
  return atlas;
}

}  // namespace assets
