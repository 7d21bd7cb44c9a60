#pragma once
// GLFW key codes of the fixed (not rebindable) keys.
#include <cstdint>

constexpr int32_t kKeyB = 66;
constexpr int32_t kKeyG = 71;
constexpr int32_t kKeyEscape = 256;
constexpr int32_t kKeyEnter = 257;
constexpr int32_t kKeyRight = 262;
constexpr int32_t kKeyLeft = 263;
constexpr int32_t kKeyDown = 264;
constexpr int32_t kKeyUp = 265;
constexpr int32_t kKeyF8 = 297;
constexpr int32_t kKeyF10 = 299;
constexpr int32_t kKeyF11 = 300;
constexpr int32_t kKeyRightShift = 344;

// Watching a replay: Space pauses, + and - set the speed (the main row's
// = key carries +).
constexpr int32_t kKeySpace = 32;
constexpr int32_t kKeyMinus = 45;
constexpr int32_t kKeyEqual = 61;
constexpr int32_t kKeyKeypadSubtract = 333;
constexpr int32_t kKeyKeypadAdd = 334;
