#include "actors/scent_map.h"

#include <array>

namespace {
std::array<int32_t, kCityLayerCells>& scent_map() {
    static std::array<int32_t, kCityLayerCells> map{};
    return map;
}
}  // namespace

int32_t& scent_at(int x, int y) { return scent_map()[cell_index(x, y)]; }

void fade_scent(int32_t percent) {
    const int32_t keep = 100 - percent;
    for (int32_t& v : scent_map()) v = keep * v / 100;
}

void reset_scent_map() { scent_map().fill(0); }
