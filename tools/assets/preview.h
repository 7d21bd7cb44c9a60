// Pictures for people: a small software rasteriser for the model groups and
// a contact sheet of every texture and model, with captions.
#pragma once

#include <string>
#include <vector>

#include "tools/assets/image.h"
#include "tools/assets/mesh.h"
#include "tools/assets/text.h"

namespace assets {

struct PlacedPart {
  const Mesh* mesh;
  float angle;  // turn about the vertical axis through the origin, radians
};

// Draws the parts into a square image seen from yaw (0 = from the front),
// slightly from above, textured from the atlas and lit from the upper left.
// Back faces are culled by winding, as the game does.
Image render_parts(const std::vector<PlacedPart>& parts, const Image& atlas, float yaw, int size);

struct SheetItem {
  std::string caption;
  Image image;
};

// Lays the items out in rows of the given cell width, captions underneath.
Image contact_sheet(const std::vector<SheetItem>& items, const Typeface& face, int columns, int cell_width,
                    const std::string& title);

// Shows alpha by compositing over a checkerboard.
Image over_checker(const Image& img);

}  // namespace assets
