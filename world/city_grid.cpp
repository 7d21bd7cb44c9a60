#include "world/city_grid.h"

#include "world/level_rows.h"

namespace {
// Layers i = 0..6 of the append loop come from the rows; i = 7, 8 are air.
constexpr int kRowLayers = kCityUpperLayers - 2;
}

void CityGrid::init() {
    std::vector<std::string> rows(city_rows, city_rows + kLevelRowCount);
    init(rows);
}

void CityGrid::init(const std::vector<std::string>& rows) {
    column_count = kCityColumns;
    row_count = kCityRows;
    upper_layer_count = kCityUpperLayers;
    cells.clear();
    cells.emplace_back(kCityLayerCells, CellGround);
    for (int i = 0; i < int(upper_layer_count); ++i) {
        std::vector<int32_t> layer;
        layer.reserve(kCityLayerCells);
        for (int x = 0; x < kCityColumns; ++x) {
            for (int y = 0; y < kCityRows; ++y) {
                bool block = false;
                if (i < kRowLayers) {
                    size_t r = size_t(kCityRows) * i + y;
                    block = r < rows.size() && size_t(x) < rows[r].size() && rows[r][x] == '#';
                }
                layer.push_back(block ? CellBlock : CellEmpty);
            }
        }
        cells.push_back(std::move(layer));
    }
}
