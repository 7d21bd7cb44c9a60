// Painting helpers for the full-screen images: the walled city at dusk, ant
// and character figures, panels and wrapped text.
#pragma once

#include <string>

#include "tools/assets/image.h"
#include "tools/assets/text.h"

namespace assets {

constexpr int ScreenWidth = 1024;  // images are made at the window's own size
constexpr int ScreenHeight = 768;

// Window pixel of a text-space position of the game's text overlay (800 x 612
// units over the window, y measured from the top of the 588-unit space).
float text_x_to_pixel(float x);
float text_y_to_pixel(float y);
float text_size_to_pixels(float size);

void paint_dusk_city(Image& img, unsigned seed);
void paint_ant(Image& img, float cx, float cy, float scale, bool facing_right);
void paint_girl(Image& img, float cx, float feet_y, float scale);
void paint_boy(Image& img, float cx, float feet_y, float scale);
void paint_panel(Image& img, int x, int y, int w, int h, Rgba fill, Rgba border, float opacity);
void fill_quad(Image& img, float x0, float y0, float x1, float y1, float x2, float y2, float x3, float y3, Rgba c);
// Wraps text to width and draws it line by line; returns the y below the last line.
float draw_paragraph(Image& img, const Typeface& face, const std::string& text, float x, float y, float width,
                     const TextStyle& style, float line_gap);

}  // namespace assets
