// The city's plan: the wall, the six large buildings, the stair cross, the
// small buildings that carry the captive spots, a grid of house lots and the
// pillars on the squares. Heights and profiles set here are wishes; the
// search settles them.
#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "tools/city_gen_plan.h"
#include "world/level_check.h"
#include "world/level_landmarks.h"

namespace {

struct Rect {
    int x0, y0, x1, y1;  // inclusive
};

void set_column(CityPlan& plan, int x, int y, int role, int owner, int height, int shape) {
    ColumnPlan& c = plan.at(x, y);
    c.role = role;
    c.owner = owner;
    c.want_height = c.height = height;
    c.want_shape = c.shape = shape;
}

void fill(CityPlan& plan, Rect r, int role, int owner, int height) {
    for (int x = r.x0; x <= r.x1; ++x) {
        for (int y = r.y0; y <= r.y1; ++y) set_column(plan, x, y, role, owner, height, ShapeSolid);
    }
}

void clear(CityPlan& plan, Rect r) {
    for (int x = r.x0; x <= r.x1; ++x) {
        for (int y = r.y0; y <= r.y1; ++y) plan.at(x, y) = ColumnPlan{};
    }
}

void keep_clear(CityPlan& plan, Rect r) {
    for (int x = std::max(r.x0, 0); x <= std::min(r.x1, kCityColumns - 1); ++x) {
        for (int y = std::max(r.y0, 0); y <= std::min(r.y1, kCityRows - 1); ++y) {
            plan.keep_clear[cell_index(x, y)] = 1;
        }
    }
}

void lock(CityPlan& plan, int x, int y, int height) {
    ColumnPlan& c = plan.at(x, y);
    int owner = c.owner;
    set_column(plan, x, y, RoleLocked, owner, height, ShapeSolid);
}

// A run of one-block steps from (x, y) in direction (dx, dy), heights
// first .. first + count - 1.
void stairs(CityPlan& plan, int x, int y, int dx, int dy, int first, int count, int owner) {
    for (int i = 0; i < count; ++i) {
        plan.at(x + dx * i, y + dy * i).owner = owner;
        lock(plan, x + dx * i, y + dy * i, first + i);
    }
    keep_clear(plan, Rect{x - dx, y - dy, x - dx, y - dy});  // where the climb starts
}

// The wall: solid to two layers everywhere but the gate; towers at the
// corners, beside the gate and along the sides; battlements between them.
void build_wall(CityPlan& plan) {
    std::vector<std::pair<int, int>> ring;
    for (int x = kWallLow; x < kWallHigh; ++x) ring.push_back({x, kWallLow});
    for (int y = kWallLow; y < kWallHigh; ++y) ring.push_back({kWallHigh, y});
    for (int x = kWallHigh; x > kWallLow; --x) ring.push_back({x, kWallHigh});
    for (int y = kWallHigh; y > kWallLow; --y) ring.push_back({kWallLow, y});
    auto set_h = [&](int x, int y, int h) { set_column(plan, x, y, RoleWall, -1, h, ShapeSolid); };
    for (auto [x, y] : ring) {
        bool gate = y == kGateRow && x >= kGateFirstX && x <= kGateLastX;
        if (!gate) set_h(x, y, 2);
    }
    // Towers: 6 at the centre, 5 and 4 on their flanks.
    const int towers[][4] = {  // x, y, along-x, length
        {41, kWallLow, 1, 2},  {105, kWallLow, 1, 2}, {kWallLow, 41, 0, 2},
        {kWallLow, 105, 0, 2}, {kWallHigh, 41, 0, 2}, {kWallHigh, 105, 0, 2},
    };
    for (const auto& t : towers) {
        int dx = t[2], dy = 1 - t[2];
        for (int i = -2; i < t[3] + 2; ++i) {
            int d = i < 0 ? -i : (i >= t[3] ? i - t[3] + 1 : 0);
            set_h(t[0] + dx * i, t[1] + dy * i, 6 - d);
        }
    }
    const int corners[4][2] = {{kWallLow, kWallLow}, {kWallHigh, kWallLow},
                               {kWallLow, kWallHigh}, {kWallHigh, kWallHigh}};
    for (const auto& c : corners) {
        set_h(c[0], c[1], 6);
        int sx = c[0] == kWallLow ? 1 : -1, sy = c[1] == kWallLow ? 1 : -1;
        for (int d = 1; d <= 2; ++d) {
            set_h(c[0] + sx * d, c[1], 6 - d);
            set_h(c[0], c[1] + sy * d, 6 - d);
        }
    }
    set_h(kGateFirstX - 1, kGateRow, 6);  // gate towers
    set_h(kGateLastX + 1, kGateRow, 6);
    set_h(kGateFirstX - 2, kGateRow, 4);
    set_h(kGateLastX + 2, kGateRow, 4);
    set_h(73, kWallLow, 5);  // the turret over the north road
    set_h(72, kWallLow, 4);
    set_h(74, kWallLow, 4);
    // Battlements: the remaining turrets and merlons spread evenly.
    std::vector<std::pair<int, int>> free;
    for (auto [x, y] : ring) {
        if (plan.at(x, y).role == RoleWall && plan.at(x, y).height == 2) free.push_back({x, y});
    }
    auto count_at_least = [&](int h) {
        int n = 0;
        for (auto [x, y] : ring) n += plan.at(x, y).role == RoleWall && plan.at(x, y).height >= h;
        return n;
    };
    int turrets = kWallSolidCells[3] - count_at_least(4);
    for (int i = 0; i < turrets; ++i) {
        auto [x, y] = free[(2 * i + 1) * free.size() / (2 * turrets)];
        set_h(x, y, 4);
    }
    free.clear();
    for (auto [x, y] : ring) {
        if (plan.at(x, y).role == RoleWall && plan.at(x, y).height == 2) free.push_back({x, y});
    }
    int merlons = kWallSolidCells[2] - count_at_least(3);
    for (int i = 0; i < merlons; ++i) {
        auto [x, y] = free[(2 * i + 1) * free.size() / (2 * merlons)];
        set_h(x, y, 3);
    }
}

// The wished heights of a large building: low at its edges, rising inward,
// an arcade of every other column along the street front, open top storeys
// in the middle.
void shape_building(CityPlan& plan, Rect box, int owner) {
    auto in_building = [&](int x, int y) {
        return x >= box.x0 && x <= box.x1 && y >= box.y0 && y <= box.y1 &&
               plan.at(x, y).owner == owner && plan.at(x, y).role != RoleStreet;
    };
    for (int x = box.x0; x <= box.x1; ++x) {
        for (int y = box.y0; y <= box.y1; ++y) {
            ColumnPlan& c = plan.at(x, y);
            if (!in_building(x, y) || c.role != RoleBody) continue;
            int depth = 0;
            while (depth < 4 && in_building(x - depth - 1, y) && in_building(x + depth + 1, y) &&
                   in_building(x, y - depth - 1) && in_building(x, y + depth + 1)) {
                ++depth;
            }
            c.want_height = c.height = std::min(6, 3 + depth);
            if (depth == 0) c.want_shape = (x + y) % 2 ? ShapeArcade : ShapeSolid;
            else if (depth >= 2) c.want_shape = (x + y) % 3 ? ShapeLoggia : ShapeArcadeLoggia;
            else c.want_shape = ShapeArcade;
            c.shape = c.want_shape;
        }
    }
}

void large_buildings(CityPlan& plan) {
    // 0: the palace north of the centre, round a square courtyard.
    fill(plan, Rect{57, 49, 69, 62}, RoleBody, 0, 4);
    clear(plan, Rect{61, 53, 65, 57});
    fill(plan, Rect{63, 58, 63, 62}, RolePassage, 0, 4);
    shape_building(plan, Rect{57, 49, 69, 62}, 0);
    stairs(plan, 57, 51, 1, 0, 1, 2, 0);
    lock(plan, 59, 51, 2);
    lock(plan, 57, 62, 6);
    // 1: the hall by the south gate, with a stair up its courtyard side.
    fill(plan, Rect{82, 117, 94, 132}, RoleBody, 1, 4);
    clear(plan, Rect{85, 121, 91, 128});
    clear(plan, Rect{82, 117, 82, 117});
    clear(plan, Rect{94, 117, 94, 117});
    fill(plan, Rect{88, 117, 88, 120}, RolePassage, 1, 4);
    shape_building(plan, Rect{82, 117, 94, 132}, 1);
    stairs(plan, 87, 129, 0, 1, 1, 3, 1);
    lock(plan, 94, 132, 6);
    // 2: the T-shaped block with a stair to the tip of its stem.
    fill(plan, Rect{80, 43, 99, 46}, RoleBody, 2, 4);
    for (int x : {80, 99}) clear(plan, Rect{x, 43, x, 43}), clear(plan, Rect{x, 46, x, 46});
    fill(plan, Rect{88, 47, 91, 55}, RoleBody, 2, 4);
    shape_building(plan, Rect{80, 43, 99, 55}, 2);
    for (int step = 1; step <= 4; ++step) lock(plan, 91, 51 + step, step);
    keep_clear(plan, Rect{92, 52, 92, 52});  // the climb starts from the street
    lock(plan, 90, 55, 4);
    lock(plan, 89, 55, 4);
    lock(plan, 80, 44, 6);
    // 3: two towers joined by a bridge.
    fill(plan, Rect{112, 39, 117, 46}, RoleBody, 3, 4);
    fill(plan, Rect{127, 39, 132, 46}, RoleBody, 3, 4);
    for (int x : {112, 132}) clear(plan, Rect{x, 39, x, 39}), clear(plan, Rect{x, 46, x, 46});
    shape_building(plan, Rect{112, 39, 132, 46}, 3);
    fill(plan, Rect{118, 42, 126, 43}, RoleBridge, 3, 5);
    for (int x = 118; x <= 126; ++x) {
        for (int y = 42; y <= 43; ++y) plan.at(x, y).want_shape = plan.at(x, y).shape = ShapeFloating;
    }
    lock(plan, 114, 42, 6);
    // 4: the long market hall in the south-east.
    fill(plan, Rect{112, 122, 127, 127}, RoleBody, 4, 4);
    shape_building(plan, Rect{112, 122, 127, 127}, 4);
    lock(plan, 112, 122, 6);
    // 5: the west cloister, a ring round a garden with a gate on its west side.
    fill(plan, Rect{21, 48, 34, 61}, RoleBody, 5, 3);
    clear(plan, Rect{23, 50, 32, 59});
    clear(plan, Rect{21, 48, 21, 48});
    clear(plan, Rect{34, 48, 34, 48});
    fill(plan, Rect{21, 55, 22, 55}, RolePassage, 5, 3);
    shape_building(plan, Rect{21, 48, 34, 61}, 5);
    lock(plan, 28, 60, 1);
    lock(plan, 34, 61, 6);
    const Rect boxes[] = {{57, 49, 69, 62},   {82, 117, 94, 132}, {80, 43, 99, 55},
                          {112, 39, 132, 46}, {112, 122, 127, 127}, {21, 48, 34, 61}};
    for (const Rect& r : boxes) keep_clear(plan, Rect{r.x0 - 1, r.y0 - 1, r.x1 + 1, r.y1 + 1});
}

// A small building of `box` with a locked landing at (x, y) of height h and
// a stair of h - 1 steps coming to it from direction (-dx, -dy).
void spot_house(CityPlan& plan, Rect box, int x, int y, int h, int dx, int dy, int body_height) {
    fill(plan, box, RoleBody, -1, body_height);
    for (int xx = box.x0; xx <= box.x1; ++xx) {
        for (int yy = box.y0; yy <= box.y1; ++yy) {
            bool edge = xx == box.x0 || xx == box.x1 || yy == box.y0 || yy == box.y1;
            if (edge && (xx + yy) % 2) plan.at(xx, yy).want_shape = plan.at(xx, yy).shape = ShapeArcade;
        }
    }
    if (h > 1) stairs(plan, x - dx * (h - 1), y - dy * (h - 1), dx, dy, 1, h - 1, -1);
    else keep_clear(plan, Rect{x - dx, y - dy, x - dx, y - dy});
    lock(plan, x, y, h);
    int sx = std::min(box.x0, x - dx * (h - 1)), sy = std::min(box.y0, y - dy * (h - 1));
    keep_clear(plan, Rect{sx - 1, sy - 1, box.x1 + 1, box.y1 + 1});
}

void landmarks(CityPlan& plan) {
    // The stair cross and its monument.
    set_column(plan, kStairCrossX, kStairCrossY, RoleLocked, -1, 6, ShapeSolid);
    const int arms[4][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
    for (const auto& a : arms) {
        stairs(plan, kStairCrossX + a[0] * kStairSteps, kStairCrossY + a[1] * kStairSteps, -a[0],
               -a[1], 1, kStairSteps, -1);
    }
    keep_clear(plan, Rect{kStairCrossX - 7, kStairCrossY - 7, kStairCrossX + 7, kStairCrossY + 7});
    // The watchtower: a stair of five steps to a six-high lookout.
    fill(plan, Rect{45, 77, 47, 79}, RoleBody, -1, 6);
    stairs(plan, 40, 78, 1, 0, 1, 5, -1);
    lock(plan, 45, 78, 6);
    keep_clear(plan, Rect{38, 75, 48, 80});
    spot_house(plan, Rect{18, 99, 22, 103}, 18, 101, 3, 1, 0, 3);
    spot_house(plan, Rect{111, 107, 115, 111}, 111, 109, 3, 1, 0, 4);
    spot_house(plan, Rect{82, 93, 86, 97}, 82, 95, 3, 1, 0, 4);
    spot_house(plan, Rect{86, 27, 90, 31}, 86, 29, 1, 1, 0, 2);
    spot_house(plan, Rect{123, 63, 127, 67}, 123, 65, 1, 1, 0, 3);
    spot_house(plan, Rect{42, 18, 46, 22}, 42, 20, 1, 1, 0, 2);
    spot_house(plan, Rect{123, 101, 127, 105}, 123, 103, 1, 1, 0, 3);
    // Street cells the actors need, with room around them.
    auto keep_cell = [&](CellCoord c) { keep_clear(plan, Rect{c.x - 1, c.y - 1, c.x + 1, c.y + 1}); };
    keep_cell(kGrenadeRestCell);
    for (const CellCoord& c : kAntStartCells) keep_cell(c);
    for (const CellCoord& c : kHostageSpots) {
        if (c.z == 1) keep_cell(c);
    }
    // The gate square and the avenue north from it.
    keep_clear(plan, Rect{50, 117, 74, 136});
    keep_clear(plan, Rect{57, 64, 67, 116});
}

uint32_t mix(uint32_t v) {
    v ^= v >> 16;
    v *= 0x7feb352dU;
    v ^= v >> 15;
    v *= 0x846ca68bU;
    v ^= v >> 16;
    return v;
}

bool lot_is_clear(const CityPlan& plan, Rect r) {
    for (int x = r.x0 - 1; x <= r.x1 + 1; ++x) {
        for (int y = r.y0 - 1; y <= r.y1 + 1; ++y) {
            if (plan.keep_clear[cell_index(x, y)] || plan.at(x, y).role != RoleStreet) return false;
        }
    }
    return true;
}

// The rest of the city on a grid of 7 x 7 lots with streets of three cells:
// houses on most lots, pillars on some of the crossings.
void houses_and_pillars(CityPlan& plan) {
    constexpr int kLot = 7, kPitch = 10, kFirst = 12;
    std::vector<Rect> lots;
    for (int i = 0; kFirst + i * kPitch + kLot - 1 <= kInsideHigh; ++i) {
        for (int j = 0; kFirst + j * kPitch + kLot - 1 <= kInsideHigh; ++j) {
            Rect r{kFirst + i * kPitch, kFirst + j * kPitch, kFirst + i * kPitch + kLot - 1,
                   kFirst + j * kPitch + kLot - 1};
            if (lot_is_clear(plan, r)) lots.push_back(r);
        }
    }
    // The squares of the gate carry four obelisks.
    const int obelisks[4][2] = {{54, 122}, {70, 122}, {54, 131}, {70, 131}};
    for (const auto& o : obelisks) set_column(plan, o[0], o[1], RolePillar, -1, 4, ShapeSolid);
    int fixed_columns = 0, fixed_multi = 0;
    for (const ColumnPlan& c : plan.columns) fixed_columns += c.role != RoleStreet && c.role != RoleWall;
    fixed_multi = 15;  // six large buildings, the cross, the watchtower, seven spot houses
    int pillars = kSinglePillars - 4;
    int houses = kStructureCount - kSinglePillars - fixed_multi;
    // Crossings of the lot streets that nothing crowds take the pillars.
    std::vector<Rect> crossings;
    for (int i = 1; kFirst + i * kPitch - 2 < kInsideHigh; ++i) {
        for (int j = 1; kFirst + j * kPitch - 2 < kInsideHigh; ++j) {
            int x = kFirst + i * kPitch - 2, y = kFirst + j * kPitch - 2;
            if (lot_is_clear(plan, Rect{x, y, x, y})) crossings.push_back(Rect{x, y, x, y});
        }
    }
    if (int(lots.size()) < houses || int(crossings.size()) < pillars) {
        std::fprintf(stderr, "make_city: %zu lots for %d houses, %zu crossings for %d pillars\n",
                     lots.size(), houses, crossings.size(), pillars);
        std::exit(1);
    }
    // The lots left over in a scrambled order stay squares.
    std::vector<int> order(lots.size());
    for (size_t i = 0; i < lots.size(); ++i) order[i] = int(i);
    std::sort(order.begin(), order.end(), [](int a, int b) { return mix(a * 7 + 3) < mix(b * 7 + 3); });
    std::vector<int> house_lots(order.begin(), order.begin() + houses);
    std::sort(house_lots.begin(), house_lots.end());
    // Sizes: 3..7 wide, the rows trimmed so the total comes out exact.
    int budget = kBuiltColumns - fixed_columns - pillars;
    std::vector<int> width(houses), size(houses);
    int total = 0;
    for (int k = 0; k < houses; ++k) {
        uint32_t h = mix(house_lots[k] + 101);
        width[k] = 3 + h % 5;
        size[k] = width[k] * (3 + (h >> 8) % 4);
        total += size[k];
    }
    for (int k = 0; total != budget; k = (k + 1) % houses) {
        int step = total < budget ? 1 : -1;
        int next = size[k] + step;
        if (next > width[k] && next <= width[k] * kLot) {
            size[k] = next;
            total += step;
        }
    }
    for (int k = 0; k < houses; ++k) {
        const Rect& lot = lots[house_lots[k]];
        uint32_t h = mix(house_lots[k] + 211);
        int rows = (size[k] + width[k] - 1) / width[k];
        int x0 = lot.x0 + int(h % (kLot - width[k] + 1));
        int y0 = lot.y0 + int((h >> 8) % (kLot - rows + 1));
        int centre = std::abs(x0 - 74) + std::abs(y0 - 74);
        int base = 1 + int((h >> 16) % 3) + (centre < 40 ? 1 : 0);
        for (int n = 0; n < size[k]; ++n) {
            int x = x0 + n % width[k], y = y0 + n / width[k];
            bool front = y == y0 || n / width[k] == rows - 1 || x == x0 || x == x0 + width[k] - 1;
            int shape = front && base >= 2 && (x + y) % 2 ? ShapeArcade : ShapeSolid;
            set_column(plan, x, y, RoleBody, -1, base + (front ? 0 : 1), shape);
        }
    }
    for (int k = 0; k < pillars; ++k) {
        const Rect& at = crossings[k * crossings.size() / pillars];
        set_column(plan, at.x0, at.y0, RolePillar, -1, 1 + int(mix(k) % 6), ShapeSolid);
    }
}

}  // namespace

void lay_out_city(CityPlan& plan) {
    build_wall(plan);
    large_buildings(plan);
    landmarks(plan);
    houses_and_pillars(plan);
}
