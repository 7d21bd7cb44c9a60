#include "app/platform.h"

#include <algorithm>

namespace {
PlatformDoors doors;
// The centre the cursor was last put back to: start-up puts it at the
// centre of the base window.
WindowPoint cursor_home = window_centre(kPictureWidth, kPictureHeight);

// The cursor's distance from the window's centre, and the cursor put back.
// Just after the window changed size the cursor still sits at the old
// centre: that is no movement of the mouse, not a turn of the view.
void measure_cursor(InputFrame& frame) {
    const WindowPoint centre = cursor_centre();
    double x = centre.x, y = centre.y;
    get_cursor_pos(x, y);
    if (centre.x != cursor_home.x || centre.y != cursor_home.y) {
        x = centre.x;
        y = centre.y;
    }
    cursor_home = centre;
    set_cursor_pos(centre.x, centre.y);
    frame.cursor_dx = x - centre.x;
    frame.cursor_dy = y - centre.y;
}
}  // namespace

// Another table is another machine: its cursor starts at the base centre.
void use_platform(const PlatformDoors& chosen) {
    doors = chosen;
    cursor_home = window_centre(kPictureWidth, kPictureHeight);
}
const PlatformDoors& platform() { return doors; }

bool start_window_system() { return doors.start_window_system(); }
bool open_window(const WindowRequest& request) { return doors.open_window(request); }
void prepare_input() { doors.prepare_input(); }
void set_swap_interval(int interval) { doors.set_swap_interval(interval); }
void end_window_system() { doors.end_window_system(); }
double platform_time() { return doors.time(); }
InputFrame read_input(bool steer) {
    InputFrame frame;
    doors.take_keys(frame);
    if (steer) measure_cursor(frame);
    frame.pad = doors.read_pad();
    return frame;
}

bool add_pad_mappings(const std::string& text) { return doors.add_pad_mappings(text.c_str()); }
void get_cursor_pos(double& x, double& y) { doors.get_cursor_pos(x, y); }
void set_cursor_pos(double x, double y) { doors.set_cursor_pos(x, y); }
bool window_should_close() { return doors.window_should_close(); }
void show_frame() { doors.show_frame(); }
void take_events() { doors.take_events(); }
void get_window_size(int& width, int& height) { doors.get_window_size(width, height); }
void get_framebuffer_size(int& width, int& height) { doors.get_framebuffer_size(width, height); }
bool window_is_fullscreen() { return doors.window_is_fullscreen(); }
bool enter_fullscreen() { return doors.enter_fullscreen(); }
void leave_fullscreen() { doors.leave_fullscreen(); }
void request_window_close() { doors.request_window_close(); }
std::string today() { return doors.today(); }
UserFolders user_folders() { return doors.user_folders(); }
std::string executable_path(const char* argv0) { return doors.executable_path(argv0); }
bool replace_file(const std::string& from, const std::string& to) { return doors.replace_file(from, to); }
void show_failure(const char* text) { doors.show_failure(text); }
std::string window_system_error() { return doors.window_system_error(); }
long process_id() { return doors.process_id(); }

HeldLock& HeldLock::operator=(HeldLock&& other) noexcept {
    if (this != &other) {
        release();
        handle = other.handle;
        other.handle = kNoLock;
    }
    return *this;
}

void HeldLock::release() {
    if (held()) doors.unlock_file(handle);
    handle = kNoLock;
}

HeldLock lock_file(const std::string& path, double patience) {
    return HeldLock(doors.lock_file(path.c_str(), patience));
}

WindowPoint window_centre(int width, int height) {
    return WindowPoint{0.5 * std::max(width, 0), 0.5 * std::max(height, 0)};
}

WindowPoint cursor_centre() {
    int width = 0, height = 0;
    get_window_size(width, height);
    return window_centre(width, height);
}

namespace windowless {
bool start_window_system() { return false; }
bool open_window(const WindowRequest&) { return false; }
void nothing() {}
void set_swap_interval(int) {}
double time() { return 0.0; }
void no_keys(InputFrame&) {}

void get_cursor_pos(double& x, double& y) {
    const WindowPoint centre = window_centre(kPictureWidth, kPictureHeight);
    x = centre.x;
    y = centre.y;
}

void set_cursor_pos(double, double) {}
bool no() { return false; }
PadState no_pad() { return PadState{}; }
bool refuse_text(const char*) { return false; }
std::string no_error() { return ""; }

void get_window_size(int& width, int& height) {
    width = kPictureWidth;
    height = kPictureHeight;
}
}  // namespace windowless
