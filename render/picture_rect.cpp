#include "render/picture_rect.h"

#include <algorithm>

PictureRect fit_picture(int32_t framebuffer_width, int32_t framebuffer_height) {
    // 64-bit products: a framebuffer side times 4 must not overflow.
    const int64_t w = std::max(framebuffer_width, 0);
    const int64_t h = std::max(framebuffer_height, 0);
    PictureRect rect;
    if (w * kPictureHeight <= h * kPictureWidth) {
        rect.width = int32_t(w);  // taller than 4:3: bars above and below
        rect.height = int32_t(w * kPictureHeight / kPictureWidth);
    } else {
        rect.height = int32_t(h);  // wider: bars left and right
        rect.width = int32_t(h * kPictureWidth / kPictureHeight);
    }
    rect.x = int32_t((w - rect.width) / 2);
    rect.y = int32_t((h - rect.height) / 2);
    return rect;
}
