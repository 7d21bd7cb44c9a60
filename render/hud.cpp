#include "render/hud.h"

#include <utility>

#include "actors/hostage.h"
#include "actors/player.h"
#include "app/settings.h"
#include "app/shown_statistics.h"
#include "render/picture_rect.h"
#include "render/text_overlay.h"

namespace {
constexpr int32_t kHudSize = 30;
constexpr int32_t kHudBottomMargin = 180 + 30;
constexpr int32_t kScannerSize = 60;
constexpr int32_t kScoreLineY = -13;
constexpr int32_t kScoreLineSize = 20;
constexpr int32_t kShadowOffset = 2;  // text units right and down

// Labels and the score lines: white, letting the scene show through the
// strokes (the cells around them darkened), or solid strokes over a dark
// shadow, which keeps them readable on the pale sky as on dark walls.
void label(std::vector<HudText>& texts, std::string text, int32_t x, int32_t y, int32_t size,
           bool solid) {
    if (!solid) {
        texts.push_back({std::move(text), x, y, size, 1.0f, 1.0f, 1.0f, TextBlendStencil});
        return;
    }
    texts.push_back({text, x + kShadowOffset, y + kShadowOffset, size, 0.0f, 0.0f, 0.0f,
                     TextBlendAlpha});
    texts.push_back({std::move(text), x, y, size, 1.0f, 1.0f, 1.0f, TextBlendAlpha});
}

HudText value(int32_t number, int32_t x, int32_t y) {
    return {std::to_string(number), x, y, kHudSize, 1.0f, 0.0f, 0.0f, TextBlendAlpha};
}

// Green nearer, red otherwise; with shapes, a plus or a minus between the
// brackets tells the same without the colours.
HudText scanner(bool nearer, bool shapes, int32_t y) {
    const char* text = !shapes ? "[]" : nearer ? "[+]" : "[-]";
    const float green = nearer ? 1.0f : 0.0f;
    return {text, 610, y, kScannerSize, 1.0f - green, green, 0.0f, TextBlendAdd};
}
}  // namespace

std::vector<HudText> hud_texts(const ShownStatistics& shown, const Settings& looks,
                               const Player& player, const Hostage& hostage, int32_t time_left) {
    const int32_t row = kPictureHeight - kHudBottomMargin;
    const int32_t value_row = row - kHudSize;
    const int32_t girl_health = shown.player_is_girl ? player.health : hostage.health;
    const int32_t boy_health = shown.player_is_girl ? hostage.health : player.health;
    const bool solid = looks.solid_labels;
    std::vector<HudText> texts;
    label(texts, "AMMO", 10, row, kHudSize, solid);
    texts.push_back(value(player.ammo, 70, value_row));
    label(texts, "GIRL", 160, row, kHudSize, solid);
    texts.push_back(value(girl_health, 220, value_row));
    label(texts, "BOY ", 310, row, kHudSize, solid);
    texts.push_back(value(boy_health, 370, value_row));
    label(texts, "TIME", 460, row, kHudSize, solid);
    texts.push_back(value(time_left, 490, value_row));
    label(texts, "SCAN", 610, row, kHudSize, solid);
    texts.push_back(scanner(player.nearer_hostage, looks.scanner_shapes, row - kScannerSize));
    label(texts, "SCORE  " + std::to_string(shown.score), 100, kScoreLineY, kScoreLineSize,
          solid);
    label(texts, "RESCUED  " + std::to_string(shown.rescued), 420, kScoreLineY, kScoreLineSize,
          solid);
    return texts;
}

void draw_hud(const TextOverlay& text, const ShownStatistics& shown, const Settings& looks,
              const Player& player, const Hostage& hostage, int32_t time_left) {
    for (const HudText& t : hud_texts(shown, looks, player, hostage, time_left)) {
        print_text_blended(text, t.text.c_str(), t.x, t.y, t.size, t.r, t.g, t.b, t.blend);
    }
}
