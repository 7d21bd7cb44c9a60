#pragma once
// Small asset files written by the tests themselves, into a temp folder.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include <unistd.h>

namespace test_files {

// CTest runs test cases as parallel processes: each gets its own folder,
// removed with everything in it when the process ends.
struct TempFolder {
    std::filesystem::path dir;
    TempFolder()
        : dir(std::filesystem::temp_directory_path() /
              ("swarmfall_render_tests_" + std::to_string(getpid()))) {
        std::filesystem::create_directories(dir);
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(dir, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
};

inline std::string temp_path(const std::string& name) {
    static const TempFolder folder;
    return (folder.dir / name).string();
}

inline void write_text(const std::string& path, const std::string& text) {
    FILE* f = std::fopen(path.c_str(), "w");
    std::fputs(text.c_str(), f);
    std::fclose(f);
}

inline void write_bytes(const std::string& path, const std::vector<uint8_t>& bytes) {
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!bytes.empty()) std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
}

// A cube of edge 2 around the origin, 12 triangles wound counter-clockwise
// from outside, each side with its own texture corners and normal.
inline std::string cube_obj_text() {
    std::string text = "# test cube\no Cube\n";
    const int axes[6][3] = {{0, 1, 2}, {0, 1, 2}, {1, 2, 0}, {1, 2, 0}, {2, 0, 1}, {2, 0, 1}};
    std::string faces;
    int v = 1;
    for (int side = 0; side < 6; ++side) {
        int a = axes[side][0], b = axes[side][1], c = axes[side][2];
        float s = side % 2 == 0 ? 1.0f : -1.0f;
        float corner[4][2] = {{-1, -1}, {1, -1}, {1, 1}, {-1, 1}};
        for (int k = 0; k < 4; ++k) {
            float p[3];
            p[a] = s;
            // Swap the in-plane axes on negative sides to keep the winding outward.
            p[b] = s > 0 ? corner[k][0] : corner[k][1];
            p[c] = s > 0 ? corner[k][1] : corner[k][0];
            char line[96];
            std::snprintf(line, sizeof line, "v %g %g %g\n", p[0], p[1], p[2]);
            text += line;
        }
        float n[3] = {0, 0, 0};
        n[a] = s;
        char line[96];
        std::snprintf(line, sizeof line, "vn %g %g %g\n", n[0], n[1], n[2]);
        text += line;
        char f[160];
        int vn = side + 1;
        std::snprintf(f, sizeof f, "f %d/1/%d %d/2/%d %d/3/%d\nf %d/1/%d %d/3/%d %d/4/%d\n", v, vn,
                      v + 1, vn, v + 2, vn, v, vn, v + 2, vn, v + 3, vn);
        faces += f;
        v += 4;
    }
    text += "vt 0.1 0.1\nvt 0.4 0.1\nvt 0.4 0.4\nvt 0.1 0.4\ns off\n";
    return text + faces;
}

// A DDS file: magic, 124-byte description, then `data`.
inline std::vector<uint8_t> dds_bytes(uint32_t width, uint32_t height, uint32_t linear_size,
                                      uint32_t mip_count, uint32_t four_cc,
                                      const std::vector<uint8_t>& data) {
    std::vector<uint8_t> bytes = {'D', 'D', 'S', ' '};
    std::vector<uint8_t> header(124, 0);
    auto put = [&](size_t at, uint32_t value) {
        for (int i = 0; i < 4; ++i) header[at + size_t(i)] = uint8_t(value >> (8 * i));
    };
    put(0, 124);
    put(8, height);
    put(12, width);
    put(16, linear_size);
    put(24, mip_count);
    put(76, 32);
    put(80, four_cc);
    bytes.insert(bytes.end(), header.begin(), header.end());
    bytes.insert(bytes.end(), data.begin(), data.end());
    return bytes;
}

// A DXT1 image of one flat colour (RGB565) with a full mip chain's data.
inline std::vector<uint8_t> solid_dxt1(uint32_t width, uint32_t height, uint32_t mip_count,
                                       uint16_t rgb565) {
    std::vector<uint8_t> data;
    for (uint32_t level = 0; level < mip_count; ++level) {
        uint32_t blocks = ((width + 3) / 4) * ((height + 3) / 4);
        for (uint32_t b = 0; b < blocks; ++b) {
            uint8_t lo = uint8_t(rgb565 & 0xFF), hi = uint8_t(rgb565 >> 8);
            data.insert(data.end(), {lo, hi, lo, hi, 0, 0, 0, 0});
        }
        width = width > 1 ? width / 2 : 1;
        height = height > 1 ? height / 2 : 1;
    }
    return data;
}

}  // namespace test_files
