// The level checker on the real city with cells changed by the input. It
// must never read outside the grid (the grid's debug check and the address
// sanitizer watch every read), must pass the city unchanged and must refuse
// it with any single cell changed. The input's first three bytes also give
// a start cell, inside the grid or not, for the two path searches.
#include <fstream>
#include <sstream>
#include <vector>

#include "fuzz/fuzz_support.h"
#include "world/city_grid.h"
#include "world/level_check.h"
#include "world/level_rows.h"

namespace {

// The level file beside the sources (its path is compiled in).
std::string city_text() {
    std::ifstream file(SWARMFALL_CITY_TXT, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

// Cells are changed in place: layer 0 between ground and empty, any other
// layer between block and empty.
void toggle(CityGrid& city, int x, int y, int z) {
    int32_t& cell = city.cells[size_t(z)][size_t(cell_index(x, y))];
    const int32_t solid = z == 0 ? CellGround : CellBlock;
    cell = cell == CellEmpty ? solid : CellEmpty;
}

int changed_cells(const CityGrid& city, const CityGrid& original) {
    int changed = 0;
    for (int z = 0; z < kCityLayers; ++z) {
        for (int i = 0; i < kCityLayerCells; ++i) {
            changed += city.cells[size_t(z)][size_t(i)] != original.cells[size_t(z)][size_t(i)];
        }
    }
    return changed;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static CityGrid original;
    if (original.cells.empty()) {
        LevelRows rows = parse_level_rows(city_text(), "city.txt");
        fuzz::must(rows.ok, "the real city parses");
        original.init(rows.rows);
    }
    CityGrid city;
    city.column_count = original.column_count;
    city.row_count = original.row_count;
    city.upper_layer_count = original.upper_layer_count;
    city.cells = original.cells;

    CellCoord start{62, 137, 1};
    if (size >= 3) {
        start = CellCoord{int(data[0]) - 40, int(data[1]) - 40, int(data[2] % 16) - 3};
        data += 3;
        size -= 3;
    }
    for (size_t i = 0; i + 2 < size; i += 3) {
        toggle(city, data[i] % kCityColumns, data[i + 1] % kCityRows, data[i + 2] % kCityLayers);
    }

    const LevelCheck check = check_level(city);
    const int changed = changed_cells(city, original);
    if (changed == 0) fuzz::must(check.ok(), "the real city passes");
    if (changed == 1) fuzz::must(!check.ok(), "one changed cell is refused");

    const std::vector<uint8_t> reached = reachable_cells(city, start);
    fuzz::must(reached.size() == size_t(kCityLayers) * kCityLayerCells,
               "one flag per cell of the grid");
    (void)can_walk_out(city, start);
    return 0;
}
