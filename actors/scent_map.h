#pragma once
// The ants' shared trail: one value per street cell (no layers), laid by ants
// that see the player and faded every decision pass. It lives for the whole
// run; rounds and new games do not clear it.
#include <cstdint>

#include "world/city_grid.h"

int32_t& scent_at(int x, int y);
// Every cell v becomes (100 - percent) * v / 100, truncated toward zero.
void fade_scent(int32_t percent);
// Tests start from a clean trail; the game never calls this.
void reset_scent_map();
