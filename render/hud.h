#pragma once
// The status line over the play scene: ammunition, both characters' health,
// time, the scanner, score and rescues.
#include <cstdint>

struct ShownStatistics;
struct TextOverlay;
struct Player;
struct Hostage;

// The girl's and the boy's health come from the player and the captive as
// the shown character choice says.
void draw_hud(const TextOverlay& text, const ShownStatistics& shown, const Player& player,
              const Hostage& hostage, int32_t time_left);
