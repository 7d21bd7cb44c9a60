#include "world/level_check.h"

#include <algorithm>
#include <deque>
#include <sstream>

#include "world/level_landmarks.h"
#include "world/level_rows.h"

namespace {

bool is_block(const CityGrid& city, int x, int y, int z) {
    return cell_at(city, x, y, z) == CellBlock;
}

std::string cell_text(int x, int y, int z) {
    return "(" + std::to_string(x) + ", " + std::to_string(y) + ", " + std::to_string(z) + ")";
}

std::string cell_text(CellCoord c) { return cell_text(c.x, c.y, c.z); }

void expect(LevelCheck& report, const std::string& what, long expected, long found) {
    if (expected != found) {
        report.problems.push_back(what + ": expected " + std::to_string(expected) + ", found " +
                                  std::to_string(found));
    }
}

bool in_border(int x, int y) {
    return x < kBorderWidth || y < kBorderWidth || x > kCityColumns - 1 - kBorderWidth ||
           y > kCityRows - 1 - kBorderWidth;
}

bool on_ring(int x, int y) {
    bool side_x = (x == kWallLow || x == kWallHigh) && y >= kWallLow && y <= kWallHigh;
    bool side_y = (y == kWallLow || y == kWallHigh) && x >= kWallLow && x <= kWallHigh;
    return side_x || side_y;
}

bool in_gate(int x, int y) { return y == kGateRow && x >= kGateFirstX && x <= kGateLastX; }

bool inside(int x, int y) {
    return x >= kInsideLow && x <= kInsideHigh && y >= kInsideLow && y <= kInsideHigh;
}

// The four corner towers, solid up to layer 6.
void check_corner_towers(const CityGrid& city, LevelCheck& report) {
    const int corners[4][2] = {{kWallLow, kWallLow}, {kWallHigh, kWallLow},
                               {kWallLow, kWallHigh}, {kWallHigh, kWallHigh}};
    for (const auto& c : corners) {
        int height = column_height(city, c[0], c[1]);
        int under = empty_under_top(city, c[0], c[1]);
        if (height != kCornerSolidBlocks || under != 0) {
            report.problems.push_back("corner tower (" + std::to_string(c[0]) + ", " +
                                      std::to_string(c[1]) + "): expected solid to layer 6, found " +
                                      std::to_string(height - under) + " blocks up to layer " +
                                      std::to_string(height));
        }
    }
}

// Border, wall ring, gate, corner towers, the two example rows and the solid
// count of every block.
void check_wall(const CityGrid& city, LevelCheck& report) {
    int border_blocks = 0;
    std::string first_border;
    int ring[kLevelBlocks] = {};
    int solid[kLevelBlocks] = {};
    int gate_blocks = 0;
    for (int b = 0; b < kLevelBlocks; ++b) {
        for (int x = 0; x < kCityColumns; ++x) {
            for (int y = 0; y < kCityRows; ++y) {
                if (!is_block(city, x, y, b + 1)) continue;
                ++solid[b];
                if (in_border(x, y) && border_blocks++ == 0) first_border = cell_text(x, y, b + 1);
                if (on_ring(x, y)) ++ring[b];
                if (in_gate(x, y)) ++gate_blocks;
            }
        }
    }
    if (border_blocks > 0) {
        report.problems.push_back("border: expected 0 blocks, found " +
                                  std::to_string(border_blocks) + " (first at " + first_border +
                                  ")");
    }
    for (int b = 0; b < kLevelBlocks; ++b) {
        expect(report, "solid cells in block " + std::to_string(b), kBlockSolidCells[b], solid[b]);
        expect(report, "outer wall cells in block " + std::to_string(b), kWallSolidCells[b],
               ring[b]);
    }
    expect(report, "gate blocks (y 137, x 56..69, all blocks)", 0, gate_blocks);
    check_corner_towers(city, report);
    // The rows as drawn: '.' x10, '#' x128, '.' x10 on row 10; the gate row
    // with its 14-cell opening.
    for (int x = 0; x < kCityColumns; ++x) {
        bool wall = x >= kWallLow && x <= kWallHigh;
        bool gate_row_wall = wall && !(x >= kGateFirstX && x <= kGateLastX);
        if (is_block(city, x, kWallLow, 1) != wall) {
            report.problems.push_back("row 10 of block 0: expected " + std::string(wall ? "#" : ".") +
                                      " at x " + std::to_string(x));
            break;
        }
        for (int b = 0; b < 2; ++b) {
            if (is_block(city, x, kGateRow, b + 1) != gate_row_wall) {
                report.problems.push_back("row 137 of block " + std::to_string(b) + ": expected " +
                                          (gate_row_wall ? "#" : ".") + " at x " +
                                          std::to_string(x));
                x = kCityColumns;
                break;
            }
        }
    }
}

// Heights, overhangs and the stair cross of the columns inside the wall.
void check_columns(const CityGrid& city, LevelCheck& report) {
    int built = 0, overhang_columns = 0, overhang_cells = 0;
    int by_height[kMaxHeight + 1] = {};
    int too_high = 0;
    for (int x = kInsideLow; x <= kInsideHigh; ++x) {
        for (int y = kInsideLow; y <= kInsideHigh; ++y) {
            int height = column_height(city, x, y);
            if (height == 0) continue;
            ++built;
            if (height > kMaxHeight) ++too_high;
            else ++by_height[height];
            int under = empty_under_top(city, x, y);
            overhang_cells += under;
            if (under > 0) ++overhang_columns;
        }
    }
    expect(report, "built inside columns", kBuiltColumns, built);
    for (int h = 1; h <= kMaxHeight; ++h) {
        expect(report, "inside columns of height " + std::to_string(h), kColumnsOfHeight[h - 1],
               by_height[h]);
    }
    expect(report, "inside columns above height 6", 0, too_high);
    expect(report, "overhang columns", kOverhangColumns, overhang_columns);
    expect(report, "empty cells under column tops", kOverhangCells, overhang_cells);
    const int arms[4][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
    for (const auto& arm : arms) {
        for (int step = 1; step <= kStairSteps; ++step) {
            int x = kStairCrossX + arm[0] * (kStairSteps + 1 - step);
            int y = kStairCrossY + arm[1] * (kStairSteps + 1 - step);
            expect(report, "stair cross column (" + std::to_string(x) + ", " + std::to_string(y) +
                               ") height", step, column_height(city, x, y));
        }
    }
}

struct Structure {
    int footprint = 0;
    int x_min = kCityColumns, x_max = -1, y_min = kCityRows, y_max = -1;
    int top_layer = 0;
    int overhang_columns = 0;
};

// Footprints joined through shared sides, largest first.
std::vector<Structure> find_structures(const CityGrid& city) {
    std::vector<int> seen(kCityLayerCells, 0);
    std::vector<Structure> found;
    for (int x0 = kInsideLow; x0 <= kInsideHigh; ++x0) {
        for (int y0 = kInsideLow; y0 <= kInsideHigh; ++y0) {
            if (seen[cell_index(x0, y0)] || column_height(city, x0, y0) == 0) continue;
            Structure s;
            std::vector<std::pair<int, int>> stack{{x0, y0}};
            seen[cell_index(x0, y0)] = 1;
            while (!stack.empty()) {
                auto [x, y] = stack.back();
                stack.pop_back();
                ++s.footprint;
                s.x_min = std::min(s.x_min, x);
                s.x_max = std::max(s.x_max, x);
                s.y_min = std::min(s.y_min, y);
                s.y_max = std::max(s.y_max, y);
                s.top_layer = std::max(s.top_layer, column_height(city, x, y));
                if (empty_under_top(city, x, y) > 0) ++s.overhang_columns;
                const int steps[4][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
                for (const auto& d : steps) {
                    int nx = x + d[0], ny = y + d[1];
                    if (!inside(nx, ny) || seen[cell_index(nx, ny)]) continue;
                    if (column_height(city, nx, ny) == 0) continue;
                    seen[cell_index(nx, ny)] = 1;
                    stack.push_back({nx, ny});
                }
            }
            found.push_back(s);
        }
    }
    std::stable_sort(found.begin(), found.end(),
                     [](const Structure& a, const Structure& b) { return a.footprint > b.footprint; });
    return found;
}

void check_structures(const CityGrid& city, LevelCheck& report) {
    std::vector<Structure> found = find_structures(city);
    expect(report, "structures", kStructureCount, long(found.size()));
    long singles = std::count_if(found.begin(), found.end(),
                                 [](const Structure& s) { return s.footprint == 1; });
    expect(report, "single pillars", kSinglePillars, singles);
    for (int i = 0; i < kLargeStructureCount; ++i) {
        const LargeStructure& want = kLargeStructures[i];
        std::string name = "structure " + std::to_string(i + 1) + " by size";
        if (i >= int(found.size())) {
            report.problems.push_back(name + ": expected footprint " +
                                      std::to_string(want.footprint) + ", found none");
            continue;
        }
        const Structure& s = found[i];
        expect(report, name + " footprint", want.footprint, s.footprint);
        expect(report, name + " x min", want.x_min, s.x_min);
        expect(report, name + " x max", want.x_max, s.x_max);
        expect(report, name + " y min", want.y_min, s.y_min);
        expect(report, name + " y max", want.y_max, s.y_max);
        expect(report, name + " highest layer", want.top_layer, s.top_layer);
        expect(report, name + " overhang columns", want.overhang_columns, s.overhang_columns);
    }
    const int smallest_large = kLargeStructures[kLargeStructureCount - 1].footprint;
    if (int(found.size()) > kLargeStructureCount &&
        found[kLargeStructureCount].footprint >= smallest_large) {
        report.problems.push_back("structure 7 by size footprint: expected below " +
                                  std::to_string(smallest_large) + ", found " +
                                  std::to_string(found[kLargeStructureCount].footprint));
    }
}

// A cell outside the grid stands nowhere: the path searches take any start.
bool free_standing(const CityGrid& city, CellCoord c) {
    return c.x >= 0 && c.x < kCityColumns && c.y >= 0 && c.y < kCityRows && c.z >= 1 &&
           c.z < kCityLayers && cell_at(city, c.x, c.y, c.z) == CellEmpty &&
           cell_at(city, c.x, c.y, c.z - 1) != CellEmpty;
}

// The fixed cells of the actors, the grid's fixed layers, and the
// orientation: read with x and y swapped the level must not still fit.
void check_fixed_cells(const CityGrid& city, LevelCheck& report) {
    auto need_free = [&](const std::string& what, CellCoord c) {
        if (!free_standing(city, c)) {
            report.problems.push_back(what + " " + cell_text(c) +
                                      ": expected an empty cell on ground or a block, found " +
                                      (cell_at(city, c.x, c.y, c.z) == CellBlock ? "a block"
                                                                                 : "nothing below"));
        }
    };
    need_free("player start", kPlayerStartCell);
    need_free("grenade rest cell", kGrenadeRestCell);
    for (int i = 0; i < kAntStartCount; ++i) {
        need_free("ant start " + std::to_string(i), kAntStartCells[i]);
    }
    for (int i = 0; i < kHostageSpotCount; ++i) {
        need_free("hostage spot " + std::to_string(i), kHostageSpots[i]);
    }
    int bad_ground = 0, bad_air = 0;
    for (int i = 0; i < kCityLayerCells; ++i) {
        if (city.cells[0][i] != CellGround) ++bad_ground;
        for (int z = kLevelBlocks; z < kCityLayers; ++z) bad_air += city.cells[z][i] != CellEmpty;
    }
    expect(report, "ground layer cells that are not ground", 0, bad_ground);
    expect(report, "blocks in layers 7..9", 0, bad_air);
    int mirrored_free = 0;
    auto mirrored = [&](CellCoord c) {
        mirrored_free += free_standing(city, CellCoord{c.y, c.x, c.z});
    };
    mirrored(kPlayerStartCell);
    mirrored(kGrenadeRestCell);
    for (const CellCoord& c : kHostageSpots) mirrored(c);
    if (mirrored_free == 2 + kHostageSpotCount) {
        report.problems.push_back("orientation: expected the level read with x and y swapped to "
                                  "block a fixed cell, found all of them free");
    }
}

int flat_index(CellCoord c) { return c.z * kCityLayerCells + cell_index(c.x, c.y); }

// Where a player stepping into (x, y, z) comes to rest.
CellCoord settle(const CityGrid& city, int x, int y, int z) {
    while (z > 1 && cell_at(city, x, y, z - 1) == CellEmpty) --z;
    return CellCoord{x, y, z};
}

int wrap(int v) { return (kCityColumns + v % kCityColumns) % kCityColumns; }

bool outside_wall(CellCoord c) {
    return c.x < kWallLow || c.y < kWallLow || c.x > kWallHigh + 1 || c.y > kWallHigh + 1;
}

// Breadth-first search over standing cells; stops early when `stop` says so.
template <class Stop>
std::vector<uint8_t> search(const CityGrid& city, CellCoord start, Stop stop) {
    std::vector<uint8_t> seen(size_t(kCityLayers) * kCityLayerCells, 0);
    if (!free_standing(city, start)) return seen;
    std::deque<CellCoord> queue{start};
    seen[flat_index(start)] = 1;
    const int steps[4][2] = {{0, -1}, {-1, 0}, {0, 1}, {1, 0}};
    while (!queue.empty()) {
        CellCoord c = queue.front();
        queue.pop_front();
        if (stop(c)) break;
        for (const auto& d : steps) {
            int nx = wrap(c.x + d[0]), ny = wrap(c.y + d[1]);
            CellCoord next[2];
            int count = 0;
            if (!is_block(city, nx, ny, c.z)) next[count++] = settle(city, nx, ny, c.z);
            if (c.z + 1 < kCityLayers && !is_block(city, c.x, c.y, c.z + 1) &&
                !is_block(city, nx, ny, c.z + 1)) {
                next[count++] = settle(city, nx, ny, c.z + 1);
            }
            for (int i = 0; i < count; ++i) {
                uint8_t& flag = seen[flat_index(next[i])];
                if (!flag) {
                    flag = 1;
                    queue.push_back(next[i]);
                }
            }
        }
    }
    return seen;
}

void check_playability(const CityGrid& city, LevelCheck& report) {
    if (!free_standing(city, kPlayerStartCell)) return;  // reported already
    std::vector<uint8_t> from_gate = reachable_cells(city, kPlayerStartCell);
    for (int i = 0; i < kHostageSpotCount; ++i) {
        CellCoord spot = kHostageSpots[i];
        if (!free_standing(city, spot)) continue;
        if (!from_gate[flat_index(spot)]) {
            report.problems.push_back("reach hostage spot " + std::to_string(i) + " " +
                                      cell_text(spot) +
                                      " from the gate: expected reachable, found unreachable");
        } else if (!can_walk_out(city, spot)) {
            report.problems.push_back("walk out from hostage spot " + std::to_string(i) + " " +
                                      cell_text(spot) + ": expected a way out, found none");
        }
    }
}

}  // namespace

int column_height(const CityGrid& city, int x, int y) {
    for (int z = kCityLayers - 1; z >= 1; --z) {
        if (is_block(city, x, y, z)) return z;
    }
    return 0;
}

int empty_under_top(const CityGrid& city, int x, int y) {
    int height = column_height(city, x, y);
    int empty = 0;
    for (int z = 1; z < height; ++z) empty += !is_block(city, x, y, z);
    return empty;
}

std::vector<uint8_t> reachable_cells(const CityGrid& city, CellCoord start) {
    return search(city, start, [](CellCoord) { return false; });
}

bool can_walk_out(const CityGrid& city, CellCoord from) {
    bool out = false;
    search(city, from, [&](CellCoord c) { return out = outside_wall(c); });
    return out;
}

LevelCheck check_level(const CityGrid& city) {
    LevelCheck report;
    check_wall(city, report);
    check_columns(city, report);
    check_structures(city, report);
    check_fixed_cells(city, report);
    check_playability(city, report);
    return report;
}

LevelCheck check_level_text(std::string_view text) {
    LevelCheck report;
    std::vector<std::string> rows;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        rows.emplace_back(text.substr(start, end - start));
        start = end + 1;
    }
    expect(report, "level rows", kLevelRowCount, long(rows.size()));
    for (size_t i = 0; i < rows.size(); ++i) {
        const std::string& row = rows[i];
        bool only_marks = row.find_first_not_of(".#") == std::string::npos;
        if (row.size() != size_t(kLevelRowLength) || !only_marks) {
            report.problems.push_back("level row " + std::to_string(i + 1) +
                                      ": expected 148 characters of '.' and '#', found " +
                                      std::to_string(row.size()) + " characters" +
                                      (only_marks ? "" : " with others among them"));
            return report;
        }
    }
    if (!report.ok()) return report;
    CityGrid city;
    city.init(rows);
    return check_level(city);
}
