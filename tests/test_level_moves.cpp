// The conservative movement the checker counts, on small made-up streets:
// one-block steps climb, two-block walls do not, a block over the player
// stops the jump, any drop is allowed.
#include <gtest/gtest.h>

#include <algorithm>

#include "world/city_grid.h"
#include "world/level_check.h"

namespace {

struct Streets {
    std::vector<std::string> rows =
        std::vector<std::string>(size_t(kLevelBlocks) * kCityRows, std::string(kCityColumns, '.'));

    void column(int x, int y, int height) {
        for (int z = 1; z <= height; ++z) rows[size_t(z - 1) * kCityRows + y][x] = '#';
    }
    void block(int x, int y, int z) { rows[size_t(z - 1) * kCityRows + y][x] = '#'; }
    // A corridor x = 46..52 on row 50, closed by walls two high on every
    // side, with one cell at its west end left for a step.
    void corridor() {
        for (int x = 44; x <= 54; ++x) {
            for (int y = 49; y <= 51; ++y) {
                if (y != 50 || x < 46 || x > 52) column(x, y, 2);
            }
        }
        column(45, 50, 2);
        column(53, 50, 2);
    }
};

bool walks_out(const Streets& s, CellCoord from) {
    CityGrid city;
    city.init(s.rows);
    return can_walk_out(city, from);
}

TEST(LevelMoves, TwoHighWallsHoldTheWalkerInAndOneStepLetsItOut) {
    Streets walled;
    walled.corridor();
    EXPECT_FALSE(walks_out(walled, CellCoord{50, 50, 1}));

    Streets stepped;
    stepped.corridor();
    stepped.column(46, 50, 1);  // step, then the wall at 45 is one higher
    EXPECT_TRUE(walks_out(stepped, CellCoord{50, 50, 1}));

    Streets two_high;
    two_high.corridor();
    two_high.column(46, 50, 2);
    EXPECT_FALSE(walks_out(two_high, CellCoord{50, 50, 1}));
}

TEST(LevelMoves, BlockAboveThePlayerOrTheLandingStopsTheJump) {
    Streets lintel;
    lintel.corridor();
    lintel.column(46, 50, 1);
    lintel.block(47, 50, 2);  // over the cell the jump starts from
    EXPECT_FALSE(walks_out(lintel, CellCoord{50, 50, 1}));

    Streets low_roof;
    low_roof.corridor();
    low_roof.column(46, 50, 1);
    low_roof.block(46, 50, 3);  // over the step: no room to jump from it
    EXPECT_FALSE(walks_out(low_roof, CellCoord{50, 50, 1}));
}

TEST(LevelMoves, DropsOfAnyHeightAndReachableCells) {
    Streets tower;
    tower.column(60, 60, 6);
    EXPECT_TRUE(walks_out(tower, CellCoord{60, 60, 7}));

    // A stair of six steps reaches the top; without its first step it does not.
    Streets stair;
    for (int i = 1; i <= 6; ++i) stair.column(60 + i, 60, i);
    CityGrid city;
    city.init(stair.rows);
    std::vector<uint8_t> reach = reachable_cells(city, CellCoord{60, 60, 1});
    EXPECT_TRUE(reach[size_t(7) * kCityLayerCells + cell_index(66, 60)]);
    EXPECT_FALSE(reach[size_t(8) * kCityLayerCells + cell_index(66, 60)]);

    stair.rows[size_t(0) * kCityRows + 60][61] = '.';
    city.init(stair.rows);
    reach = reachable_cells(city, CellCoord{60, 60, 1});
    EXPECT_FALSE(reach[size_t(7) * kCityLayerCells + cell_index(66, 60)]);

    // A start that is not a standing cell reaches nothing.
    reach = reachable_cells(city, CellCoord{62, 60, 1});
    EXPECT_EQ(std::count(reach.begin(), reach.end(), 1), 0);
}

// Found by fuzzing: a start outside the grid was read as a cell.
TEST(LevelMoves, StartOutsideTheGridReachesNothing) {
    CityGrid city;
    city.init(Streets().rows);
    for (CellCoord start : {CellCoord{-30, -37, 7}, CellCoord{148, 5, 1}, CellCoord{5, 148, 1},
                            CellCoord{5, 5, 10}}) {
        std::vector<uint8_t> reach = reachable_cells(city, start);
        EXPECT_EQ(std::count(reach.begin(), reach.end(), 1), 0);
        EXPECT_FALSE(can_walk_out(city, start));
    }
}

TEST(LevelMoves, WalkingOffTheMapEdgeWrapsAround) {
    Streets edge;
    for (int y = 0; y < kCityRows; ++y) edge.column(1, y, 2);  // a wall along column 1
    // From column 0 the only way is west, across the seam to column 147.
    CityGrid city;
    city.init(edge.rows);
    std::vector<uint8_t> reach = reachable_cells(city, CellCoord{0, 60, 1});
    EXPECT_TRUE(reach[size_t(1) * kCityLayerCells + cell_index(147, 60)]);
}

}  // namespace
