#include "tools/assets/image.h"

#include <algorithm>
#include <cmath>

#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb/stb_image_write.h>

namespace assets {

Rgba rgb(int r, int g, int b, int a) {
  auto c = [](int v) { return uint8_t(std::clamp(v, 0, 255)); };
  return Rgba{c(r), c(g), c(b), c(a)};
}

Rgba mix(Rgba x, Rgba y, float t) {
  auto m = [t](uint8_t p, uint8_t q) { return int(std::lround(p + (q - p) * t)); };
  return rgb(m(x.r, y.r), m(x.g, y.g), m(x.b, y.b), m(x.a, y.a));
}

Image::Image(int w, int h, Rgba fill) : width(w), height(h), pixels(size_t(w) * h, fill) {}

void Image::fill_rect(int x0, int y0, int w, int h, Rgba c) {
  for (int y = std::max(0, y0); y < std::min(height, y0 + h); ++y)
    for (int x = std::max(0, x0); x < std::min(width, x0 + w); ++x) at(x, y) = c;
}

void Image::blend(int x, int y, Rgba c, float a) {
  if (x < 0 || y < 0 || x >= width || y >= height || a <= 0.0f) return;
  Rgba& p = at(x, y);
  uint8_t keep = p.a;
  p = mix(p, c, std::min(a, 1.0f));
  p.a = keep;
}

void Image::blend_rect(int x0, int y0, int w, int h, Rgba c, float a) {
  for (int y = y0; y < y0 + h; ++y)
    for (int x = x0; x < x0 + w; ++x) blend(x, y, c, a);
}

void Image::blend_disc(float cx, float cy, float radius, Rgba c, float a) {
  for (int y = int(cy - radius) - 1; y <= int(cy + radius) + 1; ++y)
    for (int x = int(cx - radius) - 1; x <= int(cx + radius) + 1; ++x) {
      float d = std::hypot(x + 0.5f - cx, y + 0.5f - cy);
      float cover = std::clamp(radius - d + 0.5f, 0.0f, 1.0f);
      blend(x, y, c, cover * a);
    }
}

Image half_size(const Image& src) {
  Image out(std::max(1, src.width / 2), std::max(1, src.height / 2));
  for (int y = 0; y < out.height; ++y)
    for (int x = 0; x < out.width; ++x) {
      int sum[4] = {0, 0, 0, 0};
      for (int dy = 0; dy < 2; ++dy)
        for (int dx = 0; dx < 2; ++dx) {
          Rgba p = src.at(std::min(src.width - 1, 2 * x + dx), std::min(src.height - 1, 2 * y + dy));
          sum[0] += p.r; sum[1] += p.g; sum[2] += p.b; sum[3] += p.a;
        }
      out.at(x, y) = rgb((sum[0] + 2) / 4, (sum[1] + 2) / 4, (sum[2] + 2) / 4, (sum[3] + 2) / 4);
    }
  return out;
}

Image resized(const Image& src, int w, int h) {
  Image out(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) out.at(x, y) = src.at(x * src.width / w, y * src.height / h);
  return out;
}

void paste(Image& dst, const Image& src, int x0, int y0) {
  for (int y = 0; y < src.height; ++y)
    for (int x = 0; x < src.width; ++x)
      if (x0 + x >= 0 && y0 + y >= 0 && x0 + x < dst.width && y0 + y < dst.height)
        dst.at(x0 + x, y0 + y) = src.at(x, y);
}

bool write_png(const std::string& path, const Image& image) {
  return stbi_write_png(path.c_str(), image.width, image.height, 4, image.pixels.data(),
                        image.width * 4) != 0;
}

}  // namespace assets
