#include "app/platform.h"

#include <GLFW/glfw3.h>

#include <algorithm>

GLFWwindow* game_window = nullptr;

namespace {
ScriptedPlatform* scripted_platform = nullptr;

bool valid_key(int key) { return key >= kFirstRealKey && key <= kKeyScanLast; }
}  // namespace

void ScriptedPlatform::press(int key) {
    if (!valid_key(key)) return;
    held[key] = true;
    latched[key] = true;
}

void ScriptedPlatform::release(int key) {
    if (valid_key(key)) held[key] = false;
}

void ScriptedPlatform::tap(int key) {
    if (valid_key(key)) latched[key] = true;
}

void use_scripted_platform(ScriptedPlatform* scripted) { scripted_platform = scripted; }

double platform_time() {
    if (scripted_platform) return scripted_platform->now;
    return glfwGetTime();
}

bool key_pressed(int key) {
    if (scripted_platform) {
        if (!valid_key(key)) return false;
        bool down = scripted_platform->held[key] || scripted_platform->latched[key];
        scripted_platform->latched[key] = false;
        return down;
    }
    // GLFW rejects codes outside its key range; they read as released.
    if (!game_window || !valid_key(key)) return false;
    return glfwGetKey(game_window, key) == GLFW_PRESS;
}

void get_cursor_pos(double& x, double& y) {
    if (scripted_platform) {
        x = scripted_platform->cursor_x;
        y = scripted_platform->cursor_y;
        return;
    }
    x = 512.0;
    y = 384.0;
    if (game_window) glfwGetCursorPos(game_window, &x, &y);
}

void set_cursor_pos(double x, double y) {
    if (scripted_platform) {
        scripted_platform->cursor_x = x;
        scripted_platform->cursor_y = y;
        return;
    }
    if (game_window) glfwSetCursorPos(game_window, x, y);
}

WindowPoint window_centre(int width, int height) {
    return WindowPoint{0.5 * std::max(width, 0), 0.5 * std::max(height, 0)};
}

WindowPoint cursor_centre() {
    int width = 0, height = 0;
    get_window_size(width, height);
    return window_centre(width, height);
}

void get_window_size(int& width, int& height) {
    if (scripted_platform) {
        width = scripted_platform->window_width;
        height = scripted_platform->window_height;
        return;
    }
    width = kPictureWidth;
    height = kPictureHeight;
    if (game_window) glfwGetWindowSize(game_window, &width, &height);
}

void get_framebuffer_size(int& width, int& height) {
    if (scripted_platform) {
        width = scripted_platform->framebuffer_width;
        height = scripted_platform->framebuffer_height;
        return;
    }
    width = kPictureWidth;
    height = kPictureHeight;
    if (game_window) glfwGetFramebufferSize(game_window, &width, &height);
}

bool window_should_close() {
    if (scripted_platform) return scripted_platform->close_requested;
    return game_window && glfwWindowShouldClose(game_window);
}

void request_window_close() {
    if (scripted_platform) {
        scripted_platform->close_requested = true;
        return;
    }
    if (game_window) glfwSetWindowShouldClose(game_window, 1);
}
