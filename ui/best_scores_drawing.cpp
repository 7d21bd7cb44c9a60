#include <cstring>

#include "render/text_overlay.h"
#include "ui/best_scores_layout.h"
#include "ui/screens.h"

namespace {
constexpr const char* kTitle = "BEST GAMES";
constexpr const char* kNotRanked = "NOT RANKED: DEBUG KEY USED";

void row_text(const TextOverlay& overlay, const std::string& text, int32_t x, int32_t row,
              bool red) {
    const int32_t y = kBestScoresTop + row * kBestScoresPitch;
    if (red) {
        print_text(overlay, text.c_str(), x, y, kBestScoresSize, 1.0f, 0.0f, 0.0f);
    } else {
        print_text(overlay, text.c_str(), x, y, kBestScoresSize, kMenuColour.r, kMenuColour.g,
                   kMenuColour.b);
    }
}
}  // namespace

void draw_best_scores(const TextOverlay& text, const BestScoresShown& shown) {
    row_text(text, kTitle, kBestScoresLeft, 0, false);
    if (shown.not_ranked) {
        const int32_t right = kBestScoresLeft + kBestScoresWidth;
        row_text(text, kNotRanked, right - int32_t(std::strlen(kNotRanked)) * kBestScoresSize, 0,
                 true);
    }
    row_text(text, best_scores_column_names(), kBestScoresLeft, 1, false);
    for (size_t i = 0; i < shown.table.size(); ++i) {
        const bool marked = int32_t(i) == shown.marked;
        row_text(text, best_score_row(int32_t(i), shown.table[i], marked), kBestScoresLeft,
                 2 + int32_t(i), marked);
    }
}
