#include "render/effects.h"

#include <algorithm>
#include <cmath>

#include "actors/grenade.h"
#include "world/cell_rules.h"
#include "world/city_grid.h"

namespace {
constexpr float kFullUntil = 0.2f;      // of a blast's time, shown at full strength
constexpr float kSpreadUntil = 0.2f;    // ... by when the glow covers every cell it reaches
constexpr float kHotUntil = 0.4f;       // ... by when the fireball has cooled to orange
// The fireball's radius, in reaches: at first, and what it grows by.
constexpr float kFireballStart = 0.35f;
constexpr float kFireballGrowth = 0.4f;

float smoothstep(float edge0, float edge1, float x) {
    const float t = std::clamp((x - edge0) / (edge1 - edge0), 0.0f, 1.0f);
    return t * t * (3.0f - 2.0f * t);
}

bool on_grid(int32_t x, int32_t y) {
    return x >= 0 && x < kCityColumns && y >= 0 && y < kCityRows;
}

// A floor the glow can lie on: open in the blast's layer, solid under it.
bool open_floor(const CityGrid& city, int32_t x, int32_t y, int32_t z) {
    return cell_code(city, x, y, z) != CellBlock && cell_code(city, x, y, z - 1) != CellEmpty;
}

// The reached cells within `front` cells of the centre.
std::vector<CellCoord> glowing_cells(const Effects& e, const CityGrid& city, float front) {
    std::vector<CellCoord> cells;
    const int32_t r = e.blast_radius;
    for (int32_t dy = -r; dy <= r; ++dy) {
        for (int32_t dx = -r; dx <= r; ++dx) {
            const int32_t x = e.blast_x + dx, y = e.blast_y + dy;
            if (!within_blast(dx, dy, r) || float(dx * dx + dy * dy) > front * front) continue;
            if (!on_grid(x, y) || !open_floor(city, x, y, e.blast_z)) continue;
            cells.push_back({x, y, e.blast_z});
        }
    }
    return cells;
}

BlastPicture describe_blast(const Effects& e, const CityGrid& city, float t) {
    BlastPicture b;
    b.centre = glm::vec3(float(e.blast_x), float(e.blast_y), float(e.blast_z));
    b.reach = float(e.blast_radius + 1);
    const float grown = 1.0f - std::pow(1.0f - t, 3.0f);
    b.radius = b.reach * (kFireballStart + kFireballGrowth * grown);
    b.strength = 1.0f - smoothstep(kFullUntil, 1.0f, t);
    b.heat = std::max(0.0f, 1.0f - t / kHotUntil);
    b.cells = glowing_cells(e, city, b.reach * std::min(1.0f, t / kSpreadUntil));
    return b;
}

// How far through an effect of `length` ticks begun at `start` the tick
// `now` is, in 0..1; negative when it is not showing.
float progress(int64_t start, int64_t length, int64_t now) {
    const int64_t age = now - start;
    if (age < 0 || age >= length) return -1.0f;
    return float(age) / float(length);
}
}  // namespace

void start_blast(Effects& effects, const Grenade& grenade, int64_t tick) {
    effects.blast = true;
    effects.blast_x = grenade.cell_x;
    effects.blast_y = grenade.cell_y;
    effects.blast_z = grenade.cell_z;
    effects.blast_radius = grenade.blast_radius;
    effects.blast_tick = tick;
}

void start_bite_flash(Effects& effects, int64_t tick) {
    effects.bite = true;
    effects.bite_tick = tick;
}

EffectsPicture describe_effects(const Effects& effects, const CityGrid& city, int64_t tick) {
    EffectsPicture picture;
    const float blast = effects.blast ? progress(effects.blast_tick, kBlastTicks, tick) : -1.0f;
    if (blast >= 0.0f) picture.blasts.push_back(describe_blast(effects, city, blast));
    const float bite = effects.bite ? progress(effects.bite_tick, kBiteFlashTicks, tick) : -1.0f;
    if (bite >= 0.0f) picture.edge_flash = 1.0f - bite;
    return picture;
}
