// Every shipped asset, read back through the game's own loaders: meshes,
// textures, shader programs and sounds.
#include <SFML/Audio/SoundBuffer.hpp>
#include <gtest/gtest.h>
#include <glm/glm.hpp>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "gl_context.h"
#include "render/loaders.h"
#include "tools/assets/dds.h"

namespace {

struct LoadedMesh {
  std::vector<glm::vec3> positions;
  std::vector<glm::vec2> uvs;
  std::vector<glm::vec3> normals;
};

const char* const MeshFiles[17] = {
    "model/Cube.obj",      "model/Cuerpo.obj",      "model/Pata1.obj",       "model/Pata2.obj",
    "model/Pata3.obj",     "model/Pata4.obj",       "model/Pata5.obj",       "model/Pata6.obj",
    "model/Grenade.obj",   "model/Brazo1.obj",      "model/Brazo2.obj",      "model/Chica.obj",
    "model/Brazo1Chico.obj", "model/Brazo2Chico.obj", "model/Chico.obj",     "model/Pierna1.obj",
    "model/Pierna2.obj"};

LoadedMesh load(const char* path) {
  LoadedMesh m;
  EXPECT_TRUE(load_obj(path, m.positions, m.uvs, m.normals)) << path;
  return m;
}

float min_z(const LoadedMesh& m) {
  float z = 1e9f;
  for (const glm::vec3& p : m.positions) z = std::min(z, p.z);
  return z;
}

float mean_x(const LoadedMesh& m) {
  float x = 0;
  for (const glm::vec3& p : m.positions) x += p.x;
  return m.positions.empty() ? 0.0f : x / m.positions.size();
}

TEST(AssetMeshes, AllSeventeenLoadAsWholeTrianglesWithinTheirCell) {
  gl_test::close_stdin();
  for (const char* file : MeshFiles) {
    LoadedMesh m = load(file);
    ASSERT_FALSE(m.positions.empty()) << file;
    EXPECT_EQ(m.positions.size() % 3, 0u) << file;
    EXPECT_EQ(m.uvs.size(), m.positions.size()) << file;
    EXPECT_EQ(m.normals.size(), m.positions.size()) << file;
    EXPECT_LE(m.positions.size(), 3u * 4000u) << file << " is too heavy for the software renderer";
    for (const glm::vec3& p : m.positions) {
      ASSERT_LE(std::fabs(p.x), 1.0001f) << file;
      ASSERT_LE(std::fabs(p.y), 1.0001f) << file;
      ASSERT_LE(std::fabs(p.z), 1.0001f) << file;
    }
  }
  EXPECT_EQ(load("model/Cube.obj").positions.size(), 36u);
}

// Back-face culling keeps a face only when it winds counter-clockwise seen
// from outside: the winding must agree with the stored normals everywhere.
TEST(AssetMeshes, FacesWindOutwardAgreeingWithTheirNormals) {
  for (const char* file : MeshFiles) {
    LoadedMesh m = load(file);
    int wrong = 0;
    for (size_t i = 0; i + 2 < m.positions.size(); i += 3) {
      glm::vec3 face = glm::cross(m.positions[i + 1] - m.positions[i], m.positions[i + 2] - m.positions[i]);
      glm::vec3 n = m.normals[i] + m.normals[i + 1] + m.normals[i + 2];
      if (glm::dot(face, n) <= 0.0f) ++wrong;
    }
    EXPECT_EQ(wrong, 0) << file;
  }
  LoadedMesh cube = load("model/Cube.obj");
  for (size_t i = 0; i < cube.positions.size(); i += 3) {
    glm::vec3 centre = (cube.positions[i] + cube.positions[i + 1] + cube.positions[i + 2]) / 3.0f;
    glm::vec3 face = glm::cross(cube.positions[i + 1] - cube.positions[i], cube.positions[i + 2] - cube.positions[i]);
    EXPECT_GT(glm::dot(face, centre), 0.0f) << "cube face " << i / 3 << " points inward";
    for (int k = 0; k < 3; ++k) EXPECT_NEAR(std::max({std::fabs(cube.positions[i + k].x), std::fabs(cube.positions[i + k].y), std::fabs(cube.positions[i + k].z)}), 1.0f, 1e-4f);
  }
}

// Characters stand on the floor of their cell and their limbs sit on both
// sides of the turning axis, so one swing angle moves them in opposite ways.
TEST(AssetMeshes, FiguresStandOnTheFloorWithLimbsEitherSideOfTheAxis) {
  for (const char* file : {"model/Pierna1.obj", "model/Pierna2.obj", "model/Pata1.obj", "model/Pata4.obj",
                           "model/Grenade.obj"})
    EXPECT_NEAR(min_z(load(file)), -1.0f, 0.03f) << file;
  for (const char* file : {"model/Chica.obj", "model/Chico.obj", "model/Cuerpo.obj"})
    EXPECT_GT(min_z(load(file)), -1.0001f) << file;
  EXPECT_LT(mean_x(load("model/Brazo1.obj")) * mean_x(load("model/Brazo2.obj")), 0.0f);
  EXPECT_LT(mean_x(load("model/Brazo1Chico.obj")) * mean_x(load("model/Brazo2Chico.obj")), 0.0f);
  EXPECT_LT(mean_x(load("model/Pierna1.obj")) * mean_x(load("model/Pierna2.obj")), 0.0f);
  // Tripods: within each swing group the front, middle and back legs alternate sides.
  float sides[6];
  for (int leg = 0; leg < 6; ++leg) sides[leg] = mean_x(load(MeshFiles[2 + leg]));
  for (int leg = 0; leg < 6; leg += 2) EXPECT_LT(sides[leg] * sides[leg + 1], 0.0f) << "legs " << leg + 1;
  EXPECT_LT(sides[0] * sides[2], 0.0f);
  EXPECT_LT(sides[2] * sides[4], 0.0f);
  // Heads reach eye height: the first-person eye sits 0.8 above the position.
  float top = -1;
  for (const glm::vec3& p : load("model/Chica.obj").positions) top = std::max(top, p.z);
  EXPECT_GT(top, 0.85f);
  EXPECT_LT(top, 1.0f);
}

// Texture coordinates go through the loader's v flip and repeat wrapping;
// each corner must then land on a flat swatch (characters) or on the brick
// region (cube) of the block texture.
TEST(AssetMeshes, TextureCoordinatesHitFlatSwatchesOfTheBlockTexture) {
  assets::Image atlas = assets::decode_level(assets::read_dds("texture/Cube_BMP_BC7_2.DDS"), 0);
  ASSERT_GT(atlas.width, 0);
  auto texel = [&](float u, float v, int dx, int dy) {
    float s = u - std::floor(u), t = v - std::floor(v);
    int x = std::clamp(int(s * atlas.width) + dx, 0, atlas.width - 1);
    int y = std::clamp(int(t * atlas.height) + dy, 0, atlas.height - 1);
    return atlas.at(x, y);
  };
  for (int f = 1; f < 17; ++f) {
    LoadedMesh m = load(MeshFiles[f]);
    for (const glm::vec2& uv : m.uvs) {
      assets::Rgba centre = texel(uv.x, uv.y, 0, 0);
      for (int d = -6; d <= 6; d += 3) {
        assets::Rgba near = texel(uv.x, uv.y, d, -d);
        ASSERT_LE(std::abs(int(near.r) - centre.r) + std::abs(int(near.g) - centre.g) +
                      std::abs(int(near.b) - centre.b), 24)
            << MeshFiles[f] << " uv " << uv.x << "," << uv.y << " is not on a flat swatch";
      }
    }
  }
  for (const glm::vec2& uv : load("model/Cube.obj").uvs) {
    float s = uv.x - std::floor(uv.x), t = uv.y - std::floor(uv.y);
    EXPECT_LE(s, 0.5f);
    EXPECT_LE(t, 0.5f);
  }
}

const char* const TextureFiles[] = {
    "texture/Cube_BMP_BC7_2.DDS", "texture/Holstein.DDS",      "texture/background.DDS",
    "texture/score.DDS",          "texture/score_press.DDS",   "texture/timeup.DDS",
    "texture/timeup_press.DDS",   "texture/intro_white.DDS",   "texture/intro_cyan.DDS",
    "texture/intro_green.DDS",    "texture/intro_pink.DDS",    "texture/intro_red.DDS",
    "texture/intro_blue.DDS",     "texture/intro_black.DDS",   "texture/intro_press_1.DDS",
    "texture/intro_press_2.DDS",  "texture/story.DDS",         "texture/story_press.DDS"};

// The loader reads twice the top level's size; the full chain must fit in it.
TEST(AssetTextures, EveryTextureIsDxtWithAFullMipChainTheLoaderReadsWhole) {
  for (const char* file : TextureFiles) {
    assets::DdsInfo dds = assets::read_dds(file);
    ASSERT_TRUE(dds.valid) << file;
    EXPECT_TRUE(dds.four_cc == kFourCcDxt1 || dds.four_cc == kFourCcDxt3 || dds.four_cc == kFourCcDxt5) << file;
    EXPECT_EQ(dds.mip_count, uint32_t(assets::full_mip_count(int(dds.width), int(dds.height)))) << file;
    uint32_t block = dds.four_cc == kFourCcDxt1 ? 8 : 16;
    std::vector<uint32_t> levels = dds_level_sizes(dds.width, dds.height, dds.mip_count, block,
                                                   uint64_t(dds.linear_size) * 2);
    EXPECT_EQ(levels.size(), dds.mip_count) << file << ": part of the chain lies beyond what the loader reads";
    uint64_t chain = 0;
    for (uint32_t s : levels) chain += s;
    EXPECT_EQ(dds.linear_size, levels.empty() ? 0u : levels.front()) << file;
    EXPECT_GE(dds.data.size(), chain) << file;
    EXPECT_FALSE(assets::decode_level(dds, int(dds.mip_count) - 1).pixels.empty()) << file;
  }
  for (size_t i = 2; i < std::size(TextureFiles); ++i) {
    assets::DdsInfo dds = assets::read_dds(TextureFiles[i]);
    EXPECT_EQ(dds.width * 3, dds.height * 4) << TextureFiles[i] << " is not 4:3";
  }
}

// Glyph cells: a square 16 x 16 grid with coverage in alpha, strokes on the
// printable characters, empty space cell and clean cell borders.
TEST(AssetTextures, FontHasAlphaGlyphsInASixteenBySixteenGrid) {
  assets::DdsInfo dds = assets::read_dds("texture/Holstein.DDS");
  ASSERT_TRUE(dds.four_cc == kFourCcDxt3 || dds.four_cc == kFourCcDxt5);
  ASSERT_EQ(dds.width, dds.height);
  assets::Image font = assets::decode_level(dds, 0);
  const int cell = font.width / 16;
  auto coverage = [&](int code, int& border) {
    int cx = (code % 16) * cell, cy = (code / 16) * cell, inside = 0;
    border = 0;
    for (int y = 0; y < cell; ++y)
      for (int x = 0; x < cell; ++x) {
        int a = font.at(cx + x, cy + y).a;
        if (a > 128) ++inside;
        if ((x == 0 || y == 0 || x == cell - 1 || y == cell - 1) && a > 8) ++border;
      }
    return inside;
  };
  const std::string printed = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789-[]'!:.";
  for (char ch : printed) {
    int border = 0;
    EXPECT_GT(coverage(static_cast<unsigned char>(ch), border), cell * cell / 40) << "glyph " << ch;
    EXPECT_EQ(border, 0) << "glyph " << ch << " touches its cell edge";
  }
  int border = 0;
  EXPECT_EQ(coverage(' ', border), 0);
  // Wide strokes: the letter I fills a good share of its cell.
  EXPECT_GT(coverage('I', border), cell * cell / 25);
  // The row of a glyph is its code / 16 counted from the top: 'A' (65) in row 4.
  int a_rows_top = 0, a_rows_bottom = 0;
  for (int y = 0; y < cell; ++y)
    for (int x = 0; x < cell; ++x) {
      a_rows_top += font.at(cell + x, 4 * cell + y).a > 128;
      a_rows_bottom += font.at(cell + x, (15 - 4) * cell + y).a > 128;
    }
  EXPECT_GT(a_rows_top, 0);
  EXPECT_EQ(a_rows_bottom, 0);
}

TEST(AssetTextures, GameLoaderAcceptsEveryTexture) {
  REQUIRE_GL();
  gl_test::close_stdin();
  for (const char* file : TextureFiles) {
    GLuint tex = load_dds_texture(file);
    ASSERT_NE(tex, 0u) << file;
    GLint w = 0, h = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &w);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &h);
    assets::DdsInfo dds = assets::read_dds(file);
    EXPECT_EQ(uint32_t(w), dds.width) << file;
    EXPECT_EQ(uint32_t(h), dds.height) << file;
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR)) << file;
    glDeleteTextures(1, &tex);
  }
}

