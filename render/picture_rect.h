#pragma once
// The game's picture keeps its 4:3 shape on any framebuffer: it is drawn
// into the largest centred 4:3 rectangle and the rest is cleared black. The
// base size is the picture the text, HUD and screen images are laid out
// for, and the size of the window the game opens.
#include <cstdint>

constexpr int32_t kPictureWidth = 1024;
constexpr int32_t kPictureHeight = 768;

// A rectangle of framebuffer pixels, origin at the bottom left as OpenGL
// counts them.
struct PictureRect {
    int32_t x = 0, y = 0;
    int32_t width = kPictureWidth, height = kPictureHeight;

    bool operator==(const PictureRect& o) const {
        return x == o.x && y == o.y && width == o.width && height == o.height;
    }
};

// The largest centred 4:3 rectangle of a framebuffer; never negative, and
// empty (zero wide or high) for a framebuffer too small to hold a pixel of it.
PictureRect fit_picture(int32_t framebuffer_width, int32_t framebuffer_height);
