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

void label(const char* text, int32_t x, int32_t y) {
    print_text_blended(text, x, y, kHudSize, 1.0f, 1.0f, 1.0f, TextBlendStencil);
}

void value(int32_t number, int32_t x, int32_t y) {
    print_text_blended(std::to_string(number).c_str(), x, y, kHudSize, 1.0f, 0.0f, 0.0f,
                       TextBlendAlpha);
}
}  // namespace

void draw_hud(const ShownStatistics& shown, const Player& player, const Hostage& hostage,
              int32_t time_left) {
    const int32_t row = kPictureHeight - kHudBottomMargin;
    const int32_t value_row = row - kHudSize;
    const int32_t girl_health = shown.player_is_girl ? player.health : hostage.health;
    const int32_t boy_health = shown.player_is_girl ? hostage.health : player.health;

    label("AMMO", 10, row);
    value(player.ammo, 70, value_row);
    label("GIRL", 160, row);
    value(girl_health, 220, value_row);
    label("BOY ", 310, row);
    value(boy_health, 370, value_row);
    label("TIME", 460, row);
    value(time_left, 490, value_row);
    label("SCAN", 610, row);
    const float nearer = player.nearer_hostage ? 1.0f : 0.0f;
    print_text_blended("[]", 610, row - kScannerSize, kScannerSize, 1.0f - nearer, nearer, 0.0f,
                       TextBlendAdd);
    const std::string score = "SCORE  " + std::to_string(shown.score);
    const std::string rescued = "RESCUED  " + std::to_string(shown.rescued);
    print_text_blended(score.c_str(), 100, kScoreLineY, kScoreLineSize, 1.0f, 1.0f, 1.0f, TextBlendStencil);
    print_text_blended(rescued.c_str(), 420, kScoreLineY, kScoreLineSize, 1.0f, 1.0f, 1.0f,
                       TextBlendStencil);
}
