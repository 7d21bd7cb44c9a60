#pragma once
// The city generator's working record: for every column of the map, what
// it is for (street, building body, passage, bridge, pillar, fixed stair or
// wall) and which profile of blocks it has. The layout fills the roles and
// the wished heights; the search then picks each column's profile so that the
// whole city meets its figures exactly.
#include <cstdint>
#include <string>
#include <vector>

#include "world/city_grid.h"

enum ColumnRole : int {
    RoleStreet = 0,   // nothing built; streets, squares, courtyards
    RoleBody = 1,     // part of a building: any profile
    RolePassage = 2,  // a way through a building: open at street level
    RoleBridge = 3,   // a span: only its top (or a low parapet and a top)
    RolePillar = 4,   // a solid column standing alone
    RoleLocked = 5,   // stairs and landings the routes depend on
    RoleWall = 6,     // the outer wall, solid up to its height
};

// Column profiles; a profile and a height give the blocks of a column.
enum ShapeCode : int {
    ShapeSolid = 0,         // solid from the ground up
    ShapeArcade = 1,        // open at street level
    ShapeLoggia = 2,        // open storey under the roof
    ShapeArcadeLoggia = 3,  // both
    ShapeHighArch = 4,      // open for two storeys
    ShapeFloating = 5,      // only the top block: a bridge deck or canopy
    ShapeDeck = 6,          // a low parapet with a deck above it
    ShapeCount = 7,
};

// Bit z - 1 for each block of layers 1..6; 0 when the pair is not a profile.
uint8_t shape_mask(int shape, int height);

struct ColumnPlan {
    int role = RoleStreet;
    int owner = -1;        // index of the large building it belongs to, or -1
    int want_height = 0;   // what the design asks for
    int want_shape = ShapeSolid;
    int height = 0;        // what it has
    int shape = ShapeSolid;
};

struct CityPlan {
    std::vector<ColumnPlan> columns = std::vector<ColumnPlan>(kCityLayerCells);
    std::vector<uint8_t> keep_clear = std::vector<uint8_t>(kCityLayerCells, 0);

    ColumnPlan& at(int x, int y) { return columns[cell_index(x, y)]; }
    const ColumnPlan& at(int x, int y) const { return columns[cell_index(x, y)]; }
};

// Streets, the wall, the large buildings, the fixed stairs, the houses and
// the pillars, with wished heights and profiles.
void lay_out_city(CityPlan& plan);

// Picks the profiles of every free column by a seeded, bounded search so that
// the column figures of the city come out exact. Answers false (and says
// what is still off) when it runs out of steps.
bool settle_profiles(CityPlan& plan, uint64_t seed, std::string& report);

// The level rows of the plan: 7 blocks of 148 rows of 148 '.' or '#'.
std::vector<std::string> plan_rows(const CityPlan& plan);

// A top-down picture of the city: one colour per height, overhangs marked.
bool write_city_map(const CityGrid& city, const std::string& path);
