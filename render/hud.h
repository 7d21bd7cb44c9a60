#pragma once
// The status line over the play scene: ammunition, both characters' health,
// time, the scanner, score and rescues.
#include <cstdint>

struct ScreenResources;
struct Player;
struct Hostage;

void draw_hud(const ScreenResources& screens, const Player& player, const Hostage& hostage,
              int32_t time_left);
