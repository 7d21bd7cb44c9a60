// The generator's building blocks: block compression and the mip chain,
// closed and outward-wound solids, the music loop and the WAV writer.
#include <SFML/Audio/SoundBuffer.hpp>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <sstream>

#include "render/mesh_handles.h"
#include "tools/assets/dds.h"
#include "tools/assets/mesh.h"
#include "tools/assets/models.h"
#include "tools/assets/screen_art.h"
#include "tools/assets/sound.h"

namespace {

using namespace assets;

int colour_distance(Rgba a, Rgba b) { return std::abs(a.r - b.r) + std::abs(a.g - b.g) + std::abs(a.b - b.b); }

TEST(AssetGenDds, EveryFormatRoundTripsColourAndAlpha) {
  Image img(8, 8);
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x) img.at(x, y) = x < 4 ? rgb(200, 40, 30, 255) : rgb(20, 90, 220, y < 4 ? 0 : 255);
  for (DxtFormat f : {FormatDxt1, FormatDxt3, FormatDxt5}) {
    Image back = decode_level(parse_dds(encode_dds(img, f)), 0);
    ASSERT_EQ(back.width, 8);
    for (int y = 0; y < 8; ++y)
      for (int x = 0; x < 8; ++x) {
        EXPECT_LE(colour_distance(back.at(x, y), img.at(x, y)), 24) << f << " at " << x << "," << y;
        if (f != FormatDxt1) {
          EXPECT_NEAR(back.at(x, y).a, img.at(x, y).a, 17) << f;
        }
      }
  }
}

// The loader reads twice the top level; a full chain of a 4:3 picture or of
// a tiny texture must fit, and every level is in the file.
TEST(AssetGenDds, HeaderAndFullMipChainFitWhatTheLoaderReads) {
  EXPECT_EQ(full_mip_count(1024, 768), 11);
  EXPECT_EQ(full_mip_count(512, 512), 10);
  EXPECT_EQ(full_mip_count(1, 1), 1);
  for (auto [w, h, f] : {std::tuple{1024, 768, FormatDxt1}, std::tuple{8, 8, FormatDxt1}, std::tuple{1024, 1024, FormatDxt5}, std::tuple{4, 4, FormatDxt5},
                         std::tuple{16, 4, FormatDxt3}}) {
    std::vector<uint8_t> file = encode_dds(Image(w, h, rgb(10, 20, 30)), f);
    DdsInfo info = parse_dds(file);
    ASSERT_TRUE(info.valid);
    EXPECT_EQ(int(info.width), w);
    EXPECT_EQ(int(info.height), h);
    EXPECT_EQ(info.linear_size, level_bytes(f, w, h));
    EXPECT_EQ(int(info.mip_count), full_mip_count(w, h));
    size_t chain = 0;
    for (int lw = w, lh = h, i = 0; i < int(info.mip_count); ++i, lw = std::max(lw / 2, 1), lh = std::max(lh / 2, 1))
      chain += level_bytes(f, lw, lh);
    EXPECT_EQ(info.data.size(), chain) << w << "x" << h;
    // Below 8 x 8 the one-block minimum per level outgrows twice the top
    // level; we ship nothing that small.
    if (w >= 8 && h >= 8) {
      EXPECT_LE(chain, 2u * info.linear_size) << w << "x" << h;
    }
  }
  std::vector<uint8_t> file = encode_dds(Image(4, 4), FormatDxt1);
  file[3] = 'X';
  EXPECT_FALSE(parse_dds(file).valid);
}

// A closed surface has face-area vectors summing to zero, and an outward one
// a positive volume.
void expect_closed_and_outward(const Mesh& m, Vec3 inside, const char* what) {
  Vec3 sum{};
  float volume = 0;
  for (size_t i = 0; i < m.corners.size(); i += 3) {
    Vec3 a = m.corners[i].position - inside, b = m.corners[i + 1].position - inside,
         c = m.corners[i + 2].position - inside;
    Vec3 face = cross(b - a, c - a);
    sum = sum + face;
    volume += dot(a, cross(b, c)) / 6.0f;
    EXPECT_GT(dot(face, m.corners[i].normal + m.corners[i + 1].normal + m.corners[i + 2].normal), 0.0f) << what;
  }
  EXPECT_LT(length(sum), 1e-4f) << what;
  EXPECT_GT(volume, 0.0f) << what;
}

