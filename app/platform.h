#pragma once
// The one door to the window system for time, keys, cursor, window size and
// window close.
// The game reads GLFW through it; tests install a ScriptedPlatform and drive
// the loop, the menus and the simulation with a scripted clock and keyboard.
#include <array>
#include <functional>

#include "render/picture_rect.h"

struct GLFWwindow;

constexpr int kKeyScanFirst = -1;   // the key scans start below GLFW's first key
constexpr int kKeyScanLast = 348;   // GLFW_KEY_LAST
constexpr int kFirstRealKey = 32;   // codes below are rejected by GLFW and read released

// A keyboard with GLFW's sticky-key behaviour and a hand-set clock.
struct ScriptedPlatform {
    double now = 0.0;
    std::array<bool, kKeyScanLast + 1> held{};
    std::array<bool, kKeyScanLast + 1> latched{};
    double cursor_x = kPictureWidth / 2.0;  // the centre of the base window
    double cursor_y = kPictureHeight / 2.0;
    bool close_requested = false;
    // The window in screen coordinates (where the cursor lives) and its
    // framebuffer in pixels; they differ on high-density displays.
    int window_width = kPictureWidth, window_height = kPictureHeight;
    int framebuffer_width = kPictureWidth, framebuffer_height = kPictureHeight;
    // Full screen: the screen it fills, whether the platform refuses it,
    // and how many times the window mode has changed.
    bool fullscreen = false;
    bool refuse_fullscreen = false;
    int screen_width = 1280, screen_height = 1024;
    int window_mode_changes = 0;
    // When set, window size and mode calls reach this real window while
    // time, keys and cursor stay scripted.
    GLFWwindow* window = nullptr;
    // Runs at the end of every loop pass, after the frame was shown: a
    // script moves the clock and the keys on from here.
    std::function<void()> after_frame;

    void press(int key);    // goes down and stays down
    void release(int key);  // goes up; an unread press stays latched
    void tap(int key);      // down and up again before anyone looks
    void advance(double seconds) { now += seconds; }
};

// The window the game opened; null in tests.
extern GLFWwindow* game_window;

// Routes every platform call to `scripted` (or back to GLFW with null).
void use_scripted_platform(ScriptedPlatform* scripted);

double platform_time();
// Sticky read: true when the key is down or went down since the last read;
// the read clears the latch. Codes outside 32..348 read as released.
bool key_pressed(int key);
void get_cursor_pos(double& x, double& y);
void set_cursor_pos(double x, double y);
bool window_should_close();
// The end of a loop pass, in two steps: show the frame, then take in the
// window system's events and run a scripted platform's after_frame.
void show_frame();
void take_events();

// A point in window (cursor) coordinates.
struct WindowPoint {
    double x = 0.0, y = 0.0;
};
// The centre of a window of that size; (512, 384) for 1024 x 768.
WindowPoint window_centre(int width, int height);
// The centre of the window as it is now: mouse look measures against it.
WindowPoint cursor_centre();
void get_window_size(int& width, int& height);
void get_framebuffer_size(int& width, int& height);

bool window_is_fullscreen();
// Borderless full screen on the monitor the window is on, at that
// monitor's current video mode; false, with the window as it was, when the
// platform refuses.
bool enter_fullscreen();
// Back to a window of the base size where the window was before.
void leave_fullscreen();
void request_window_close();
