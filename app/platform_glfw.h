#pragma once
// The game's platform on GLFW: the real window, keyboard, cursor and clock.
// Start-up installs it with use_platform(glfw_platform()).
#include "app/platform.h"

struct GLFWwindow;

// The window the doors act on: opened by open_window, closed by
// end_window_system; a test that made its own window may set it.
extern GLFWwindow* game_window;

PlatformDoors glfw_platform();