TEST(AssetGenMesh, SolidsAreClosedAndWoundOutward) {
  Mesh box, ball, tube, cone, cube = make_cube();
  add_box(box, {0.1f, 0.2f, 0.3f}, {0.2f, 0.3f, 0.4f}, SwatchMetal);
  add_ellipsoid(ball, {0, 0, -0.5f}, {0.3f, 0.2f, 0.1f}, SwatchSkin, 12, 8);
  add_tube(tube, {0, 0, 0}, {0.3f, -0.2f, 0.5f}, 0.1f, 0.05f, SwatchAntBlack, 8);
  add_tube(cone, {0, 0, 0}, {0, 0, -0.4f}, 0.05f, 0.3f, SwatchGirlDress, 10);
  expect_closed_and_outward(box, {0.1f, 0.2f, 0.3f}, "box");
  expect_closed_and_outward(ball, {0, 0, -0.5f}, "ellipsoid");
  expect_closed_and_outward(tube, {0.15f, -0.1f, 0.25f}, "tube");
  expect_closed_and_outward(cone, {0, 0, -0.2f}, "cone");
  expect_closed_and_outward(cube, {0, 0, 0}, "cube");
  EXPECT_EQ(cube.triangle_count(), 12u);
  EXPECT_EQ(ball.triangle_count(), size_t(12 * 8 * 2 - 2 * 12));  // the poles lose one triangle per quad
  // Squashing keeps the surface closed and the normals consistent.
  size_t first = ball.corners.size();
  add_ellipsoid(ball, {0, 0, 0.5f}, {0.2f, 0.2f, 0.2f}, SwatchSkin, 10, 6);
  scale_part(ball, first, {0, 0, 0.5f}, {1.0f, 0.5f, 2.0f});
  Mesh squashed;
  squashed.corners.assign(ball.corners.begin() + long(first), ball.corners.end());
  expect_closed_and_outward(squashed, {0, 0, 0.5f}, "squashed ellipsoid");
}

TEST(AssetGenMesh, TrianglesAreRewoundToFaceTheirNormals) {
  Mesh m;
  Corner a{{0, 0, 0}, 0, 0, {0, 0, 1}}, b{{1, 0, 0}, 0, 0, {0, 0, 1}}, c{{0, 1, 0}, 0, 0, {0, 0, 1}};
  m.add_triangle(a, c, b);  // clockwise seen from +z
  ASSERT_EQ(m.triangle_count(), 1u);
  EXPECT_GT(cross(m.corners[1].position - m.corners[0].position, m.corners[2].position - m.corners[0].position).z, 0);
  m.add_triangle(a, a, b);
  EXPECT_EQ(m.triangle_count(), 1u);
}

TEST(AssetGenSound, MusicLoopsOverWholeBarsAndTheWavReadsBack) {
  std::vector<float> music = make_music();
  const size_t bar = size_t(4 * 60.0f / MusicBeatsPerMinute * SampleRate + 0.5f);
  EXPECT_EQ(music.size(), bar * MusicBars);
  EXPECT_GE(music.size(), size_t(30 * SampleRate));
  std::vector<float> step = make_step(), blast = make_explosion();
  for (const std::vector<float>* s : {&music, &step, &blast})
    for (float v : *s) ASSERT_LE(std::fabs(v), 1.0f);
  const std::string path = ::testing::TempDir() + "step_roundtrip.wav";
  ASSERT_TRUE(write_wav(path, step));
  sf::SoundBuffer buffer;
  ASSERT_TRUE(buffer.loadFromFile(path));
  EXPECT_EQ(buffer.getSampleCount(), step.size());
  EXPECT_EQ(buffer.getSampleRate(), unsigned(SampleRate));
  EXPECT_EQ(buffer.getChannelCount(), 1u);
  size_t loud = step.size() / 8;
  EXPECT_NEAR(buffer.getSamples()[loud] / 32767.0f, step[loud], 1.0f / 16384);
  std::remove(path.c_str());
}

// The images place their labels with the same mapping the text shader uses:
// 800 x 612 text units over the 1024 x 768 window, y' = 588 - y.
TEST(AssetGenScreens, TextSpaceMapsOntoTheWholeWindow) {
  EXPECT_FLOAT_EQ(text_x_to_pixel(0), 0);
  EXPECT_FLOAT_EQ(text_x_to_pixel(800), ScreenWidth);
  EXPECT_FLOAT_EQ(text_y_to_pixel(588), ScreenHeight);  // y' = 0, the bottom edge
  EXPECT_FLOAT_EQ(text_y_to_pixel(-24), 0);             // y' = 612, the top edge
  EXPECT_GT(text_y_to_pixel(-13), 0);
  EXPECT_FLOAT_EQ(text_size_to_pixels(612), ScreenHeight);
}

std::string file_text(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

// The committed meshes are exactly what the generator writes now.
TEST(AssetGenMesh, CommittedMeshesMatchTheGenerator) {
  std::vector<ModelFile> models = make_all_models();
  // The files the game registers, in its order.
  ASSERT_EQ(models.size(), size_t(kMeshCount));
  for (size_t i = 0; i < models.size(); ++i) EXPECT_EQ(models[i].file, kMeshFiles[i]);
  for (const ModelFile& m : models) {
    const std::string fresh = ::testing::TempDir() + "fresh.obj";
    ASSERT_TRUE(write_obj(fresh, m.mesh, m.what));
    EXPECT_EQ(file_text(fresh), file_text(m.file)) << m.file << " is stale: run make assets";
    std::remove(fresh.c_str());
  }
}

}  // namespace
