#include "tools/assets/text.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <iterator>

#define STB_TRUETYPE_IMPLEMENTATION
#include <stb/stb_truetype.h>

namespace assets {

namespace {

const stbtt_fontinfo* as_info(const Typeface& face) {
  return reinterpret_cast<const stbtt_fontinfo*>(face.info.data());
}

// One pass of glyphs in one colour, optionally shifted.
void draw_pass(Image& image, const Typeface& face, const std::string& text, float x, float y,
               float px, Rgba colour, float dx, float dy) {
  const stbtt_fontinfo* info = as_info(face);
  float scale = stbtt_ScaleForPixelHeight(info, px);
  int ascent = 0, descent = 0, gap = 0;
  stbtt_GetFontVMetrics(info, &ascent, &descent, &gap);
  float baseline = y + ascent * scale + dy;
  float pen = x + dx;
  for (size_t i = 0; i < text.size(); ++i) {
    int code = static_cast<unsigned char>(text[i]);
    int advance = 0, lsb = 0;
    stbtt_GetCodepointHMetrics(info, code, &advance, &lsb);
    float shift_x = pen - std::floor(pen);
    int x0 = 0, y0 = 0, x1 = 0, y1 = 0;
    stbtt_GetCodepointBitmapBoxSubpixel(info, code, scale, scale, shift_x, 0, &x0, &y0, &x1, &y1);
    int w = x1 - x0, h = y1 - y0;
    if (w > 0 && h > 0) {
      std::vector<unsigned char> bmp(size_t(w) * h);
      stbtt_MakeCodepointBitmapSubpixel(info, bmp.data(), w, h, w, scale, scale, shift_x, 0, code);
      int ox = int(std::floor(pen)) + x0, oy = int(std::lround(baseline)) + y0;
      for (int yy = 0; yy < h; ++yy)
        for (int xx = 0; xx < w; ++xx)
          image.blend(ox + xx, oy + yy, colour, bmp[size_t(yy) * w + xx] / 255.0f);
    }
    pen += advance * scale;
    if (i + 1 < text.size())
      pen += scale * stbtt_GetCodepointKernAdvance(info, code, static_cast<unsigned char>(text[i + 1]));
  }
}

}  // namespace

bool Typeface::load(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  file.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  info.assign(sizeof(stbtt_fontinfo), 0);
  auto* fi = reinterpret_cast<stbtt_fontinfo*>(info.data());
  loaded = stbtt_InitFont(fi, file.data(), stbtt_GetFontOffsetForIndex(file.data(), 0)) != 0;
  return loaded;
}

float Typeface::measure(const std::string& text, float pixel_height) const {
  const stbtt_fontinfo* fi = as_info(*this);
  float scale = stbtt_ScaleForPixelHeight(fi, pixel_height);
  float width = 0.0f;
  for (size_t i = 0; i < text.size(); ++i) {
    int code = static_cast<unsigned char>(text[i]);
    int advance = 0, lsb = 0;
    stbtt_GetCodepointHMetrics(fi, code, &advance, &lsb);
    width += advance * scale;
    if (i + 1 < text.size())
      width += scale * stbtt_GetCodepointKernAdvance(fi, code, static_cast<unsigned char>(text[i + 1]));
  }
  return width;
}

float Typeface::advance(int code, float pixel_height) const {
  const stbtt_fontinfo* fi = as_info(*this);
  int adv = 0, lsb = 0;
  stbtt_GetCodepointHMetrics(fi, code, &adv, &lsb);
  return adv * stbtt_ScaleForPixelHeight(fi, pixel_height);
}

std::vector<float> Typeface::glyph_coverage(int code, float pixel_height, float width_stretch, int w,
                                            int h, float origin_x, float baseline_y) const {
  std::vector<float> cover(size_t(w) * h, 0.0f);
  const stbtt_fontinfo* fi = as_info(*this);
  float scale = stbtt_ScaleForPixelHeight(fi, pixel_height);
  float scale_x = scale * width_stretch;
  int x0 = 0, y0 = 0, x1 = 0, y1 = 0;
  stbtt_GetCodepointBitmapBox(fi, code, scale_x, scale, &x0, &y0, &x1, &y1);
  int gw = x1 - x0, gh = y1 - y0;
  if (gw <= 0 || gh <= 0) return cover;
  std::vector<unsigned char> bmp(size_t(gw) * gh);
  stbtt_MakeCodepointBitmap(fi, bmp.data(), gw, gh, gw, scale_x, scale, code);
  int ox = int(std::lround(origin_x)) + x0, oy = int(std::lround(baseline_y)) + y0;
  for (int y = 0; y < gh; ++y)
    for (int x = 0; x < gw; ++x) {
      int tx = ox + x, ty = oy + y;
      if (tx >= 0 && ty >= 0 && tx < w && ty < h) cover[size_t(ty) * w + tx] = bmp[size_t(y) * gw + x] / 255.0f;
    }
  return cover;
}

float draw_text(Image& image, const Typeface& face, const std::string& text, float x, float y,
                const TextStyle& style, TextAlign align) {
  float width = face.measure(text, style.pixel_height);
  if (align == AlignCentre) x -= width * 0.5f;
  if (style.outline > 0.0f) {
    const int steps = 16;
    for (int i = 0; i < steps; ++i) {
      float a = 6.2831853f * i / steps;
      draw_pass(image, face, text, x, y, style.pixel_height, style.shadow_colour,
                style.outline * std::cos(a), style.outline * std::sin(a));
    }
  }
  if (style.shadow > 0.0f)
    draw_pass(image, face, text, x, y, style.pixel_height, style.shadow_colour, style.shadow, style.shadow);
  draw_pass(image, face, text, x, y, style.pixel_height, style.colour, 0.0f, 0.0f);
  return width;
}

}  // namespace assets
