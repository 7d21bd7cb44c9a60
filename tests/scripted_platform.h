#pragma once
// The platform as tests script it: a keyboard whose presses, holds and
// releases happen now or at set times on the scripted clock, counted as
// GLFW's key callback counts them; a gamepad to plug in and pull out, a
// hand-set clock, cursor, date, and a window whose size and mode are plain
// fields. Installed over a base table: with no window, or
// over the GLFW doors when a test needs a real window to draw in.
#include <algorithm>
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "app/platform.h"

struct ScriptedPlatform {
    double now = 0.0;
    // The keys since the game last took them: presses counted, what is down.
    InputFrame keys;
    // A key going down or up at a time on the scripted clock: it happens at
    // the first take of the keys at or after that time.
    struct KeyEvent {
        double at = 0.0;
        int key = 0;
        bool down = false;
    };
    std::vector<KeyEvent> timeline;
    double cursor_x = kPictureWidth / 2.0;  // the centre of the base window
    double cursor_y = kPictureHeight / 2.0;
    bool close_requested = false;
    std::string date = "2024-06-01";
    int swap_interval = -1;  // the last one asked for; -1: never asked
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
    // When set, window size and mode calls reach the base table (a real
    // window) while time, keys and cursor stay scripted.
    bool real_window = false;
    // The gamepad as the pad door answers: none until plugged in.
    PadState pad;
    // Runs at the end of every loop pass, after the frame was shown: a
    // script moves the clock and the keys on from here.
    std::function<void()> after_frame;

    // Goes down and stays down; a key already down is no new press.
    void press(int key) {
        if (!keys.held(key)) keys.press(key);
    }
    // Goes up; a press not yet taken is still counted.
    void release(int key) { keys.release(key); }
    // Down and up again before anyone looks.
    void tap(int key) {
        press(key);
        release(key);
    }
    // The same at a time on the scripted clock.
    void press_at(double at, int key) { timeline.push_back({at, key, true}); }
    void release_at(double at, int key) { timeline.push_back({at, key, false}); }
    // Down from `from` until `until`.
    void hold(int key, double from, double until) {
        press_at(from, key);
        release_at(until, key);
    }
    void advance(double seconds) { now += seconds; }

    // The events due by now, in time order, then what they left: the
    // presses are taken, what is down stays.
    void take_keys(InputFrame& frame) {
        std::stable_sort(timeline.begin(), timeline.end(),
                         [](const KeyEvent& a, const KeyEvent& b) { return a.at < b.at; });
        auto due = timeline.begin();
        for (; due != timeline.end() && due->at <= now; ++due) {
            due->down ? press(due->key) : release(due->key);
        }
        timeline.erase(timeline.begin(), due);
        frame.presses = keys.presses;
        frame.down = keys.down;
        keys.presses.fill(0);
    }

    // A pad connected with nothing pressed and its sticks at rest (which
    // puts its triggers at -1).
    void plug_pad(int id = 0) {
        pad = PadState{};
        pad.connected = true;
        pad.id = id;
        pad.axes[PadLeftTrigger] = pad.axes[PadRightTrigger] = -1.0f;
    }
    void pull_pad() { pad.connected = false; }
    void press_button(int button) { pad.buttons[button] = true; }
    void release_button(int button) { pad.buttons[button] = false; }
    void tilt(int axis, float value) { pad.axes[axis] = value; }
};

namespace scripted_doors {

inline ScriptedPlatform* script = nullptr;
inline PlatformDoors base;

inline double time() { return script->now; }

inline void take_keys(InputFrame& frame) { script->take_keys(frame); }

inline void get_cursor_pos(double& x, double& y) {
    x = script->cursor_x;
    y = script->cursor_y;
}

inline void set_cursor_pos(double x, double y) {
    script->cursor_x = x;
    script->cursor_y = y;
}

inline bool window_should_close() { return script->close_requested; }
inline void request_window_close() { script->close_requested = true; }

inline void take_events() {
    base.take_events();
    if (script->after_frame) script->after_frame();
}

inline void set_swap_interval(int interval) {
    base.set_swap_interval(interval);
    script->swap_interval = interval;
}

inline std::string today() { return script->date; }
inline PadState read_pad() { return script->pad; }

inline void get_window_size(int& width, int& height) {
    width = script->window_width;
    height = script->window_height;
}

inline void get_framebuffer_size(int& width, int& height) {
    width = script->framebuffer_width;
    height = script->framebuffer_height;
}

inline bool window_is_fullscreen() { return script->fullscreen; }

inline void set_window(int width, int height) {
    script->window_width = script->framebuffer_width = width;
    script->window_height = script->framebuffer_height = height;
    ++script->window_mode_changes;
}

inline bool enter_fullscreen() {
    if (script->refuse_fullscreen) return false;
    script->fullscreen = true;
    set_window(script->screen_width, script->screen_height);
    return true;
}

inline void leave_fullscreen() {
    script->fullscreen = false;
    set_window(kPictureWidth, kPictureHeight);
}

}  // namespace scripted_doors

// Routes the doors to `script` over `base` (or back to `base` alone with
// null); the base's own events are still taken before after_frame runs.
inline void use_scripted_platform(ScriptedPlatform* script, const PlatformDoors& base = PlatformDoors{}) {
    namespace sd = scripted_doors;
    sd::script = script;
    sd::base = base;
    PlatformDoors doors = base;
    if (script) {
        doors.time = sd::time;
        doors.take_keys = sd::take_keys;
        doors.get_cursor_pos = sd::get_cursor_pos;
        doors.set_cursor_pos = sd::set_cursor_pos;
        doors.window_should_close = sd::window_should_close;
        doors.request_window_close = sd::request_window_close;
        doors.take_events = sd::take_events;
        doors.set_swap_interval = sd::set_swap_interval;
        doors.today = sd::today;
        doors.read_pad = sd::read_pad;
    }
    if (script && !script->real_window) {
        doors.get_window_size = sd::get_window_size;
        doors.get_framebuffer_size = sd::get_framebuffer_size;
        doors.window_is_fullscreen = sd::window_is_fullscreen;
        doors.enter_fullscreen = sd::enter_fullscreen;
        doors.leave_fullscreen = sd::leave_fullscreen;
    }
    use_platform(doors);
}
