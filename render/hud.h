#pragma once
// The status line over the play scene: ammunition, both characters' health,
// time, the scanner, score and rescues. Decided as a list of texts first
// (plain data, tested without OpenGL), then printed one by one.
#include <cstdint>
#include <string>
#include <vector>

struct ShownStatistics;
struct Settings;
struct TextOverlay;
struct Player;
struct Hostage;

struct HudText {
    std::string text;
    int32_t x = 0, y = 0, size = 0;  // text coordinates
    float r = 0.0f, g = 0.0f, b = 0.0f;
    int32_t blend = 0;  // TextBlend
};

// The status line's texts in drawing order. The girl's and the boy's
// health come from the player and the captive as the shown character
// choice says; the settings' looks decide how the labels blend (solid ones
// come each after its shadow) and whether the scanner holds a sign.
std::vector<HudText> hud_texts(const ShownStatistics& shown, const Settings& looks,
                               const Player& player, const Hostage& hostage, int32_t time_left);

void draw_hud(const TextOverlay& text, const ShownStatistics& shown, const Settings& looks,
              const Player& player, const Hostage& hostage, int32_t time_left);
