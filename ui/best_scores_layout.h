#pragma once
// Where the time-up screens show the best scores, in text units (x from
// the left, y down from the top of the 588-unit text space): the game
// prints the rows here, below the statistics, and the screen art
// (tools/assets) paints the panel behind them.
#include <cstdint>

#include "app/best_scores.h"

constexpr int32_t kBestScoresLeft = 150;  // centred under the statistics panels
constexpr int32_t kBestScoresTop = 357;
constexpr int32_t kBestScoresSize = 14;   // of every glyph
constexpr int32_t kBestScoresPitch = 15;  // from one row's top to the next
constexpr int32_t kBestScoresRows = 2 + kBestScoresKept;  // title, column names, games
constexpr int32_t kBestScoresWidth = int32_t(kBestScoresRowLength) * kBestScoresSize;
constexpr int32_t kBestScoresBottom = kBestScoresTop + (kBestScoresRows - 1) * kBestScoresPitch + kBestScoresSize;
