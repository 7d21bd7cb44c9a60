// The DDS and shader loaders, with a GL context: level sizes, rejected
// headers, short files and the failure values.
#include <gtest/gtest.h>

#include <string>

#include "gl_context.h"
#include "render/loaders.h"
#include "render_test_files.h"

namespace {

uint32_t load_bytes(const std::vector<uint8_t>& bytes, const char* name) {
    std::string path = test_files::temp_path(name);
    test_files::write_bytes(path, bytes);
    return load_dds_texture(path.c_str());
}

GLint level_width(int level) {
    GLint w = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, level, GL_TEXTURE_WIDTH, &w);
    return w;
}

}  // namespace

TEST(DdsLevels, SizesOf256By128Dxt1WithNineLevels) {
    std::vector<uint32_t> sizes = dds_level_sizes(256, 128, 9, 8, UINT64_MAX);
    EXPECT_EQ(sizes, (std::vector<uint32_t>{16384, 4096, 1024, 256, 64, 16, 8, 8, 8}));
    EXPECT_EQ(dds_level_sizes(256, 128, 9, 16, UINT64_MAX)[0], 32768u);
}

TEST(DdsLevels, OnlyLevelsWhollyPresentAreListed) {
    // Twice the top level holds 16384 + 4096 + ... + 8 = 21848 bytes of 32768.
    EXPECT_EQ(dds_level_sizes(256, 128, 9, 8, 32768).size(), 9u);
    EXPECT_EQ(dds_level_sizes(256, 128, 9, 8, 16384 + 4096 + 100).size(), 2u);
    EXPECT_TRUE(dds_level_sizes(256, 128, 9, 8, 16383).empty());
    // A 4 x 4 image with many levels: each level is one 8-byte block, and a
    // 16-byte buffer holds only two of them.
    EXPECT_EQ(dds_level_sizes(4, 4, 12, 8, 16).size(), 2u);
    EXPECT_TRUE(dds_level_sizes(0, 0, 5, 8, 1000).empty());
    EXPECT_TRUE(dds_level_sizes(64, 64, 0, 8, 1000).empty());
    // Never more levels than a 16384-pixel side can halve through.
    EXPECT_EQ(dds_level_sizes(1, 1, 0xFFFFFFFFu, 8, UINT64_MAX).size(), 15u);
}

TEST(DdsLoader, LoadsAFullChainAndLeavesItBound) {
    REQUIRE_GL();
    auto data = test_files::solid_dxt1(256, 128, 9, 0xF800);
    uint32_t texture = load_bytes(test_files::dds_bytes(256, 128, 16384, 9, kFourCcDxt1, data), "full.dds");
    ASSERT_NE(texture, 0u);
    GLint bound = 0;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    EXPECT_EQ(GLuint(bound), texture);
    EXPECT_EQ(level_width(0), 256);
    EXPECT_EQ(level_width(8), 1);
    GLint format = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_INTERNAL_FORMAT, &format);
    EXPECT_EQ(format, GL_COMPRESSED_RGBA_S3TC_DXT1_EXT);
    GLint min_filter = 0;
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &min_filter);
    EXPECT_EQ(min_filter, GL_LINEAR_MIPMAP_LINEAR);
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
    glDeleteTextures(1, &texture);
}

TEST(DdsLoader, RejectsBadMagicAndUnknownFormats) {
    REQUIRE_GL();
    auto data = test_files::solid_dxt1(8, 8, 1, 0x07E0);
    auto bytes = test_files::dds_bytes(8, 8, 32, 1, kFourCcDxt1, data);
    bytes[3] = '!';
    EXPECT_EQ(load_bytes(bytes, "magic.dds"), 0u);
    EXPECT_EQ(load_bytes(test_files::dds_bytes(8, 8, 32, 1, 0x30315844 /* DX10 */, data), "dx10.dds"), 0u);
    EXPECT_EQ(load_bytes({'D', 'D', 'S', ' ', 1, 2, 3}, "short_header.dds"), 0u);
    EXPECT_EQ(load_bytes({}, "empty.dds"), 0u);
    EXPECT_NE(load_bytes(test_files::dds_bytes(8, 8, 64, 1, kFourCcDxt5,
                                               std::vector<uint8_t>(64, 0)), "dxt5.dds"), 0u);
}

