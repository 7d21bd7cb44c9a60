// Settling the column profiles. The layout fixes the footprints, so the
// structures are already what they must be; what is left are the figures
// that depend on each column's blocks: heights, empty cells per layer,
// overhang columns overall and in each large building. A seeded annealing
// search changes one free column at a time among the profiles its role
// allows, weighing the figures far above the design's wishes.
#include <cmath>
#include <utility>
#include <cstdio>

#include "tools/city_gen_plan.h"
#include "world/level_check.h"

uint8_t shape_mask(int shape, int height) {
    if (height < 1 || height > kMaxHeight) return 0;
    const uint8_t solid = uint8_t((1 << height) - 1);
    const uint8_t top = uint8_t(1 << (height - 1));
    const uint8_t under_roof = uint8_t(1 << (height - 2));
    switch (shape) {
    case ShapeSolid: return solid;
    case ShapeArcade: return height >= 2 ? uint8_t(solid & ~1) : 0;
    case ShapeLoggia: return height >= 3 ? uint8_t(solid & ~under_roof) : 0;
    case ShapeArcadeLoggia: return height >= 4 ? uint8_t(solid & ~1 & ~under_roof) : 0;
    case ShapeHighArch: return height >= 3 ? uint8_t(solid & ~3) : 0;
    case ShapeFloating: return height >= 2 ? top : 0;
    case ShapeDeck: return height >= 3 ? uint8_t(1 | top) : 0;
    default: return 0;
    }
}

namespace {

// Counters: heights 1..6, empty cells under tops in layers 1..5, overhang
// columns, overhang columns of each large building.
constexpr int kHeightCounter = 0;
constexpr int kEmptyCounter = kHeightCounter + kMaxHeight;
constexpr int kOverhangCounter = kEmptyCounter + kMaxHeight - 1;
constexpr int kOwnerCounter = kOverhangCounter + 1;
constexpr int kCounterCount = kOwnerCounter + kLargeStructureCount;
constexpr int kFigureWeight = 20;

struct Candidate {
    int shape, height;
};

struct Search {
    int count[kCounterCount] = {};
    int target[kCounterCount] = {};

    void apply(const ColumnPlan& c, int sign) {
        uint8_t mask = shape_mask(c.shape, c.height);
        count[kHeightCounter + c.height - 1] += sign;
        bool overhang = false;
        for (int z = 1; z < c.height; ++z) {
            if (!(mask & (1 << (z - 1)))) {
                count[kEmptyCounter + z - 1] += sign;
                overhang = true;
            }
        }
        if (overhang) {
            count[kOverhangCounter] += sign;
            if (c.owner >= 0) count[kOwnerCounter + c.owner] += sign;
        }
    }
    int figure_cost() const {
        int cost = 0;
        for (int i = 0; i < kCounterCount; ++i) cost += std::abs(count[i] - target[i]);
        return cost;
    }
};

int design_cost(const ColumnPlan& c) {
    int cost = std::abs(c.height - c.want_height);
    if (c.shape == c.want_shape) return cost;
    if (c.shape == ShapeFloating || c.shape == ShapeDeck) return cost + 3;
    if (c.shape == ShapeHighArch) return cost + 2;
    return cost + 1;
}

std::vector<Candidate> candidates_for(int role) {
    std::vector<int> shapes;
    switch (role) {
    case RoleBody: shapes = {ShapeSolid, ShapeArcade, ShapeLoggia, ShapeArcadeLoggia,
                             ShapeHighArch, ShapeFloating, ShapeDeck}; break;
    case RolePassage: shapes = {ShapeArcade, ShapeArcadeLoggia, ShapeHighArch, ShapeFloating}; break;
    case RoleBridge: shapes = {ShapeFloating, ShapeDeck}; break;
    case RolePillar: shapes = {ShapeSolid}; break;
    default: break;
    }
    std::vector<Candidate> out;
    for (int s : shapes) {
        for (int h = 1; h <= kMaxHeight; ++h) {
            if (shape_mask(s, h)) out.push_back({s, h});
        }
    }
    return out;
}

// splitmix64: the same sequence on every platform, unlike the standard
// distributions.
struct Random {
    uint64_t state;
    uint64_t next() {
        uint64_t z = (state += 0x9e3779b97f4a7c15ULL);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
        return z ^ (z >> 31);
    }
    int below(int n) { return int(next() % uint64_t(n)); }
    double unit() { return double(next() >> 11) / double(1ULL << 53); }
};

bool allowed(const std::vector<Candidate>& options, const ColumnPlan& c) {
    for (const Candidate& o : options) {
        if (o.shape == c.shape && o.height == c.height) return true;
    }
    return false;
}

bool counted(const ColumnPlan& c) { return c.role != RoleStreet && c.role != RoleWall; }

}  // namespace

