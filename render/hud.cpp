#include "render/hud.h"

#include <string>

#include "actors/hostage.h"
#include "actors/player.h"
#include "app/shown_statistics.h"
#include "render/picture_rect.h"
#include "render/text_overlay.h"

namespace {
constexpr int32_t kHudSize = 30;
constexpr int32_t kHudBottomMargin = 180 + 30;
constexpr int32_t kScannerSize = 60;
constexpr int32_t kScoreLineY = -13;
constexpr int32_t kScoreLineSize = 20;

void label(const TextOverlay& text, const char* words, int32_t x, int32_t y) {
    print_text_blended(text, words, x, y, kHudSize, 1.0f, 1.0f, 1.0f, TextBlendStencil);
}

void value(const TextOverlay& text, int32_t number, int32_t x, int32_t y) {
    print_text_blended(text, std::to_string(number).c_str(), x, y, kHudSize, 1.0f, 0.0f, 0.0f,
                       TextBlendAlpha);
}
}  // namespace

void draw_hud(const TextOverlay& text, const ShownStatistics& shown, const Player& player,
              const Hostage& hostage, int32_t time_left) {
    const int32_t row = kPictureHeight - kHudBottomMargin;
    const int32_t value_row = row - kHudSize;
    const int32_t girl_health = shown.player_is_girl ? player.health : hostage.health;
    const int32_t boy_health = shown.player_is_girl ? hostage.health : player.health;

    label(text, "AMMO", 10, row);
    value(text, player.ammo, 70, value_row);
    label(text, "GIRL", 160, row);
    value(text, girl_health, 220, value_row);
    label(text, "BOY ", 310, row);
    value(text, boy_health, 370, value_row);
    label(text, "TIME", 460, row);
    value(text, time_left, 490, value_row);
    label(text, "SCAN", 610, row);
    const float nearer = player.nearer_hostage ? 1.0f : 0.0f;
    print_text_blended(text, "[]", 610, row - kScannerSize, kScannerSize, 1.0f - nearer, nearer,
                       0.0f, TextBlendAdd);
    const std::string score = "SCORE  " + std::to_string(shown.score);
    const std::string rescued = "RESCUED  " + std::to_string(shown.rescued);
    print_text_blended(text, score.c_str(), 100, kScoreLineY, kScoreLineSize, 1.0f, 1.0f, 1.0f,
                       TextBlendStencil);
    print_text_blended(text, rescued.c_str(), 420, kScoreLineY, kScoreLineSize, 1.0f, 1.0f, 1.0f,
                       TextBlendStencil);
}
