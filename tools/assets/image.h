// RGBA images in memory and the few drawing operations the generators need.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace assets {

struct Rgba {
  uint8_t r = 0, g = 0, b = 0, a = 255;
};

Rgba rgb(int r, int g, int b, int a = 255);
Rgba mix(Rgba x, Rgba y, float t);

// Row 0 is the top of the picture and the first row written to files.
struct Image {
  int width = 0;
  int height = 0;
  std::vector<Rgba> pixels;

  Image() = default;
  Image(int w, int h, Rgba fill = Rgba{});
  Rgba& at(int x, int y) { return pixels[size_t(y) * width + x]; }
  Rgba at(int x, int y) const { return pixels[size_t(y) * width + x]; }
  void fill_rect(int x0, int y0, int w, int h, Rgba c);
  // Blends c over the pixel with coverage a (0..1), keeping the pixel's alpha.
  void blend(int x, int y, Rgba c, float a);
  void blend_rect(int x0, int y0, int w, int h, Rgba c, float a);
  void blend_disc(float cx, float cy, float radius, Rgba c, float a);
};

// Halves an image (box filter), at least 1 x 1; odd sides clamp the last row/column.
Image half_size(const Image& src);
// Scales by nearest sampling; used for contact sheets only.
Image resized(const Image& src, int w, int h);
void paste(Image& dst, const Image& src, int x, int y);

bool write_png(const std::string& path, const Image& image);

}  // namespace assets
