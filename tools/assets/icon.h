// The desktop icon: the title screen's ant standing on the city wall at
// dusk, on a rounded square, painted large and halved down to each size.
#pragma once

#include <vector>

#include "tools/assets/image.h"

namespace assets {

struct IconImage {
  int size;  // width and height in pixels
  Image image;
};

// The sizes 256, 128, 64 and 32, largest first.
std::vector<IconImage> make_icons();

}  // namespace assets
