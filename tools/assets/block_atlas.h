// The one texture bound while the scene is drawn: a brick region that the cube
// maps onto, and flat colour swatches that the character meshes point at.
#pragma once

#include "tools/assets/image.h"

namespace assets {

constexpr int AtlasSide = 512;
constexpr int SwatchSide = 64;
constexpr int BrickSide = 256;  // the brick region is the top-left 256 x 256

enum Swatch {
  SwatchSkin, SwatchSkinShade, SwatchLips, SwatchEye,
  SwatchGirlHair, SwatchGirlDress, SwatchGirlTrim, SwatchBoyHair,
  SwatchBoyShirt, SwatchBoyCollar, SwatchTrousers, SwatchShoes,
  SwatchAntBlack, SwatchAntShine, SwatchAntRed, SwatchAntEye,
  SwatchGrenadeGreen, SwatchGrenadeDark, SwatchMetal, SwatchWhite,
  SwatchCount
};

Rgba swatch_colour(Swatch s);
// Pixel rectangle of a swatch: 64 x 64 cells outside the brick region.
void swatch_rect(Swatch s, int& x, int& y);
// OBJ texture coordinates of the swatch centre (the loader negates v, and
// repeat wrapping maps 1 - t back to the row at fraction t from the top).
void swatch_uv(Swatch s, float& u, float& v);
// OBJ coordinates of the brick region corners, inset by half a texel.
constexpr float BrickUvMin = 0.5f / AtlasSide;
constexpr float BrickUvMax = (BrickSide - 0.5f) / AtlasSide;

Image make_block_atlas();

}  // namespace assets
