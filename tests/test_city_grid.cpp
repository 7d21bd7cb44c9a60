#include <gtest/gtest.h>

#include "world/city_grid.h"
#include "world/level_rows.h"

namespace {

std::string rows_text(int count, int length) {
    std::string text;
    for (int i = 0; i < count; ++i) text += std::string(length, '.') + "\n";
    return text;
}

TEST(LevelRows, AcceptsFullLevelAndIgnoresExcessAndCarriageReturns) {
    std::string text = rows_text(kLevelRowCount, 150);
    text.replace(0, 150, std::string(148, '#') + "\r");
    LevelRows level = parse_level_rows(text, "city.txt");
    ASSERT_TRUE(level.ok) << level.error;
    EXPECT_EQ(level.rows.size(), size_t(kLevelRowCount));
}

TEST(LevelRows, ShortRowIsNamedWithFileAndRow) {
    std::string text = rows_text(kLevelRowCount, 148);
    text.replace(149 * 40, 148, std::string(147, '.'));  // row 41 loses a character
    LevelRows level = parse_level_rows(text, "world/city.txt");
    EXPECT_FALSE(level.ok);
    EXPECT_TRUE(level.rows.empty());
    EXPECT_EQ(level.error, "world/city.txt: row 41 has 147 characters, needs 148");
}

TEST(LevelRows, TooFewRowsAndEmptyFileAreRefused) {
    LevelRows few = parse_level_rows(rows_text(1035, 148), "city.txt");
    EXPECT_FALSE(few.ok);
    EXPECT_EQ(few.error, "city.txt: has 1035 rows, needs 1036 (7 blocks of 148)");
    LevelRows none = parse_level_rows("", "city.txt");
    EXPECT_FALSE(none.ok);
    EXPECT_NE(none.error.find("has 0 rows"), std::string::npos);
}

TEST(CityGrid, LayersAndOrientationOfTheBuiltInLevel) {
    CityGrid city;
    city.init();
    ASSERT_EQ(city.cells.size(), size_t(kCityLayers));
    EXPECT_EQ(city.column_count, 148u);
    EXPECT_EQ(city.upper_layer_count, 9u);
    for (int x = 0; x < kCityColumns; ++x) {
        for (int y = 0; y < kCityRows; ++y) {
            ASSERT_EQ(cell_at(city, x, y, 0), CellGround);
            ASSERT_EQ(cell_at(city, x, y, 7), CellEmpty);
            ASSERT_EQ(cell_at(city, x, y, 8), CellEmpty);
            ASSERT_EQ(cell_at(city, x, y, 9), CellEmpty);
        }
    }
    EXPECT_EQ(cell_at(city, 62, 137, 1), CellEmpty);  // the gate
    EXPECT_EQ(cell_at(city, 55, 137, 1), CellBlock);  // gate posts
    EXPECT_EQ(cell_at(city, 70, 137, 1), CellBlock);
    EXPECT_EQ(cell_at(city, 10, 10, 1), CellBlock);
    EXPECT_EQ(cell_at(city, 10, 10, 7), CellEmpty);
}

TEST(CityGrid, RowCharacterIsColumnAndRowIndexIsY) {
    std::vector<std::string> rows(kLevelRowCount, std::string(148, '.'));
    rows[148 * 2 + 40][5] = '#';  // block 2, row 40, character 5
    CityGrid city;
    city.init(rows);
    EXPECT_EQ(cell_at(city, 5, 40, 3), CellBlock);
    EXPECT_EQ(cell_at(city, 40, 5, 3), CellEmpty);  // not mirrored
    EXPECT_EQ(city.cells[3][5 * 148 + 40], CellBlock);
}

}  // namespace
