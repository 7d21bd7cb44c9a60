// Many random and mutated OBJ and DDS files fed to the loaders. Nothing may
// crash or read out of bounds (run under `make test-asan`), and the results
// must keep their promises: equal-length lists in whole triangles, untouched
// lists on failure, a texture name or 0.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "gl_context.h"
#include "render/loaders.h"
#include "render_test_files.h"

namespace {

constexpr int kObjCases = 2500;
constexpr int kDdsCases = 1200;

std::string random_obj_line(std::mt19937& rng) {
    static const char* numbers[] = {"0", "-1", "1e39", "nan", "2147483648", "x", "", "1", "2", "3", "7"};
    auto number = [&]() { return std::string(numbers[rng() % 11]); };
    switch (rng() % 7) {
    case 0: return "v " + number() + " " + number() + " " + number();
    case 1: return "vt " + number() + " " + number();
    case 2: return "vn " + number() + " " + number() + " " + number();
    case 3: {
        std::string face = "f";
        for (int c = int(1 + rng() % 5); c > 0; --c) {
            face += " " + number() + (rng() % 5 ? "/" : "") + number() + (rng() % 5 ? "/" : "//") + number();
        }
        return face;
    }
    case 4: return std::string(size_t(100 + rng() % 200), char('a' + rng() % 26));
    case 5: return "# " + std::string(size_t(rng() % 1500), 'c');
    default: {
        std::string junk;
        for (int i = int(rng() % 40); i > 0; --i) junk += char(rng() % 256);
        return junk;
    }
    }
}

std::string mutate(std::string text, std::mt19937& rng) {
    int edits = 1 + int(rng() % 8);
    for (int e = 0; e < edits && !text.empty(); ++e) {
        size_t at = rng() % text.size();
        switch (rng() % 4) {
        case 0: text[at] = char(rng() % 256); break;
        case 1: text.erase(at, 1 + rng() % 16); break;
        case 2: text.insert(at, std::string(1 + rng() % 4, "0123456789/ -\nfv"[rng() % 16])); break;
        default: text.resize(at); break;
        }
    }
    return text;
}

void check_obj(const std::string& text, const std::string& path) {
    test_files::write_text(path, text);
    std::vector<glm::vec3> positions(1, glm::vec3(3.0f)), normals(1, glm::vec3(3.0f));
    std::vector<glm::vec2> uvs(1, glm::vec2(3.0f));
    bool ok = load_obj(path.c_str(), positions, uvs, normals);
    ASSERT_EQ(positions.size(), uvs.size());
    ASSERT_EQ(positions.size(), normals.size());
    if (ok) {
        ASSERT_EQ((positions.size() - 1) % 3, 0u);
    } else {
        ASSERT_EQ(positions.size(), 1u);
        ASSERT_EQ(positions[0], glm::vec3(3.0f));
    }
}

}  // namespace

TEST(LoaderFuzz, RandomAndMutatedObjFiles) {
    gl_test::close_stdin();
    std::mt19937 rng(20240611u);
    std::string path = test_files::temp_path("fuzz.obj");
    std::string cube = test_files::cube_obj_text();
    testing::internal::CaptureStdout();
    for (int i = 0; i < kObjCases; ++i) {
        std::string text;
        if (i % 2 == 0) {
            for (int lines = int(rng() % 30); lines > 0; --lines) text += random_obj_line(rng) + "\n";
        } else {
            text = mutate(cube, rng);
        }
        check_obj(text, path);
        if (HasFatalFailure()) break;
    }
    testing::internal::GetCapturedStdout();
}

TEST(LoaderFuzz, RandomAndMutatedDdsFiles) {
    REQUIRE_GL();
    std::mt19937 rng(7771u);
    std::string path = test_files::temp_path("fuzz.dds");
    const uint32_t formats[] = {kFourCcDxt1, kFourCcDxt3, kFourCcDxt5, 0x30315844u, 0u};
    for (int i = 0; i < kDdsCases; ++i) {
        std::vector<uint8_t> bytes;
        if (i % 2 == 0) {
            // A plausible header with random claims, followed by random data.
            uint32_t width = rng() % 3 == 0 ? rng() : rng() % 70;
            uint32_t height = rng() % 3 == 0 ? rng() : rng() % 70;
            uint32_t linear = rng() % 3 == 0 ? rng() : rng() % 5000;
            uint32_t mips = rng() % 4 == 0 ? rng() : rng() % 12;
            std::vector<uint8_t> data(rng() % 6000);
            for (uint8_t& b : data) b = uint8_t(rng());
            bytes = test_files::dds_bytes(width, height, linear, mips, formats[rng() % 5], data);
        } else {
            uint32_t side = 1u << (rng() % 6);
            uint32_t levels = 1 + rng() % 7;
            bytes = test_files::dds_bytes(side, side, std::max(8u, side * side / 2), levels,
                                          formats[rng() % 3],
                                          test_files::solid_dxt1(side, side, levels, 0x1234));
            for (int e = 1 + int(rng() % 6); e > 0; --e) {
                size_t at = rng() % bytes.size();
                if (rng() % 3 == 0) {
                    bytes.resize(at);
                    if (bytes.empty()) break;
                } else {
                    bytes[at] = uint8_t(rng());
                }
            }
        }
        test_files::write_bytes(path, bytes);
        GLuint texture = load_dds_texture(path.c_str());
        if (texture != 0) {
            ASSERT_TRUE(glIsTexture(texture)) << "case " << i;
            glDeleteTextures(1, &texture);
        }
        while (glGetError() != GL_NO_ERROR) {
        }
    }
    // Beyond the names checked above, this run proves that no file crashes
    // the reader or reads out of bounds, which `make test-asan` watches.
}
