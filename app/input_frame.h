#pragma once
// What the player did since the last loop pass, as one plain record. The
// platform door hands one over per pass; every reader of keys, cursor and
// pad (the decision pass, the menus, the screens that wait, the camera)
// takes what it needs from it, so no reader can swallow what another was
// to see, and a tap between two passes is never lost.
#include <array>
#include <cstdint>

constexpr int kKeyScanFirst = -1;   // the key scans start below GLFW's first key
constexpr int kKeyScanLast = 348;   // GLFW_KEY_LAST
constexpr int kFirstRealKey = 32;   // codes below are rejected by GLFW and read released
constexpr int kKeySlots = kKeyScanLast + 1;  // per-key tables are indexed by the code

// True for the codes a keyboard can hold down (32 to 348).
inline bool valid_key(int key) { return key >= kFirstRealKey && key <= kKeyScanLast; }

// A gamepad's buttons and axes, numbered as GLFW's gamepad mapping numbers
// them (an Xbox-style layout whatever the pad).
enum PadButton : int {
    PadA = 0,
    PadB = 1,
    PadX = 2,
    PadY = 3,
    PadLeftShoulder = 4,
    PadRightShoulder = 5,
    PadBack = 6,
    PadStart = 7,
    PadGuide = 8,
    PadLeftThumb = 9,
    PadRightThumb = 10,
    PadDpadUp = 11,
    PadDpadRight = 12,
    PadDpadDown = 13,
    PadDpadLeft = 14,
};
constexpr int kPadButtonCount = 15;

// Sticks from -1 to 1, up and left negative; triggers from -1 (let go) to 1.
enum PadAxis : int {
    PadLeftX = 0,
    PadLeftY = 1,
    PadRightX = 2,
    PadRightY = 3,
    PadLeftTrigger = 4,
    PadRightTrigger = 5,
};
constexpr int kPadAxisCount = 6;

// One look at the first connected gamepad.
struct PadState {
    bool connected = false;
    int id = -1;  // which joystick it is: another id is another pad
    std::array<bool, kPadButtonCount> buttons{};
    std::array<float, kPadAxisCount> axes{};
};

constexpr uint8_t kMostPresses = 255;  // a count that stops growing rather than wrapping

struct InputFrame {
    // Per key code: how many times the key went down since the last pass
    // (a key held down counts once however long) and whether it is down
    // now. Codes outside 32..348 never go down.
    std::array<uint8_t, kKeySlots> presses{};
    std::array<bool, kKeySlots> down{};
    // How far the cursor moved since the last pass, in window coordinates
    // (right and down positive); zero on passes where it steers nothing.
    double cursor_dx = 0.0, cursor_dy = 0.0;
    PadState pad;  // the gamepad as it reads at this pass

    // The key went down: one press more, and down from now on.
    void press(int key) {
        if (!valid_key(key)) return;
        if (presses[key] < kMostPresses) ++presses[key];
        down[key] = true;
    }
    void release(int key) {
        if (valid_key(key)) down[key] = false;
    }
    bool pressed(int key) const { return valid_key(key) && presses[key] > 0; }
    bool held(int key) const { return valid_key(key) && down[key]; }
};
