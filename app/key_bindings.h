#pragma once
// The twelve bindable actions, their key table, and the reads of them that
// play and the controls menu make. Every read goes through KeyReads, so a
// press is consumed exactly where a read happens.
#include <cstdint>
#include <map>

#include "app/pass_commands.h"

struct KeyReads;

enum BindableAction : int32_t {
    ActionForward = 0,
    ActionRight = 1,
    ActionLeft = 2,
    ActionJump = 3,
    ActionCam0 = 4,
    ActionCam1 = 5,
    ActionCam2 = 6,
    ActionCam3 = 7,
    ActionGra0 = 8,
    ActionGra1 = 9,
    ActionGra2 = 10,
    ActionGra3 = 11,
};
constexpr int32_t kBindableActionCount = 12;

// Default keys, GLFW codes, in action order.
constexpr int32_t kKeyW = 87;
constexpr int32_t kKeyD = 68;
constexpr int32_t kKeyA = 65;
constexpr int32_t kKeyS = 83;
constexpr int32_t kKeyKeypad2 = 322;
constexpr int32_t kKeyKeypad4 = 324;
constexpr int32_t kKeyKeypad6 = 326;
constexpr int32_t kKeyKeypad8 = 328;
constexpr int32_t kKeyH = 72;
constexpr int32_t kKeyJ = 74;
constexpr int32_t kKeyK = 75;
constexpr int32_t kKeyL = 76;
constexpr int32_t kDefaultKeys[kBindableActionCount] = {
    kKeyW, kKeyD, kKeyA, kKeyS, kKeyKeypad2, kKeyKeypad4,
    kKeyKeypad6, kKeyKeypad8, kKeyH, kKeyJ, kKeyK, kKeyL,
};

// Action number -> key code. Reading a missing action inserts key 0.
using KeyBindings = std::map<int32_t, int32_t>;

// Sets the twelve actions to their default keys (other entries stay).
void reset_default_bindings(KeyBindings& key_bindings);
// The bound keys that read pressed, as the player's requests and the
// camera switches of a pass's commands. Once per decision pass of play.
PassCommands poll_bound_actions(KeyReads& keys, KeyBindings& key_bindings);
// One look at the keyboard while the controls menu waits for a key for
// `action`. Answers true when the wait is over: the highest pressed key was
// bound (swapping with the action that held it) or Escape cancelled.
bool capture_rebinding(KeyReads& keys, KeyBindings& key_bindings, int32_t action);