float sample_at(const sf::SoundBuffer& b, size_t i) { return b.getSamples()[i] / 32768.0f; }

// Sounds: the right lengths, and no click where they start, end or loop.
TEST(AssetSounds, SoundsLoadWithTheirLengthsAndNoClicks) {
  sf::SoundBuffer music, step, blast;
  ASSERT_TRUE(music.loadFromFile("sounds/music.wav"));
  ASSERT_TRUE(step.loadFromFile("sounds/step.wav"));
  ASSERT_TRUE(blast.loadFromFile("sounds/Explosion.wav"));
  EXPECT_GE(music.getDuration().asSeconds(), 30.0f);
  EXPECT_LE(music.getDuration().asSeconds(), 60.0f);
  EXPECT_GE(step.getDuration().asSeconds(), 0.05f);
  EXPECT_LE(step.getDuration().asSeconds(), 0.3f);
  EXPECT_GE(blast.getDuration().asSeconds(), 0.8f);
  EXPECT_LE(blast.getDuration().asSeconds(), 2.0f);
  // The jump across the loop seam is no larger than the usual sample-to-sample step.
  size_t n = music.getSampleCount();
  ASSERT_GT(n, 2u);
  float largest_step = 0, seam = std::fabs(sample_at(music, 0) - sample_at(music, n - 1));
  for (size_t i = 1; i < n; ++i)
    largest_step = std::max(largest_step, std::fabs(sample_at(music, i) - sample_at(music, i - 1)));
  EXPECT_LE(seam, largest_step * 0.5f);
  float music_peak = 0;
  for (size_t i = 0; i < n; ++i) music_peak = std::max(music_peak, std::fabs(sample_at(music, i)));
  EXPECT_GT(music_peak, 0.3f);
  for (const sf::SoundBuffer* b : {&step, &blast}) {
    EXPECT_LT(std::fabs(sample_at(*b, 0)), 0.02f);
    EXPECT_LT(std::fabs(sample_at(*b, b->getSampleCount() - 1)), 0.02f);
  }
}

}  // namespace
