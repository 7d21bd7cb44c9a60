// One broken property at a time in a copy of the committed city: the checker
// must refuse the copy and name what broke, with the expected and found values.
#include <gtest/gtest.h>

#include <fstream>
#include <functional>

#include "world/city_grid.h"
#include "world/level_check.h"
#include "world/level_landmarks.h"
#include "world/level_rows.h"

namespace {

struct Level {
    std::vector<std::string> rows;

    char& at(int x, int y, int z) { return rows[size_t(z - 1) * kCityRows + y][x]; }
    void put(int x, int y, int z) { at(x, y, z) = '#'; }
    void take(int x, int y, int z) { at(x, y, z) = '.'; }
    int height(int x, int y) {
        for (int z = kLevelBlocks; z >= 1; --z) {
            if (at(x, y, z) == '#') return z;
        }
        return 0;
    }
    bool solid_column(int x, int y) {
        for (int z = 1; z <= height(x, y); ++z) {
            if (at(x, y, z) != '#') return false;
        }
        return true;
    }
    // First inside column (scanning from (20, 20)) that `fits`.
    bool find(const std::function<bool(int, int)>& fits, int& fx, int& fy) {
        for (int x = 20; x <= kInsideHigh; ++x) {
            for (int y = 20; y <= kInsideHigh; ++y) {
                if (fits(x, y)) {
                    fx = x, fy = y;
                    return true;
                }
            }
        }
        return false;
    }
};

Level committed_level() {
    Level level;
    std::ifstream in("world/city.txt");
    for (std::string line; std::getline(in, line);) level.rows.push_back(line);
    return level;
}

LevelCheck check(const Level& level) {
    CityGrid city;
    city.init(level.rows);
    return check_level(city);
}

// Whether some problem line starts with `what`.
::testing::AssertionResult names(const LevelCheck& check, const std::string& what) {
    std::string all;
    for (const std::string& p : check.problems) {
        if (p.compare(0, what.size(), what) == 0) return ::testing::AssertionSuccess();
        all += "\n  " + p;
    }
    return ::testing::AssertionFailure() << "no problem starting \"" << what << "\" among:" << all;
}

class LevelBreaks : public ::testing::Test {
protected:
    Level level = committed_level();
    void SetUp() override { ASSERT_EQ(level.rows.size(), size_t(kLevelRowCount)); }
};

TEST_F(LevelBreaks, WallBorderAndGate) {
    Level border = level;
    border.put(5, 40, 3);
    EXPECT_TRUE(names(check(border), "border: expected 0 blocks, found 1 (first at (5, 40, 3))"));
    EXPECT_TRUE(names(check(border), "solid cells in block 2: expected 936, found 937"));

    Level gate = level;
    gate.put(60, 137, 2);
    EXPECT_TRUE(names(check(gate), "gate blocks"));
    EXPECT_TRUE(names(check(gate), "row 137 of block 1"));

    int x = 0, y = kWallLow;
    while (level.height(x, y) != 3) ++x;  // a merlon on the north side
    Level merlon = level;
    merlon.take(x, y, 3);
    EXPECT_TRUE(names(check(merlon), "outer wall cells in block 2: expected 205, found 204"));

    Level corner = level;
    corner.take(kWallHigh, kWallHigh, 4);
    EXPECT_TRUE(names(check(corner), "corner tower (137, 137)"));

    Level row = level;
    row.take(12, kWallLow, 1);
    EXPECT_TRUE(names(check(row), "row 10 of block 0: expected # at x 12"));
}

TEST_F(LevelBreaks, ColumnHeightsOverhangsAndStairs) {
    int x = 0, y = 0;
    ASSERT_TRUE(level.find([&](int a, int b) { return level.height(a, b) == 1; }, x, y));
    Level raised = level;
    raised.put(x, y, 2);
    EXPECT_TRUE(names(check(raised), "inside columns of height 1: expected 376, found 375"));
    EXPECT_TRUE(names(check(raised), "inside columns of height 2: expected 444, found 445"));

    ASSERT_TRUE(level.find([&](int a, int b) {
        return level.height(a, b) >= 3 && level.solid_column(a, b);
    }, x, y));
    Level hollowed = level;
    hollowed.take(x, y, 2);
    EXPECT_TRUE(names(check(hollowed), "overhang columns: expected 812, found 813"));
    EXPECT_TRUE(names(check(hollowed), "empty cells under column tops: expected 2315, found 2316"));

    Level stair = level;
    stair.put(71, 70, 4);
    EXPECT_TRUE(names(check(stair), "stair cross column (71, 70) height: expected 3, found 4"));

    ASSERT_TRUE(level.find([&](int a, int b) { return level.height(a, b) == 6; }, x, y));
    Level seventh = level;
    seventh.put(x, y, 7);
    EXPECT_TRUE(names(check(seventh), "solid cells in block 6: expected 0, found 1"));
    EXPECT_TRUE(names(check(seventh), "inside columns above height 6: expected 0, found 1"));
}

TEST_F(LevelBreaks, StructuresPillarsAndLargeBuildings) {
    int x = 0, y = 0;
    ASSERT_TRUE(level.find([&](int a, int b) {
        for (int dx = -1; dx <= 1; ++dx) {
            for (int dy = -1; dy <= 1; ++dy) {
                if (level.height(a + dx, b + dy) != 0) return false;
            }
        }
        return true;
    }, x, y));
    Level pillar = level;
    pillar.put(x, y, 1);
    LevelCheck extra = check(pillar);
    EXPECT_TRUE(names(extra, "structures: expected 105, found 106"));
    EXPECT_TRUE(names(extra, "single pillars: expected 29, found 30"));

    Level trimmed = level;
    for (int z = 1; z <= kLevelBlocks; ++z) trimmed.take(57, 49, z);
    EXPECT_TRUE(names(check(trimmed), "structure 1 by size footprint: expected 157, found 156"));

    // Filling the span between the two towers under its deck.
    Level filled = level;
    int deck = filled.height(122, 42);
    ASSERT_GE(deck, 2);
    for (int z = 1; z < deck; ++z) filled.put(122, 42, z);
    EXPECT_TRUE(names(check(filled), "structure 4 by size overhang columns: expected 86, found 85"));
}

TEST_F(LevelBreaks, FixedCellsOfTheActors) {
    Level grenade = level;
    grenade.put(52, 126, 1);
    EXPECT_TRUE(names(check(grenade), "grenade rest cell (52, 126, 1): expected an empty cell"));

    Level ants = level;
    ants.put(63, 103, 1);
    EXPECT_TRUE(names(check(ants), "ant start 3 (63, 103, 1)"));

    Level spot = level;
    spot.put(62, 55, 1);
    EXPECT_TRUE(names(check(spot), "hostage spot 5 (62, 55, 1)"));

    Level floating = level;
    floating.take(45, 78, 6);
    EXPECT_TRUE(names(check(floating), "hostage spot 2 (45, 78, 7): expected an empty cell on "
                                       "ground or a block, found nothing below"));

    Level start = level;
    start.put(62, 137, 1);
    EXPECT_TRUE(names(check(start), "player start (62, 137, 1)"));
}

TEST_F(LevelBreaks, OrientationOfTheRows) {
    Level swapped = level;
    for (int z = 1; z <= kLevelBlocks; ++z) {
        for (int x = 0; x < kCityColumns; ++x) {
            for (int y = 0; y < kCityRows; ++y) swapped.at(x, y, z) = level.at(y, x, z);
        }
    }
    EXPECT_TRUE(names(check(swapped), "player start (62, 137, 1)"));

    // Bare ground with only a block under each captive spot and under its
    // mirror image fits either way round: its orientation proves nothing.
    Level bare = level;
    for (std::string& row : bare.rows) row.assign(kCityColumns, '.');
    for (const CellCoord& c : kHostageSpots) {
        if (c.z == 1) continue;
        bare.put(c.x, c.y, c.z - 1);
        bare.put(c.y, c.x, c.z - 1);
    }
    EXPECT_TRUE(names(check(bare), "orientation: expected the level read with x and y swapped"));
    EXPECT_FALSE(names(check(level), "orientation"));
}

TEST_F(LevelBreaks, CaptiveSpotsMustBeReachableAndLeavable) {
    // Spot 21 walled in six high on its four sides: no way in.
    const CellCoord s = kHostageSpots[21];
    Level shut = level;
    const int sides[4][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
    for (const auto& d : sides) {
        for (int z = 1; z <= 6; ++z) shut.put(s.x + d[0], s.y + d[1], z);
    }
    EXPECT_TRUE(names(check(shut), "reach hostage spot 21 (33, 21, 1) from the gate"));

    // Two high on its sides with one step up outside: in by the step, and
    // no step back out.
    Level pit = level;
    for (const auto& d : sides) {
        for (int z = 1; z <= 2; ++z) pit.put(s.x + d[0], s.y + d[1], z);
    }
    ASSERT_EQ(pit.height(s.x, s.y - 2), 0);
    pit.put(s.x, s.y - 2, 1);
    EXPECT_TRUE(names(check(pit), "walk out from hostage spot 21 (33, 21, 1)"));
}

}  // namespace
