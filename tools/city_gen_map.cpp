// The city seen from above, for the README: each column coloured by its
// height, a dark dot on columns with empty cells under their top (arcades,
// bridges, open storeys), the fixed cells of the actors in red.
#include <cstdint>
#include <vector>

#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb/stb_image_write.h>

#include "tools/city_gen_plan.h"
#include "world/level_check.h"
#include "world/level_landmarks.h"

namespace {

constexpr int kScale = 5;  // pixels per cell
constexpr int kImageSide = kCityColumns * kScale;

// Streets are pale; the higher the column the deeper the blue.
constexpr uint8_t kHeightColours[kMaxHeight + 1][3] = {
    {236, 228, 208}, {196, 214, 184}, {150, 196, 170}, {104, 172, 170},
    {72, 136, 168},  {52, 96, 150},   {40, 56, 112},
};
constexpr uint8_t kOverhangMark[3] = {250, 196, 64};
constexpr uint8_t kLandmarkMark[3] = {214, 40, 40};

void paint(std::vector<uint8_t>& image, int x, int y, int x0, int y0, int side, const uint8_t* rgb) {
    for (int py = y * kScale + y0; py < y * kScale + y0 + side; ++py) {
        for (int px = x * kScale + x0; px < x * kScale + x0 + side; ++px) {
            uint8_t* pixel = &image[(size_t(py) * kImageSide + px) * 3];
            pixel[0] = rgb[0];
            pixel[1] = rgb[1];
            pixel[2] = rgb[2];
        }
    }
}

}  // namespace

bool write_city_map(const CityGrid& city, const std::string& path) {
    std::vector<uint8_t> image(size_t(kImageSide) * kImageSide * 3);
    for (int x = 0; x < kCityColumns; ++x) {
        for (int y = 0; y < kCityRows; ++y) {
            int height = column_height(city, x, y);
            paint(image, x, y, 0, 0, kScale, kHeightColours[std::min(height, kMaxHeight)]);
            if (empty_under_top(city, x, y) > 0) paint(image, x, y, 1, 1, kScale - 2, kOverhangMark);
        }
    }
    auto mark = [&](CellCoord c) { paint(image, c.x, c.y, 1, 1, kScale - 2, kLandmarkMark); };
    mark(kPlayerStartCell);
    mark(kGrenadeRestCell);
    for (const CellCoord& c : kAntStartCells) mark(c);
    for (const CellCoord& c : kHostageSpots) mark(c);
    // Row y is drawn downward, so north (y - 1) is up in the picture.
    return stbi_write_png(path.c_str(), kImageSide, kImageSide, 3, image.data(), kImageSide * 3) != 0;
}
