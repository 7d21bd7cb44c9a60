#include "app/platform_glfw.h"

#include <GLFW/glfw3.h>

#include <algorithm>

GLFWwindow* game_window = nullptr;

namespace {
constexpr int kGlMajor = 3, kGlMinor = 3;

bool start_glfw() { return glfwInit(); }

// GLFW keeps the description of its last error until it is asked for it.
std::string glfw_error() {
    const char* description = nullptr;
    glfwGetError(&description);
    return description ? description : "";
}

// An OpenGL 3.3 core context, forward compatible, for every window.
bool open_glfw_window(const WindowRequest& request) {
    glfwWindowHint(GLFW_SAMPLES, request.samples);
    glfwWindowHint(GLFW_CONTEXT_VERSION_MAJOR, kGlMajor);
    glfwWindowHint(GLFW_CONTEXT_VERSION_MINOR, kGlMinor);
    glfwWindowHint(GLFW_OPENGL_FORWARD_COMPAT, 1);
    glfwWindowHint(GLFW_OPENGL_PROFILE, GLFW_OPENGL_CORE_PROFILE);
    game_window = glfwCreateWindow(request.width, request.height, request.title, nullptr, nullptr);
    if (!game_window) return false;
    glfwMakeContextCurrent(game_window);
    return true;
}

void prepare_glfw_input() {
    if (!game_window) return;
    glfwSetInputMode(game_window, GLFW_STICKY_KEYS, 1);
    glfwSetInputMode(game_window, GLFW_CURSOR, GLFW_CURSOR_HIDDEN);
    glfwPollEvents();
}

void set_glfw_swap_interval(int interval) {
    if (game_window) glfwSwapInterval(interval);
}

void end_glfw() {
    glfwTerminate();
    game_window = nullptr;
}

// GLFW rejects codes outside its key range; the door never passes them.
bool glfw_key_pressed(int key) { return game_window && glfwGetKey(game_window, key) == GLFW_PRESS; }

void get_glfw_cursor_pos(double& x, double& y) {
    windowless::get_cursor_pos(x, y);
    if (game_window) glfwGetCursorPos(game_window, &x, &y);
}

void set_glfw_cursor_pos(double x, double y) {
    if (game_window) glfwSetCursorPos(game_window, x, y);
}

bool glfw_should_close() { return game_window && glfwWindowShouldClose(game_window); }

void glfw_request_close() {
    if (game_window) glfwSetWindowShouldClose(game_window, 1);
}

void glfw_show_frame() {
    if (game_window) glfwSwapBuffers(game_window);
}

void glfw_take_events() {
    if (game_window) glfwPollEvents();
}

void get_glfw_window_size(int& width, int& height) {
    windowless::get_window_size(width, height);
    if (game_window) glfwGetWindowSize(game_window, &width, &height);
}

void get_glfw_framebuffer_size(int& width, int& height) {
    windowless::get_window_size(width, height);
    if (game_window) glfwGetFramebufferSize(game_window, &width, &height);
}

// Joysticks come and go between two looks: each look takes the first one
// that GLFW knows as a gamepad.
PadState read_glfw_pad() {
    PadState pad;
    for (int joystick = GLFW_JOYSTICK_1; joystick <= GLFW_JOYSTICK_LAST; ++joystick) {
        GLFWgamepadstate state;
        if (!glfwJoystickIsGamepad(joystick) || !glfwGetGamepadState(joystick, &state)) continue;
        pad.connected = true;
        pad.id = joystick;
        for (int b = 0; b < kPadButtonCount; ++b) pad.buttons[b] = state.buttons[b] == GLFW_PRESS;
        for (int a = 0; a < kPadAxisCount; ++a) pad.axes[a] = state.axes[a];
        break;
    }
    return pad;
}

// GLFW answers true even for lines it cannot read; only its error says so.
bool add_glfw_pad_mappings(const char* text) {
    glfwGetError(nullptr);
    const bool taken = glfwUpdateGamepadMappings(text);
    return taken && glfwGetError(nullptr) == GLFW_NO_ERROR;
}

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

bool glfw_is_fullscreen() { return game_window && glfwGetWindowMonitor(game_window) != nullptr; }

void glfw_leave_fullscreen() {
    if (!game_window) return;
    glfwSetWindowMonitor(game_window, nullptr, windowed_x, windowed_y, kPictureWidth,
                         kPictureHeight, GLFW_DONT_CARE);
}

bool glfw_enter_fullscreen() {
    GLFWwindow* window = game_window;
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
    if (glfwGetWindowMonitor(window)) glfw_leave_fullscreen();
    return false;
}
}  // namespace

PlatformDoors glfw_platform() {
    PlatformDoors doors;
    doors.start_window_system = start_glfw;
    doors.open_window = open_glfw_window;
    doors.prepare_input = prepare_glfw_input;
    doors.set_swap_interval = set_glfw_swap_interval;
    doors.end_window_system = end_glfw;
    doors.time = glfwGetTime;
    doors.key_pressed = glfw_key_pressed;
    doors.get_cursor_pos = get_glfw_cursor_pos;
    doors.set_cursor_pos = set_glfw_cursor_pos;
    doors.window_should_close = glfw_should_close;
    doors.request_window_close = glfw_request_close;
    doors.show_frame = glfw_show_frame;
    doors.take_events = glfw_take_events;
    doors.get_window_size = get_glfw_window_size;
    doors.get_framebuffer_size = get_glfw_framebuffer_size;
    doors.window_is_fullscreen = glfw_is_fullscreen;
    doors.enter_fullscreen = glfw_enter_fullscreen;
    doors.leave_fullscreen = glfw_leave_fullscreen;
    doors.read_pad = read_glfw_pad;
    doors.add_pad_mappings = add_glfw_pad_mappings;
    doors.window_system_error = glfw_error;
    return doors;
}
