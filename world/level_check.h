#pragma once
// The figures the city is built to, and a checker that compares a level with
// them. Actors, the ant spawner and the tuning of the rounds all lean on these
// properties, so a level that loses one of them is a broken level even when it
// loads. The generator in tools/ and the tests use the same checker.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "world/city_grid.h"

constexpr int kLevelBlocks = 7;        // blocks 0..6 of the rows, layers 1..7
constexpr int kBorderWidth = 10;       // bare ground around the wall
constexpr int kWallLow = 10;           // the wall ring runs along 10 and 137
constexpr int kWallHigh = 137;
constexpr int kInsideLow = 11;         // columns inside the wall
constexpr int kInsideHigh = 136;
constexpr int kGateRow = 137;
constexpr int kGateFirstX = 56;
constexpr int kGateLastX = 69;
constexpr int kWallRingCells = 508;
constexpr int kMaxHeight = 6;          // no block above layer 6

constexpr int kBlockSolidCells[kLevelBlocks] = {1779, 1481, 936, 568, 447, 349, 0};
// Solid ring cells per block: full height but for the gate in blocks 0 and
// 1, battlements above.
constexpr int kWallSolidCells[kLevelBlocks] = {494, 494, 205, 78, 39, 18, 0};
constexpr int kCornerSolidBlocks = 6;  // corner towers solid in blocks 0..5

constexpr int kBuiltColumns = 2008;    // inside columns with a block
// Built inside columns by height (highest block layer) 1..6.
constexpr int kColumnsOfHeight[kMaxHeight] = {376, 444, 382, 224, 251, 331};
constexpr int kOverhangColumns = 812;  // an empty cell under their top
constexpr int kOverhangCells = 2315;

constexpr int kStructureCount = 105;
constexpr int kSinglePillars = 29;

struct LargeStructure {
    int footprint;
    int x_min, x_max, y_min, y_max;
    int top_layer;
    int overhang_columns;
};
constexpr int kLargeStructureCount = 6;
constexpr LargeStructure kLargeStructures[kLargeStructureCount] = {
    {157, 57, 69, 49, 62, 6, 108}, {150, 82, 94, 117, 132, 6, 99},
    {112, 80, 99, 43, 55, 6, 77},  {110, 112, 132, 39, 46, 6, 86},
    {96, 112, 127, 122, 127, 6, 56}, {94, 21, 34, 48, 61, 6, 54},
};

// Four staircases of one-block steps climb toward this column along its
// row and its column, from five cells away.
constexpr int kStairCrossX = 74;
constexpr int kStairCrossY = 70;
constexpr int kStairSteps = 5;

// Highest block layer of the column (x, y), 0 when it holds none.
int column_height(const CityGrid& city, int x, int y);
// Empty cells of the column below its highest block.
int empty_under_top(const CityGrid& city, int x, int y);

struct LevelCheck {
    std::vector<std::string> problems;  // "what: expected E, found F"
    bool ok() const { return problems.empty(); }
};

// Every property of the city, the fixed cells of the actors, and whether the
// player can reach each captive spot from the gate and walk out again.
LevelCheck check_level(const CityGrid& city);

// The file form: exactly 1036 rows of exactly 148 '.' or '#', then the city.
LevelCheck check_level_text(std::string_view text);

// The player's movement counted conservatively: a walk of one cell into a
// cell that is not a block, then a fall until something holds it up; a jump
// with forward, only where the cells above it and ahead one layer up are not
// blocks; never the one edge step over nothing. Answers, for each standing
// cell reachable from `start`, a flag at [z * 21904 + cell_index(x, y)].
std::vector<uint8_t> reachable_cells(const CityGrid& city, CellCoord start);

// Whether the player can walk from `from` to a column or row outside the
// wall (below 10 or above 138), the rescue line of the rounds.
bool can_walk_out(const CityGrid& city, CellCoord from);
