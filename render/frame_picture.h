#pragma once
// Where the current frame is drawn. The main loop starts every frame from
// the framebuffer size: the viewport it sets stays the picture's for the
// whole frame (the shadow pass puts it back after its own), so the scene,
// the text and the screen images land in the same centred 4:3 rectangle.
#include <cstdint>

#include "render/picture_rect.h"

// The colour behind the scene, cleared into the picture every frame.
constexpr float kClearRed = 0.75f, kClearGreen = 0.75f, kClearBlue = 0.75f, kClearAlpha = 0.0f;

// Fits the picture to the framebuffer, clears the bars black and the picture
// with the clear colour (depth too), and sets the viewport to the picture,
// which it returns.
PictureRect begin_frame_picture(int32_t framebuffer_width, int32_t framebuffer_height);
