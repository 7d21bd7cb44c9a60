#include "app/platform.h"

#include <GLFW/glfw3.h>

#include <algorithm>

GLFWwindow* game_window = nullptr;

namespace {
ScriptedPlatform* scripted_platform = nullptr;

bool valid_key(int key) { return key >= kFirstRealKey && key <= kKeyScanLast; }

// Window sizes and mode come from the script unless it hands a real window.
bool scripted_window() { return scripted_platform && !scripted_platform->window; }
GLFWwindow* real_window() { return scripted_platform ? scripted_platform->window : game_window; }
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
    const WindowPoint centre = window_centre(kPictureWidth, kPictureHeight);
    x = centre.x;
    y = centre.y;
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
    if (scripted_window()) {
        width = scripted_platform->window_width;
        height = scripted_platform->window_height;
        return;
    }
    width = kPictureWidth;
    height = kPictureHeight;
    if (real_window()) glfwGetWindowSize(real_window(), &width, &height);
}

void get_framebuffer_size(int& width, int& height) {
    if (scripted_window()) {
        width = scripted_platform->framebuffer_width;
        height = scripted_platform->framebuffer_height;
        return;
    }
    width = kPictureWidth;
    height = kPictureHeight;
    if (real_window()) glfwGetFramebufferSize(real_window(), &width, &height);
}

bool window_should_close() {
    if (scripted_platform) return scripted_platform->close_requested;
    return game_window && glfwWindowShouldClose(game_window);
}

void show_frame() {
    if (game_window) glfwSwapBuffers(game_window);
}

void take_events() {
    if (game_window) glfwPollEvents();
    if (scripted_platform && scripted_platform->after_frame) scripted_platform->after_frame();
}

void request_window_close() {
    if (scripted_platform) {
        scripted_platform->close_requested = true;
        return;
    }
    if (game_window) glfwSetWindowShouldClose(game_window, 1);
}

namespace {
// Where the window stood before it went full screen.
int windowed_x = 0, windowed_y = 0;

int overlap(int a_start, int a_length, int b_start, int b_length) {
    return std::max(0, std::min(a_start + a_length, b_start + b_length) - std::max(a_start, b_start));
}

// The monitor showing most of the window; the primary one when none does.
GLFWmonitor* monitor_under(GLFWwindow* window) {
    int x = 0, y = 0, width = 0, height = 0, count = 0;
    glfwGetWindowPos(window, &x, &y);
    glfwGetWindowSize(window, &width, &height);
    GLFWmonitor** monitors = glfwGetMonitors(&count);
    GLFWmonitor* best = glfwGetPrimaryMonitor();
    long best_area = 0;
    for (int i = 0; i < count; ++i) {
        int mx = 0, my = 0;
        glfwGetMonitorPos(monitors[i], &mx, &my);
        const GLFWvidmode* mode = glfwGetVideoMode(monitors[i]);
        if (!mode) continue;
        const long area = long(overlap(x, width, mx, mode->width)) * overlap(y, height, my, mode->height);
        if (area > best_area) {
            best = monitors[i];
            best_area = area;
        }
    }
    return best;
}

void set_scripted_window(int width, int height) {
    scripted_platform->window_width = scripted_platform->framebuffer_width = width;
    scripted_platform->window_height = scripted_platform->framebuffer_height = height;
    ++scripted_platform->window_mode_changes;
}
}  // namespace

bool window_is_fullscreen() {
    if (scripted_window()) return scripted_platform->fullscreen;
    return real_window() && glfwGetWindowMonitor(real_window()) != nullptr;
}

bool enter_fullscreen() {
    if (scripted_window()) {
        if (scripted_platform->refuse_fullscreen) return false;
        scripted_platform->fullscreen = true;
        set_scripted_window(scripted_platform->screen_width, scripted_platform->screen_height);
        return true;
    }
    GLFWwindow* window = real_window();
    GLFWmonitor* monitor = window ? monitor_under(window) : nullptr;
    const GLFWvidmode* mode = monitor ? glfwGetVideoMode(monitor) : nullptr;
    if (!mode) return false;
    glfwGetWindowPos(window, &windowed_x, &windowed_y);
    glfwGetError(nullptr);  // forget older errors: only this switch's count
    // Borderless: stay up when another window takes the focus.
    glfwSetWindowAttrib(window, GLFW_AUTO_ICONIFY, GLFW_FALSE);
    // The monitor's own mode asked for, so the video mode does not change.
    glfwSetWindowMonitor(window, monitor, 0, 0, mode->width, mode->height, mode->refreshRate);
    if (glfwGetError(nullptr) == GLFW_NO_ERROR && glfwGetWindowMonitor(window) == monitor) return true;
    // Half done: back to the base window rather than stuck between the two.
    if (glfwGetWindowMonitor(window)) leave_fullscreen();
    return false;
}

void leave_fullscreen() {
    if (scripted_window()) {
        scripted_platform->fullscreen = false;
        set_scripted_window(kPictureWidth, kPictureHeight);
        return;
    }
    if (!real_window()) return;
    glfwSetWindowMonitor(real_window(), nullptr, windowed_x, windowed_y, kPictureWidth,
                         kPictureHeight, GLFW_DONT_CARE);
}
