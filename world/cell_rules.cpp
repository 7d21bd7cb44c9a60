#include "world/cell_rules.h"

#include "world/city_grid.h"

namespace {
// Wraps a coordinate onto the city's 148 columns or rows; the remainder of
// C++ takes the dividend's sign, hence the extra turn.
int32_t wrap(int32_t v) { return (kCityRows + (v % kCityRows)) % kCityRows; }
}  // namespace

int32_t cell_code(const CityGrid& city, int x, int y, int z) {
    if (z < 0) return CellGround;
    if (z >= kCityLayers) return CellEmpty;
    return cell_at(city, x, y, z);
}

CellXY cell_ahead(int32_t x, int32_t y, int32_t facing) {
    CellXY cell{x, y};
    switch (facing) {
    case 0: cell.y = wrap(y - 1); break;
    case 1: cell.x = wrap(x - 1); break;
    case 2: cell.y = wrap(y + 1); break;
    case 3: cell.x = wrap(x + 1); break;
    default: break;
    }
    return cell;
}
