// The bitmap font: 16 x 16 glyph cells indexed by byte value, row 0 at the top.
#pragma once

#include "tools/assets/image.h"
#include "tools/assets/text.h"

namespace assets {

constexpr int FontCell = 64;                 // pixels per glyph cell
constexpr int FontSide = 16 * FontCell;      // 1024 x 1024 texture
constexpr int FontFirstPrintable = 33;       // the space stays empty
constexpr int FontLastPrintable = 126;

// White glyphs whose colour is premultiplied by coverage (rgb = alpha), so
// additive blending adds nothing outside the strokes.
Image make_font_atlas(const Typeface& mono);

}  // namespace assets
