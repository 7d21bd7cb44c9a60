#include "actors/scent_map.h"

void ScentMap::fade(int32_t percent) {
    const int32_t keep = 100 - percent;
    for (int32_t& v : cells) v = keep * v / 100;
}
