// Rasterises words from a TrueType file into images (screen titles, the
// bitmap font) with stb_truetype.
#pragma once

#include <string>
#include <vector>

#include "tools/assets/image.h"

namespace assets {

constexpr const char* BoldFontPath = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf";
constexpr const char* SerifFontPath = "/usr/share/fonts/truetype/dejavu/DejaVuSerif-Bold.ttf";

struct Typeface {
  std::vector<unsigned char> file;
  std::vector<unsigned char> info;  // stbtt_fontinfo, kept opaque here
  bool loaded = false;

  bool load(const std::string& path);
  // Width in pixels of the text at the given pixel height.
  float measure(const std::string& text, float pixel_height) const;
  // Coverage (0..1) of one character in a w x h cell, baseline at baseline_y;
  // width_stretch widens the glyph relative to its height.
  std::vector<float> glyph_coverage(int code, float pixel_height, float width_stretch, int w, int h,
                                    float origin_x, float baseline_y) const;
  float advance(int code, float pixel_height) const;
};

enum TextAlign { AlignLeft = 0, AlignCentre = 1 };

struct TextStyle {
  float pixel_height = 32.0f;
  Rgba colour = {255, 255, 255, 255};
  float shadow = 0.0f;  // offset of a dark drop shadow, pixels; 0 for none
  Rgba shadow_colour = {0, 0, 0, 255};
  float outline = 0.0f;  // thickness of a dark outline, pixels
};

// Draws text with its top-left (or top-centre) at (x, y); returns the width drawn.
float draw_text(Image& image, const Typeface& face, const std::string& text, float x, float y,
                const TextStyle& style, TextAlign align = AlignLeft);

}  // namespace assets
