// The merged city samples a repeating copy of the cube side cut out of the
// block texture. A patterned texture shows whether each cell of a merged
// face still shows the side the way the cube itself does.
#include <gtest/gtest.h>

#include <glm/gtc/matrix_transform.hpp>

#include <cmath>
#include <set>

#include "render/render_stats.h"
#include "render_city_helpers.h"
#include "render_gl_helpers.h"

namespace {

constexpr int kSide = 64;
// The test cube's side spans uv 0.1..0.4, which the model loader turns into
// v -0.4..-0.1; in texels x 6.4..25.6 and y 38.4..57.6 (v wraps).
constexpr int kSplitX = 16, kSplitY = 48;  // block-aligned, halfway across the side
const uint16_t kQuadrant[4] = {0xF800, 0x07E0, 0x001F, 0xFFFF};  // red, green, blue, white

int quadrant_of(int x, int y) { return (x >= kSplitX ? 1 : 0) + (y >= kSplitY ? 2 : 0); }

// A 64 x 64 DXT1 texture, full mip chain, each 4 x 4 block one colour by
// the quadrant its centre falls in (measured on the top level).
uint32_t quadrant_texture() {
    std::vector<uint8_t> data;
    int levels = 0;
    for (int size = kSide; size >= 1; size /= 2, ++levels) {
        int blocks = std::max(1, size / 4);
        int scale = kSide / size;
        for (int by = 0; by < blocks; ++by) {
            for (int bx = 0; bx < blocks; ++bx) {
                int cx = std::min(kSide - 1, (bx * 4 + 2) * scale);
                int cy = std::min(kSide - 1, (by * 4 + 2) * scale);
                uint16_t c = kQuadrant[quadrant_of(cx, cy)];
                uint8_t lo = uint8_t(c & 0xFF), hi = uint8_t(c >> 8);
                data.insert(data.end(), {lo, hi, lo, hi, 0, 0, 0, 0});
            }
        }
    }
    std::string path = test_files::temp_path("quadrants.dds");
    test_files::write_bytes(path, test_files::dds_bytes(kSide, kSide, 2048, uint32_t(levels),
                                                        kFourCcDxt1, data));
    return load_dds_texture(path.c_str());
}

std::vector<unsigned char> texels(uint32_t texture, int& w, int& h) {
    glBindTexture(GL_TEXTURE_2D, texture);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &w);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &h);
    std::vector<unsigned char> out(size_t(w) * size_t(h) * 4);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, out.data());
    return out;
}

bool same_colour(const unsigned char* a, const unsigned char* b) {
    for (int c = 0; c < 3; ++c) {
        if (std::abs(int(a[c]) - int(b[c])) > 6) return false;
    }
    return true;
}

}  // namespace

TEST(CityTexture, CutHoldsTheSideTexelsAndRepeats) {
    REQUIRE_GL();
    uint32_t atlas = quadrant_texture();
    ASSERT_NE(atlas, 0u);
    uint32_t cut = cut_repeating_texture(atlas, glm::vec4(0.1f, -0.4f, 0.3f, 0.3f));
    ASSERT_NE(cut, 0u);
    int aw = 0, ah = 0, w = 0, h = 0;
    std::vector<unsigned char> from = texels(atlas, aw, ah), got = texels(cut, w, h);
    ASSERT_EQ(w, 20);  // texels 6..25
    ASSERT_EQ(h, 20);  // texels 38..57, reached through the wrap of v
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const unsigned char* expected = &from[(size_t(38 + y) * size_t(aw) + size_t(6 + x)) * 4];
            ASSERT_TRUE(same_colour(&got[(size_t(y) * size_t(w) + size_t(x)) * 4], expected))
                << x << "," << y;
        }
    }
    GLint wrap_s = 0, wrap_t = 0, min_filter = 0;
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, &wrap_s);
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, &wrap_t);
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &min_filter);
    EXPECT_EQ(wrap_s, GL_REPEAT);
    EXPECT_EQ(wrap_t, GL_REPEAT);
    EXPECT_EQ(min_filter, GL_LINEAR_MIPMAP_NEAREST);
    // Nothing to cut: no texture, no rectangle, or coordinates from a broken
    // model that no texel index could hold.
    EXPECT_EQ(cut_repeating_texture(0, glm::vec4(0.1f, 0.1f, 0.3f, 0.3f)), 0u);
    EXPECT_EQ(cut_repeating_texture(atlas, glm::vec4(0.1f, 0.1f, 0.0f, 0.3f)), 0u);
    EXPECT_EQ(cut_repeating_texture(atlas, glm::vec4(3e9f, 0.1f, 0.3f, 0.3f)), 0u);
    EXPECT_EQ(cut_repeating_texture(atlas, glm::vec4(0.1f, 0.1f, 0.3f, NAN)), 0u);
    glDeleteTextures(1, &cut);
    glDeleteTextures(1, &atlas);
}

