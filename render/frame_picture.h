#pragma once
// Where the current frame is drawn. The main loop starts every frame from
// the framebuffer size; every pass that sets a viewport (scene, shadow pass
// restore, text, screen images) takes the picture rectangle from here, so
// the whole frame lands in the same centred 4:3 rectangle.
#include <cstdint>

#include "render/picture_rect.h"

// The colour behind the scene, cleared into the picture every frame.
constexpr float kClearRed = 0.75f, kClearGreen = 0.75f, kClearBlue = 0.75f, kClearAlpha = 0.0f;

// Fits the picture to the framebuffer, clears the bars black and the picture
// with the clear colour (depth too), and sets the viewport to the picture.
void begin_frame_picture(int32_t framebuffer_width, int32_t framebuffer_height);

// The picture of the frame being drawn; 1024 x 768 at the origin until the
// first frame begins.
const PictureRect& frame_picture();

// Sets the viewport to the frame's picture.
void use_picture_viewport();
