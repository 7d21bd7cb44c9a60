// The text, image and effect shaders with the shipped font and images: they link
// quietly, put text where the game prints it, honour the blend modes, and
// draw images upright behind text printed before them.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "gl_context.h"
#include "render/loaders.h"
#include "render/text_overlay.h"
#include "tools/assets/dds.h"

namespace {

struct Pixels {
  std::vector<unsigned char> rgba;
  // y counts from the top of the window.
  const unsigned char* at(int x, int y) const { return &rgba[(size_t(gl_test::kHeight - 1 - y) * gl_test::kWidth + x) * 4]; }
};

Pixels read_frame() {
  Pixels p;
  p.rgba.resize(size_t(gl_test::kWidth) * gl_test::kHeight * 4);
  glReadPixels(0, 0, gl_test::kWidth, gl_test::kHeight, GL_RGBA, GL_UNSIGNED_BYTE, p.rgba.data());
  return p;
}

// Rows (from the top) and columns holding pixels brighter than the clear colour.
struct Box {
  int top = 100000, bottom = -1, left = 100000, right = -1;
};

Box lit_box(const Pixels& p) {
  Box b;
  for (int y = 0; y < gl_test::kHeight; ++y)
    for (int x = 0; x < gl_test::kWidth; ++x)
      if (p.at(x, y)[0] > 100) {
        b.top = std::min(b.top, y);
        b.bottom = std::max(b.bottom, y);
        b.left = std::min(b.left, x);
        b.right = std::max(b.right, x);
      }
  return b;
}

class TextAndImageShaders : public ::testing::Test {
 protected:
  void SetUp() override {
    REQUIRE_GL();
    gl_test::close_stdin();
    if (!ready) {
      init_text_overlay(text, "texture/Holstein.DDS");
      image_program = load_shader_program("shaders/Passthrough.vsh", "shaders/SimpleTexture.fsh");
      const float quad[18] = {-1, -1, 0, 1, -1, 0, -1, 1, 0, -1, 1, 0, 1, -1, 0, 1, 1, 0};
      glGenBuffers(1, &quad_buffer);
      glBindBuffer(GL_ARRAY_BUFFER, quad_buffer);
      glBufferData(GL_ARRAY_BUFFER, sizeof quad, quad, GL_STATIC_DRAW);
      ready = true;
    }
    glClearColor(0, 0, 0, 0);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  }

  // The game's full-screen image draw: the quad in clip space, unit 0.
  static void draw_image(GLuint texture) {
    glUseProgram(image_program);
    glActiveTexture(GL_TEXTURE0);
    glBindTexture(GL_TEXTURE_2D, texture);
    glUniform1i(glGetUniformLocation(image_program, "texture1"), 0);
    glBindBuffer(GL_ARRAY_BUFFER, quad_buffer);
    glEnableVertexAttribArray(0);
    glVertexAttribPointer(0, 3, GL_FLOAT, GL_FALSE, 0, nullptr);
    glDrawArrays(GL_TRIANGLES, 0, 6);
    glDisableVertexAttribArray(0);
  }