TEST(DdsLoader, ShortFileUploadsOnlyTheLevelsItHolds) {
    REQUIRE_GL();
    auto data = test_files::solid_dxt1(64, 64, 7, 0x001F);
    data.resize(2048 + 512 + 10);  // top two levels and a scrap of the third
    uint32_t texture = load_bytes(test_files::dds_bytes(64, 64, 2048, 7, kFourCcDxt1, data), "short.dds");
    ASSERT_NE(texture, 0u);
    EXPECT_EQ(level_width(0), 64);
    // A top level cut short rejects the file.
    data.resize(2000);
    EXPECT_EQ(load_bytes(test_files::dds_bytes(64, 64, 2048, 7, kFourCcDxt1, data), "cut.dds"), 0u);
}

TEST(DdsLoader, AbsurdHeaderSizesAreRejectedWithoutHugeAllocations) {
    REQUIRE_GL();
    std::vector<uint8_t> data(64, 0);
    EXPECT_EQ(load_bytes(test_files::dds_bytes(1u << 20, 1u << 20, 0xFFFFFFFFu, 30, kFourCcDxt1, data),
                         "huge.dds"), 0u);
    // The claimed size is four gigabytes; only the 64 bytes present are read.
    uint32_t texture = load_bytes(test_files::dds_bytes(8, 8, 0xFFFFFFFFu, 0xFFFFFFFFu, kFourCcDxt1, data),
                                  "claims.dds");
    EXPECT_NE(texture, 0u);
    // A mipmap count of 0 uploads nothing and still gives a name.
    auto flat = test_files::solid_dxt1(8, 8, 1, 0xFFFF);
    EXPECT_NE(load_bytes(test_files::dds_bytes(8, 8, 32, 0, kFourCcDxt1, flat), "nomips.dds"), 0u);
}

TEST(DdsLoader, MissingFilesGiveZeroWithTheirMessages) {
    REQUIRE_GL();
    gl_test::close_stdin();
    testing::internal::CaptureStdout();
    EXPECT_EQ(load_dds_texture("/nonexistent/x.DDS"), 0u);
    EXPECT_EQ(load_shader_program("/nonexistent/a.vsh", "shaders/Depth.fsh"), 0u);
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "/nonexistent/x.DDS could not be opened. Are you in the right directory ? "
              "Don't forget to read the FAQ !\n"
              "Impossible to open /nonexistent/a.vsh. Are you in the right directory ? "
              "Don't forget to read the FAQ !\n");
}

TEST(ShaderLoader, LinksTheSceneProgramsAndReportsEachStep) {
    REQUIRE_GL();
    testing::internal::CaptureStdout();
    uint32_t program = load_shader_program("shaders/CubeVertexShader.vsh", "shaders/CubeFragmentShader.fsh");
    std::string out = testing::internal::GetCapturedStdout();
    ASSERT_NE(program, 0u);
    GLint linked = GL_FALSE;
    glGetProgramiv(program, GL_LINK_STATUS, &linked);
    EXPECT_EQ(linked, GL_TRUE) << out;
    EXPECT_EQ(out.find("Compiling shader : shaders/CubeVertexShader.vsh\n"), 0u) << out;
    EXPECT_NE(out.find("Compiling shader : shaders/CubeFragmentShader.fsh\nLinking program\n"),
              std::string::npos) << out;
    glDeleteProgram(program);
}

TEST(ShaderLoader, BrokenOrMissingFragmentStillReturnsAProgram) {
    REQUIRE_GL();
    std::string broken = test_files::temp_path("broken.fsh");
    test_files::write_text(broken, "#version 330 core\nvoid main() { this is not glsl }\n");
    testing::internal::CaptureStdout();
    uint32_t with_error = load_shader_program("shaders/Depth.vsh", broken.c_str());
    uint32_t without_file = load_shader_program("shaders/Depth.vsh", "/nonexistent/b.fsh");
    std::string out = testing::internal::GetCapturedStdout();
    EXPECT_NE(with_error, 0u);
    EXPECT_NE(without_file, 0u);
    GLint linked = GL_TRUE;
    glGetProgramiv(with_error, GL_LINK_STATUS, &linked);
    EXPECT_EQ(linked, GL_FALSE);
    EXPECT_EQ(out.find("Impossible"), std::string::npos);
    glDeleteProgram(with_error);
    glDeleteProgram(without_file);
}
