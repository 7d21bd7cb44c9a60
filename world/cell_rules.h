#pragma once
// Cell rules that need no actor: the code of any cell, even off the grid's
// layers, and the cell one step ahead in a facing, wrapped around the city.
#include <cstdint>

struct CityGrid;

// An actor stands in layers 1..9: layer 0 is the ground itself and nothing
// lies above layer 9.
constexpr int32_t kLowestActorLayer = 1;
constexpr int32_t kHighestActorLayer = 9;

struct CellXY {
    int32_t x = 0;
    int32_t y = 0;
};

// The code of a grid cell. Layers below the grid read as ground and layers
// above it as air, so a probe at the top or bottom layer never reads outside.
int32_t cell_code(const CityGrid& city, int x, int y, int z);

// The cell one step from (x, y) in `facing` (0: y-1, 1: x-1, 2: y+1, 3: x+1);
// the changed coordinate wraps, so -1 becomes 147 and 148 becomes 0.
CellXY cell_ahead(int32_t x, int32_t y, int32_t facing);
