#pragma once
// The city: 10 layers of 148 x 148 cells. Layer 0 is ground, layers 1..7
// come from the level rows, layers 8 and 9 are air. Built once, then only read.
#include <cassert>
#include <cstdint>
#include <string>
#include <vector>

enum CellCode : int32_t { CellEmpty = 0, CellGround = 1, CellBlock = 2 };

constexpr int kCityColumns = 148;
constexpr int kCityRows = 148;
constexpr int kCityUpperLayers = 9;
constexpr int kCityLayers = kCityUpperLayers + 1;
constexpr int kCityLayerCells = kCityColumns * kCityRows;

struct CellCoord {
    int32_t x = 0;  // column 0..147
    int32_t y = 0;  // row 0..147
    int32_t z = 0;  // layer 0..9; an actor on the ground has z = 1
};

// Within a layer x is the slow index, matching the order the rows are read in.
inline int cell_index(int x, int y) { return x * kCityRows + y; }

struct CityGrid {
    uint32_t column_count = 0;
    uint32_t row_count = 0;
    uint32_t upper_layer_count = 0;
    std::vector<std::vector<int32_t>> cells;  // cells[z][cell_index(x, y)]

    CityGrid() = default;
    CityGrid(const CityGrid&) = delete;
    CityGrid& operator=(const CityGrid&) = delete;

    // Builds the grid from the level compiled into the program.
    void init();
    // Builds the grid from other rows (tests, tools): rows[148*b + y][x] is
    // block b. Missing rows and characters read as empty.
    void init(const std::vector<std::string>& rows);
};

// Callers keep every coordinate inside the grid; debug builds (the sanitizer
// tests, the fuzz targets, the soak) stop at the first read that is not.
inline int32_t cell_at(const CityGrid& city, int x, int y, int z) {
    assert(x >= 0 && x < kCityColumns && y >= 0 && y < kCityRows && z >= 0 &&
           size_t(z) < city.cells.size());
    return city.cells[z][cell_index(x, y)];
}