  static bool ready;
  static TextOverlay text;
  static GLuint image_program;
  static GLuint quad_buffer;
};

bool TextAndImageShaders::ready = false;
TextOverlay TextAndImageShaders::text;
GLuint TextAndImageShaders::image_program = 0;
GLuint TextAndImageShaders::quad_buffer = 0;

TEST_F(TextAndImageShaders, ProgramsCompileAndLinkWithoutALog) {
  for (auto [vs, fs] : {std::pair{"shaders/TextVertexShader.vsh", "shaders/TextVertexShader.fsh"},
                        std::pair{"shaders/Passthrough.vsh", "shaders/SimpleTexture.fsh"},
                        std::pair{"shaders/Effect.vsh", "shaders/Effect.fsh"}}) {
    testing::internal::CaptureStdout();
    GLuint program = load_shader_program(vs, fs);
    std::string out = testing::internal::GetCapturedStdout();
    ASSERT_NE(program, 0u);
    GLint linked = 0;
    glGetProgramiv(program, GL_LINK_STATUS, &linked);
    EXPECT_EQ(linked, GL_TRUE) << vs;
    EXPECT_EQ(out, std::string("Compiling shader : ") + vs + "\nCompiling shader : " + fs + "\nLinking program\n");
    glDeleteProgram(program);
  }
}

// The HUD's highest line (y -13) and lowest labels (y 558) stay inside the window.
TEST_F(TextAndImageShaders, HudRowsAtTheEdgesOfTheTextSpaceStayOnScreen) {
  print_text(text, "SCORE  0", 100, -13, 20, 1, 1, 1);
  Box top = lit_box(read_frame());
  ASSERT_GE(top.bottom, 0);
  EXPECT_GT(top.top, 2);
  EXPECT_LT(top.top, 40);
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  print_text(text, "AMMO", 10, 558, 30, 1, 1, 1);
  print_text(text, "SCAN", 610, 558, 30, 1, 1, 1);
  Box bottom = lit_box(read_frame());
  ASSERT_GE(bottom.bottom, 0);
  EXPECT_LT(bottom.bottom, gl_test::kHeight - 1);
  EXPECT_GT(bottom.bottom, gl_test::kHeight - 40);
  EXPECT_GT(bottom.left, 0);
  EXPECT_LT(bottom.right, gl_test::kWidth - 1);
  // Five glyphs of size 20 from x 100 end at x 200: 1.28 pixels per unit.
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  print_text(text, "MMMMM", 100, 300, 20, 1, 1, 1);
  Box row = lit_box(read_frame());
  EXPECT_NEAR(row.left, 128, 8);
  EXPECT_NEAR(row.right, 256, 8);
}

TEST_F(TextAndImageShaders, MenuColoursOnTheByteScaleMatchTheUnitScale) {
  print_text(text, "I", 100, 100, 40, 48, 48, 144);
  Pixels a = read_frame();
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  print_text(text, "I", 100, 100, 40, 48 / 255.0f, 48 / 255.0f, 144 / 255.0f);
  Pixels b = read_frame();
  int compared = 0;
  for (size_t i = 0; i < a.rgba.size(); i += 4)
    if (b.rgba[i + 2] > 100) {
      EXPECT_NEAR(a.rgba[i + 2], b.rgba[i + 2], 2);
      EXPECT_LT(a.rgba[i + 2], 150);  // not washed out to white
      ++compared;
    }
  EXPECT_GT(compared, 50);
}

// Mode 2 keeps the background inside the strokes and darkens the rest of the cell.
TEST_F(TextAndImageShaders, StencilModeShowsTheBackgroundThroughTheLetters) {
  glClearColor(0.2f, 0.6f, 0.9f, 1.0f);
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  print_text_blended(text, "H", 400, 200, 100, 1, 1, 1, 2);
  Pixels p = read_frame();
  // Cell spans x 512..640 and window rows (200 + 24) * 768 / 612 = 281 onwards.
  int inside = 0, dark = 0;
  for (int y = 290; y < 400; ++y)
    for (int x = 515; x < 637; ++x) {
      const unsigned char* c = p.at(x, y);
      if (std::abs(c[2] - 230) < 12 && std::abs(c[1] - 153) < 12) ++inside;
      if (c[0] + c[1] + c[2] < 30) ++dark;
    }
  EXPECT_GT(inside, 800);
  EXPECT_GT(dark, 3000);
  const unsigned char* outside = p.at(300, 100);
  EXPECT_NEAR(outside[2], 230, 3);
}

// Screens print their text first and then the image: the image must fill
// every cell around the strokes and leave the strokes.
TEST_F(TextAndImageShaders, ImageDrawnAfterTextKeepsTheGlyphsAndFillsTheCells) {
  GLuint backdrop = load_dds_texture("texture/background.DDS");
  ASSERT_NE(backdrop, 0u);
  glClearColor(0, 1, 0, 1);  // pure green shows wherever the image failed to draw
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  print_text(text, "O", 114, 97, 16, 48, 48, 144);
  print_text(text, "  VOLUMEN           20", 130, 97, 16, 48, 48, 144);
  draw_image(backdrop);
  Pixels p = read_frame();
  int green = 0, blue_text = 0;
  for (int y = 0; y < gl_test::kHeight; ++y)
    for (int x = 0; x < gl_test::kWidth; ++x) {
      const unsigned char* c = p.at(x, y);
      if (c[1] > 240 && c[0] < 15 && c[2] < 15) ++green;
      if (c[2] > 100 && c[0] < 80 && c[1] < 80) ++blue_text;
    }
  EXPECT_EQ(green, 0);
  EXPECT_GT(blue_text, 100);
  glDeleteTextures(1, &backdrop);
}

TEST_F(TextAndImageShaders, ImagesAppearUpright) {
  GLuint story = load_dds_texture("texture/story.DDS");
  assets::Image image = assets::decode_level(assets::read_dds("texture/story.DDS"), 0);
  ASSERT_EQ(image.width, gl_test::kWidth);
  ASSERT_EQ(image.height, gl_test::kHeight);
  draw_image(story);
  Pixels p = read_frame();
  int far_off = 0;
  for (int y = 4; y < gl_test::kHeight; y += 16)
    for (int x = 4; x < gl_test::kWidth; x += 64) {
      const unsigned char* c = p.at(x, y);
      assets::Rgba want = image.at(x, y);
      if (std::abs(c[0] - want.r) + std::abs(c[1] - want.g) + std::abs(c[2] - want.b) > 60) ++far_off;
    }
  EXPECT_LT(far_off, 10);
  glDeleteTextures(1, &story);
}

}  // namespace