bool settle_profiles(CityPlan& plan, uint64_t seed, std::string& report) {
    Search s;
    for (int h = 1; h <= kMaxHeight; ++h) s.target[kHeightCounter + h - 1] = kColumnsOfHeight[h - 1];
    for (int z = 1; z < kMaxHeight; ++z) {
        int at_least = 0;
        for (int h = z; h <= kMaxHeight; ++h) at_least += kColumnsOfHeight[h - 1];
        int solid = kBlockSolidCells[z - 1] - kWallSolidCells[z - 1];
        s.target[kEmptyCounter + z - 1] = at_least - solid;
    }
    s.target[kOverhangCounter] = kOverhangColumns;
    for (int i = 0; i < kLargeStructureCount; ++i) {
        s.target[kOwnerCounter + i] = kLargeStructures[i].overhang_columns;
    }
    std::vector<int> free;
    std::vector<std::vector<Candidate>> choices(RoleWall + 1);
    for (int r = 0; r <= RoleWall; ++r) choices[r] = candidates_for(r);
    for (int i = 0; i < kCityLayerCells; ++i) {
        const ColumnPlan& c = plan.columns[i];
        if (!counted(c)) continue;
        s.apply(c, +1);
        if (!choices[c.role].empty()) free.push_back(i);
    }
    Random random{seed};
    const long steps = 20000000;
    const double hot = 4.0, cold = 0.05;
    int figures = s.figure_cost();
    for (long step = 0; step < steps && figures > 0; ++step) {
        double temperature = hot * std::pow(cold / hot, double(step) / double(steps));
        ColumnPlan& c = plan.columns[free[random.below(int(free.size()))]];
        const std::vector<Candidate>& options = choices[c.role];
        Candidate pick = options[random.below(int(options.size()))];
        ColumnPlan old = c;
        int before = kFigureWeight * figures + design_cost(c);
        s.apply(c, -1);
        c.shape = pick.shape;
        c.height = pick.height;
        s.apply(c, +1);
        int new_figures = s.figure_cost();
        int after = kFigureWeight * new_figures + design_cost(c);
        int delta = after - before;
        if (delta <= 0 || random.unit() < std::exp(-delta / temperature)) {
            figures = new_figures;
        } else {
            s.apply(c, -1);
            c = old;
            s.apply(c, +1);
        }
    }
    // Polish: swapping the profiles of two columns of the same building (or
    // of two columns outside the large ones) keeps every figure, so such
    // swaps may freely bring columns closer to the design's wishes.
    for (long step = 0; figures == 0 && step < steps / 4; ++step) {
        ColumnPlan& a = plan.columns[free[random.below(int(free.size()))]];
        ColumnPlan& b = plan.columns[free[random.below(int(free.size()))]];
        if (a.owner != b.owner || !allowed(choices[a.role], b) || !allowed(choices[b.role], a)) continue;
        int before = design_cost(a) + design_cost(b);
        std::swap(a.shape, b.shape);
        std::swap(a.height, b.height);
        if (design_cost(a) + design_cost(b) > before) {
            std::swap(a.shape, b.shape);
            std::swap(a.height, b.height);
        }
    }
    report.clear();
    for (int i = 0; i < kCounterCount; ++i) {
        if (s.count[i] != s.target[i]) {
            char line[96];
            std::snprintf(line, sizeof line, "counter %d: wanted %d, reached %d\n", i, s.target[i],
                          s.count[i]);
            report += line;
        }
    }
    return figures == 0;
}

std::vector<std::string> plan_rows(const CityPlan& plan) {
    std::vector<std::string> rows(size_t(kLevelBlocks) * kCityRows, std::string(kCityColumns, '.'));
    for (int x = 0; x < kCityColumns; ++x) {
        for (int y = 0; y < kCityRows; ++y) {
            const ColumnPlan& c = plan.at(x, y);
            if (c.role == RoleStreet) continue;
            uint8_t mask = shape_mask(c.shape, c.height);
            for (int b = 0; b < kLevelBlocks; ++b) {
                if (mask & (1 << b)) rows[size_t(b) * kCityRows + y][x] = '#';
            }
        }
    }
    return rows;
}
