#include "render/frame_picture.h"

#include <GL/glew.h>

namespace {
PictureRect current_picture;

void clear_colour_and_depth(float r, float g, float b, float a) {
    glClearColor(r, g, b, a);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}
}  // namespace

void begin_frame_picture(int32_t framebuffer_width, int32_t framebuffer_height) {
    current_picture = fit_picture(framebuffer_width, framebuffer_height);
    const bool bars = current_picture.width != framebuffer_width ||
                      current_picture.height != framebuffer_height;
    if (bars) {
        glDisable(GL_SCISSOR_TEST);
        clear_colour_and_depth(0.0f, 0.0f, 0.0f, 0.0f);
        glEnable(GL_SCISSOR_TEST);
        glScissor(current_picture.x, current_picture.y, current_picture.width,
                  current_picture.height);
    }
    clear_colour_and_depth(kClearRed, kClearGreen, kClearBlue, kClearAlpha);
    // Later passes draw inside the viewport anyway; a scissor left on would
    // also cut the shadow map's own framebuffer.
    glDisable(GL_SCISSOR_TEST);
    use_picture_viewport();
}

const PictureRect& frame_picture() { return current_picture; }

void use_picture_viewport() {
    glViewport(current_picture.x, current_picture.y, current_picture.width, current_picture.height);
}
