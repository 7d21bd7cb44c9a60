#pragma once
// The one door to the window system and the machine: time, keys, a
// gamepad, cursor, the window and its mode, the local date, the user
// folders, the executable's path, replacing a file, showing a failure.
// The doors are a table of plain functions chosen once at start-up: the game
// installs the GLFW table (app/platform_glfw.h), tests a scripted one. The
// rest of the game calls the free functions below and never learns which
// table answers. A door left at its default answers as a machine with no
// window would; a new door is one field with such a default.
#include <array>
#include <cstdint>
#include <string>

#include "app/input_frame.h"
#include "render/picture_rect.h"

// The window the game asks for.
struct WindowRequest {
    int width = kPictureWidth, height = kPictureHeight;
    const char* title = "";
    int samples = 0;  // multisampling of the default framebuffer
};

// Where the player's files live, as UTF-8; an empty folder means none is
// known. On Windows both are %APPDATA%\Swarmfall.
struct UserFolders {
    std::string config;  // $XDG_CONFIG_HOME/swarmfall, else ~/.config/swarmfall
    std::string data;    // $XDG_DATA_HOME/swarmfall, else ~/.local/share/swarmfall
};

// A machine without a window: no keys, the cursor at the base window's
// centre, the base window's size, no full screen, the clock at zero; the
// date, the user folders and the executable's path are the machine's own.
namespace windowless {
bool start_window_system();
bool open_window(const WindowRequest& request);
void nothing();
void set_swap_interval(int interval);
double time();
void no_keys(InputFrame& frame);
void get_cursor_pos(double& x, double& y);
void set_cursor_pos(double x, double y);
bool no();
void get_window_size(int& width, int& height);
std::string today();
UserFolders user_folders();
std::string executable_path(const char* argv0);
bool replace_file(const std::string& from, const std::string& to);
void show_failure(const char* text);
PadState no_pad();
bool refuse_text(const char* text);
long process_id();
intptr_t lock_file(const char* path, double patience);
void unlock_file(intptr_t handle);
std::string no_error();
}  // namespace windowless

struct PlatformDoors {
    bool (*start_window_system)() = windowless::start_window_system;
    bool (*open_window)(const WindowRequest&) = windowless::open_window;
    void (*prepare_input)() = windowless::nothing;
    void (*set_swap_interval)(int) = windowless::set_swap_interval;
    void (*end_window_system)() = windowless::nothing;
    double (*time)() = windowless::time;
    // Fills in the keys of `frame`: the presses since the last call and
    // what is down now.
    void (*take_keys)(InputFrame&) = windowless::no_keys;
    void (*get_cursor_pos)(double&, double&) = windowless::get_cursor_pos;
    void (*set_cursor_pos)(double, double) = windowless::set_cursor_pos;
    bool (*window_should_close)() = windowless::no;
    void (*request_window_close)() = windowless::nothing;
    void (*show_frame)() = windowless::nothing;
    void (*take_events)() = windowless::nothing;
    void (*get_window_size)(int&, int&) = windowless::get_window_size;
    void (*get_framebuffer_size)(int&, int&) = windowless::get_window_size;
    bool (*window_is_fullscreen)() = windowless::no;
    bool (*enter_fullscreen)() = windowless::no;
    void (*leave_fullscreen)() = windowless::nothing;
    std::string (*today)() = windowless::today;
    UserFolders (*user_folders)() = windowless::user_folders;
    std::string (*executable_path)(const char*) = windowless::executable_path;
    bool (*replace_file)(const std::string&, const std::string&) = windowless::replace_file;
    void (*show_failure)(const char*) = windowless::show_failure;
    // The first connected joystick that is known as a gamepad, as it is now.
    PadState (*read_pad)() = windowless::no_pad;
    bool (*add_pad_mappings)(const char*) = windowless::refuse_text;
    long (*process_id)() = windowless::process_id;
    intptr_t (*lock_file)(const char*, double) = windowless::lock_file;
    void (*unlock_file)(intptr_t) = windowless::unlock_file;
    std::string (*window_system_error)() = windowless::no_error;
};

// Every door below goes through this table from now on.
void use_platform(const PlatformDoors& doors);
// The table in use.
const PlatformDoors& platform();

// The window system: started once, a window opened with an OpenGL 3.3 core
// context made current, ended at shutdown (which closes the window).
bool start_window_system();
bool open_window(const WindowRequest& request);
// Key presses counted from now on and a hidden cursor, then the window's
// first events taken.
void prepare_input();
// Frames shown per screen refresh: 1 waits for each refresh, 0 never waits.
void set_swap_interval(int interval);
void end_window_system();

double platform_time();
// What the player did since the last call, once per loop pass: every key
// press (a tap between two calls included), the keys down now and the pad as
// it reads now. With `steer` the cursor steers the view: its distance from
// the window's centre is the movement, and it is put back there; otherwise
// it is left where it is and the movement is zero. Nothing else reads keys.
InputFrame read_input(bool steer);
// Gamepad mappings in the format of SDL's gamecontrollerdb.txt, one or
// more lines; false when the platform rejects any of them.
bool add_pad_mappings(const std::string& text);
void get_cursor_pos(double& x, double& y);
void set_cursor_pos(double x, double y);
bool window_should_close();
// The end of a loop pass, in two steps: show the frame, then take in the
// window system's events.
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

// Today's local date as YYYY-MM-DD.
std::string today();
UserFolders user_folders();
// The executable's real path with every link resolved; `argv0` stands in
// where the system cannot say. Empty when neither knows.
std::string executable_path(const char* argv0);
// Puts the file `from` in the place of `to` in one step, replacing a file
// there: a reader finds the old file or the new one, never a part. Paths
// are UTF-8.
bool replace_file(const std::string& from, const std::string& to);
// A start-up failure the player may have no console to read: stderr has
// it already; on Windows a message box shows the same text.
void show_failure(const char* text);
// A program started from a console writes its lines there. Only Windows
// needs this (a windowed program is given no console), before any output.
void use_parent_console();

// Why the window system failed last, in its own words; empty when it gave
// no reason. Reading it forgets it.
std::string window_system_error();

// This copy of the game among the machine's processes.
long process_id();

constexpr intptr_t kNoLock = -1;
// An advisory lock on a file, held by this record until it is released or
// goes away; every copy of the game takes it before changing what others
// may change at the same time.
struct HeldLock {
    intptr_t handle = kNoLock;  // the machine's own; kNoLock: none held

    HeldLock() = default;
    explicit HeldLock(intptr_t taken) : handle(taken) {}
    HeldLock(HeldLock&& other) noexcept : handle(other.handle) { other.handle = kNoLock; }
    HeldLock& operator=(HeldLock&& other) noexcept;
    HeldLock(const HeldLock&) = delete;
    HeldLock& operator=(const HeldLock&) = delete;
    ~HeldLock() { release(); }

    bool held() const { return handle != kNoLock; }
    void release();
};
// The lock on `path` (made when missing), tried until `patience` seconds
// have passed; not held when another holds it that long or the file
// cannot be made.
HeldLock lock_file(const std::string& path, double patience);