// Seen square-on, close enough for the top level: inside each quarter of
// every cell the merged city shows the colour one cube per call shows.
TEST(CityTexture, MergedFacesShowEachCellAsTheCubeDoes) {
    REQUIRE_GL();
    Renderer r;
    render_test::set_up(r, quadrant_texture());
    CityGrid city;
    city.init();
    r.render_shadow_map(city, MeshCube);
    gl_test::OffscreenTarget target;
    const glm::mat4 ortho = glm::ortho(-3.0f, 3.0f, -3.0f, 3.0f, 2.0f, 200.0f);
    struct View {
        glm::vec3 eye, direction;
        int u_axis, v_axis;  // world axes along the screen's x and y
    };
    const View views[] = {
        {{124, 270, 30}, {0, 0, -1}, 0, 1},  // down onto the street inside the gate
        {{124, -20, 6}, {0, 1, 0}, 0, 2},    // at the outer wall from outside
        {{-20, 150, 6}, {1, 0, 0}, 1, 2},    // at the west wall (the side turned from the light)
    };
    for (const View& v : views) {
        const FrameView view = render_test::look(ortho, v.eye, v.direction);
        target.begin();
        r.draw_city(city, MeshCube, view);
        std::vector<unsigned char> merged = target.read();
        target.begin();
        r.draw_city_per_cube(city, MeshCube, view);
        std::vector<unsigned char> cubes = target.read();
        const int w = gl_test::kWidth, h = gl_test::kHeight;
        // Looking along +x the screen's x runs towards -y.
        float u_sign = v.direction.x > 0.5f ? -1.0f : 1.0f;
        int compared = 0, differing = 0;
        std::set<int> colours;
        for (int py = 0; py < h; ++py) {
            for (int px = 0; px < w; ++px) {
                float u = v.eye[v.u_axis] + u_sign * (-3.0f + 6.0f * (float(px) + 0.5f) / float(w));
                float t = v.eye[v.v_axis] + (-3.0f + 6.0f * (float(py) + 0.5f) / float(h));
                // Cells span odd to odd; the quarters meet on the even lines.
                auto away = [](float c) {
                    float d = std::fabs(c - std::round(c));
                    return d > 0.2f;
                };
                if (!away(u) || !away(t)) continue;
                const unsigned char* a = &merged[size_t(py * w + px) * 3];
                const unsigned char* b = &cubes[size_t(py * w + px) * 3];
                ++compared;
                differing += !same_colour(a, b);
                colours.insert((a[0] >> 5) << 6 | (a[1] >> 5) << 3 | (a[2] >> 5));
            }
        }
        EXPECT_GT(compared, w * h / 3);
        EXPECT_LE(differing, compared / 200) << "eye " << v.eye.x << "," << v.eye.y << "," << v.eye.z;
        EXPECT_GE(colours.size(), 4u) << "eye " << v.eye.x << "," << v.eye.y << "," << v.eye.z;
    }
    r.release();
}
