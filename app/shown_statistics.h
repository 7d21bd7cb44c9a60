#pragma once
// The numbers the status line and the score and time-up screens show: the
// game's counters as they were last copied there (on every pass of the
// rescue and time-up states), not as they are now; and the character
// choice, which tells the status line whose health is the girl's.
#include <cstdint>

struct ShownStatistics {
    int32_t rescued = 0, time = 0, score = 0;
    bool player_is_girl = true;
};
