#pragma once
// The ants' shared trail: one value per street cell (no layers), laid by ants
// that see the player and faded every decision pass. The session keeps it
// for the whole run; rounds and new games do not clear it.
#include <array>
#include <cstdint>

#include "world/city_grid.h"

struct ScentMap {
    std::array<int32_t, kCityLayerCells> cells{};

    int32_t& at(int x, int y) { return cells[cell_index(x, y)]; }
    int32_t at(int x, int y) const { return cells[cell_index(x, y)]; }
    // Every cell v becomes (100 - percent) * v / 100, truncated toward zero.
    void fade(int32_t percent);
};
