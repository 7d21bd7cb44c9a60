#pragma once
// What each gamepad control stands for, screen by screen. A control stands
// for a key, so the pad goes through the same reads, flushes and scans as
// the keyboard; in play it stands for the key its action is bound
// to, so a rebound action takes the pad along.
#include <cstdint>

#include "app/key_bindings.h"
#include "app/pad_input.h"

// The keys for game state `state`; `rebinding` is the controls menu's wait
// for a new key, and the two camera switches decide which way the view and
// projection buttons flip.
PadKeys pad_keys_for(int32_t state, bool rebinding, const KeyBindings& bindings, bool free_camera,
                     bool orthographic);
