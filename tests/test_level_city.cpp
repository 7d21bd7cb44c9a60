// The committed city against its figures, and the checker's reading of the
// file form.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "world/city_grid.h"
#include "world/level_check.h"
#include "world/level_landmarks.h"
#include "world/level_rows.h"

namespace {

std::string read_city_file() {
    std::ifstream in("world/city.txt", std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string joined(const LevelCheck& check) {
    std::string all;
    for (const std::string& p : check.problems) all += p + "\n";
    return all;
}

TEST(LevelCity, CommittedFileKeepsEveryProperty) {
    std::string text = read_city_file();
    ASSERT_EQ(text.size(), size_t(kLevelRowCount) * (kLevelRowLength + 1));
    LevelCheck check = check_level_text(text);
    EXPECT_TRUE(check.ok()) << joined(check);
}

TEST(LevelCity, LevelBuiltIntoTheProgramIsTheCheckedOne) {
    CityGrid city;
    city.init();
    LevelCheck check = check_level(city);
    EXPECT_TRUE(check.ok()) << joined(check);
    // The figures the actors lean on, read directly.
    EXPECT_EQ(column_height(city, 10, 10), 6);
    EXPECT_EQ(cell_at(city, 62, 137, 1), CellEmpty);
    EXPECT_EQ(cell_at(city, 45, 78, 6), CellBlock);  // under the highest captive spot
    for (int i = 0; i < kAntStartCount; ++i) {
        EXPECT_EQ(column_height(city, kAntStartCells[i].x, kAntStartCells[i].y), 0) << i;
    }
}

TEST(LevelCity, EveryCaptiveSpotIsReachedAndLeftOnFoot) {
    CityGrid city;
    city.init();
    std::vector<uint8_t> reach = reachable_cells(city, kPlayerStartCell);
    for (int i = 0; i < kHostageSpotCount; ++i) {
        const CellCoord& s = kHostageSpots[i];
        EXPECT_TRUE(reach[size_t(s.z) * kCityLayerCells + cell_index(s.x, s.y)]) << "spot " << i;
        EXPECT_TRUE(can_walk_out(city, s)) << "spot " << i;
    }
}

TEST(LevelCity, FileFormFaultsAreNamedByRow) {
    std::string text = read_city_file();
    std::string short_row = text;
    short_row.erase(149 * 4, 1);  // row 5 loses a character
    LevelCheck a = check_level_text(short_row);
    ASSERT_FALSE(a.ok());
    EXPECT_EQ(a.problems[0], "level row 5: expected 148 characters of '.' and '#', found 147 characters");

    std::string odd_mark = text;
    odd_mark[149 * 9 + 3] = 'x';
    LevelCheck b = check_level_text(odd_mark);
    ASSERT_FALSE(b.ok());
    EXPECT_NE(b.problems[0].find("level row 10"), std::string::npos);
    EXPECT_NE(b.problems[0].find("others among them"), std::string::npos);

    std::string few = text.substr(0, text.size() - 149);
    LevelCheck c = check_level_text(few);
    ASSERT_FALSE(c.ok());
    EXPECT_EQ(c.problems[0], "level rows: expected 1036, found 1035");

    std::string windows = text;
    windows.insert(148, "\r");
    EXPECT_FALSE(check_level_text(windows).ok());
}

}  // namespace
