#include "render/frame_picture.h"

#include <GL/glew.h>

namespace {
void clear_colour_and_depth(float r, float g, float b, float a) {
    glClearColor(r, g, b, a);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}
}  // namespace

PictureRect begin_frame_picture(int32_t framebuffer_width, int32_t framebuffer_height) {
    const PictureRect picture = fit_picture(framebuffer_width, framebuffer_height);
    const bool bars = picture.width != framebuffer_width || picture.height != framebuffer_height;
    if (bars) {
        glDisable(GL_SCISSOR_TEST);
        clear_colour_and_depth(0.0f, 0.0f, 0.0f, 0.0f);
        glEnable(GL_SCISSOR_TEST);
        glScissor(picture.x, picture.y, picture.width, picture.height);
    }
    clear_colour_and_depth(kClearRed, kClearGreen, kClearBlue, kClearAlpha);
    // Later passes draw inside the viewport anyway; a scissor left on would
    // also cut the shadow map's own framebuffer.
    glDisable(GL_SCISSOR_TEST);
    glViewport(picture.x, picture.y, picture.width, picture.height);
    return picture;
}
