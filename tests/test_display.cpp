// The picture on any window: the fitted 4:3 rectangle and the cursor centre
// as pure functions, then a real window resized under the display server.
#include <gtest/gtest.h>

#include <cstdlib>

#include "actors/hostage.h"
#include "actors/player.h"
#include "app/key_codes.h"
#include "app/platform_glfw.h"
#include "app/settings.h"
#include "app/shown_statistics.h"
#include "render/frame_picture.h"
#include "render/hud.h"
#include "render/text_overlay.h"
#include "render_gl_helpers.h"
#include "loop_fixture.h"
#include "world/city_grid.h"

namespace {

const glm::mat4 kPerspective = glm::perspective(glm::radians(45.0f), 4.0f / 3.0f, 0.1f, 450.0f);

struct FitCase {
    int width, height;
    PictureRect picture;
    double centre_x, centre_y;
};

// Framebuffer sizes doubling as window sizes for the cursor centre.
const FitCase kFits[] = {
    {1024, 768, {0, 0, 1024, 768}, 512.0, 384.0},
    {2048, 1536, {0, 0, 2048, 1536}, 1024.0, 768.0},  // high density: no bars
    {1920, 1080, {240, 0, 1440, 1080}, 960.0, 540.0},  // pillarbox
    {1280, 1024, {0, 32, 1280, 960}, 640.0, 512.0},    // letterbox
    {1, 1, {0, 0, 1, 0}, 0.5, 0.5},
    {0, 0, {0, 0, 0, 0}, 0.0, 0.0},                    // minimised
};

TEST(PictureFit, LargestCentredFourByThreeRectangleAndTheWindowCentre) {
    for (const FitCase& c : kFits) {
        SCOPED_TRACE(testing::Message() << c.width << " x " << c.height);
        EXPECT_EQ(fit_picture(c.width, c.height), c.picture);
        WindowPoint centre = window_centre(c.width, c.height);
        EXPECT_EQ(centre.x, c.centre_x);
        EXPECT_EQ(centre.y, c.centre_y);
    }
}

// One game frame into the window's own framebuffer: begun from its size as
// the main loop begins it, the city from the gate, then the status line.
std::vector<unsigned char> draw_frame(Renderer& r, const TextOverlay& text, const CityGrid& city,
                                      int& width, int& height, PictureRect& picture) {
    get_framebuffer_size(width, height);
    picture = begin_frame_picture(width, height);
    r.draw_city(city, MeshCube, render_test::look(kPerspective, glm::vec3(124, 274, 2.8f), glm::vec3(0, -1, 0)));
    Player player;
    Hostage hostage;
    draw_hud(text, ShownStatistics{}, Settings{}, player, hostage, 999);
    std::vector<unsigned char> pixels(size_t(width) * size_t(height) * 3);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadBuffer(GL_BACK);
    glReadPixels(0, 0, width, height, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
    return pixels;
}

bool resize_window(GLFWwindow* window, int width, int height) {
    glfwSetWindowSize(window, width, height);
    for (int i = 0; i < 100; ++i) {
        glfwPollEvents();
        int w = 0, h = 0;
        glfwGetFramebufferSize(window, &w, &h);
        if (w == width && h == height) {
            glfwSwapBuffers(window);  // the GL driver takes the new size at a swap
            return true;
        }
        glfwWaitEventsTimeout(0.01);
    }
    return false;
}

const unsigned char* pixel(const std::vector<unsigned char>& p, int width, int x, int y) {
    return &p[(size_t(y) * size_t(width) + size_t(x)) * 3];
}

}  // namespace

TEST(PictureGl, ResizedWindowShowsTheSceneAndHudInTheCentredRectangleWithBlackBars) {
    REQUIRE_GL();
    GLFWwindow* window = gl_test::context();
    game_window = window;
    use_platform(glfw_platform());
    Renderer r;
    render_test::set_up(r, render_test::flat_texture());
    CityGrid city;
    city.init();
    r.render_shadow_map(city, MeshCube);
    testing::internal::CaptureStdout();
    TextOverlay text;
    init_text_overlay(text, "texture/Holstein.DDS");
    testing::internal::GetCapturedStdout();

    int base_w = 0, base_h = 0;
    PictureRect picture;
    ASSERT_TRUE(resize_window(window, 1024, 768));
    std::vector<unsigned char> base = draw_frame(r, text, city, base_w, base_h, picture);
    ASSERT_TRUE(resize_window(window, 1280, 1024));
    int w = 0, h = 0;
    std::vector<unsigned char> big = draw_frame(r, text, city, w, h, picture);
    ASSERT_EQ(w, 1280);
    ASSERT_EQ(h, 1024);
    ASSERT_EQ(picture, (PictureRect{0, 32, 1280, 960}));

    int bar_pixels_lit = 0;
    for (int y = 0; y < h; ++y) {
        if (y >= picture.y && y < picture.y + picture.height) continue;
        for (int x = 0; x < w; ++x) {
            const unsigned char* c = pixel(big, w, x, y);
            bar_pixels_lit += c[0] + c[1] + c[2] != 0;
        }
    }
    EXPECT_EQ(bar_pixels_lit, 0);

    // The same picture, scene and status line, scaled by 1.25 into the
    // rectangle: compare a grid of points at the same places of both.
    int matching = 0, points = 0;
    for (int gy = 0; gy < 24; ++gy) {
        for (int gx = 0; gx < 32; ++gx, ++points) {
            const double fx = (gx + 0.5) / 32.0, fy = (gy + 0.5) / 24.0;
            const unsigned char* a = pixel(base, base_w, int(fx * base_w), int(fy * base_h));
            const unsigned char* b = pixel(big, w, picture.x + int(fx * picture.width),
                                           picture.y + int(fy * picture.height));
            matching += std::abs(a[0] - b[0]) + std::abs(a[1] - b[1]) + std::abs(a[2] - b[2]) <= 24;
        }
    }
    EXPECT_GE(matching, points * 98 / 100);  // a status line left unscaled misses 59

    release_text_overlay(text);
    r.release();
    EXPECT_TRUE(resize_window(window, 1024, 768));
    game_window = nullptr;
    use_platform(PlatformDoors{});
}

namespace {

// The options menu with scripted keys and the real window of the GL tests.
struct FullscreenMenu : LoopFixture {
    GLFWwindow* window = nullptr;

    void SetUp() override {
        LoopFixture::SetUp();
        window = gl_test::context();
        game_window = window;
        input.real_window = true;
        use_scripted_platform(&input, glfw_platform());
        start_round(*session);
        session->clock.tick_base = input.now;
    }
    void switch_fullscreen() {
        game_state() = OptionsMenu;
        for (int key : {kKeyDown, kKeyDown, kKeyDown, kKeyRight, kKeyDown, kKeyDown, kKeyEnter}) {
            input.tap(key);
            frames(50, 1.0 / 60.0);
        }
        for (int i = 0; i < 20; ++i) glfwWaitEventsTimeout(0.01);
    }
    void TearDown() override {
        game_window = nullptr;
        LoopFixture::TearDown();
    }
    void window_size(int& width, int& height) const { glfwGetWindowSize(window, &width, &height); }
};

}  // namespace

TEST_F(FullscreenMenu, WindowTakesTheScreenAndComesBackToTheBaseSize) {
    if (!window) GTEST_SKIP() << "no display for GL";
    const GLFWvidmode* screen = glfwGetVideoMode(glfwGetPrimaryMonitor());
    ASSERT_NE(screen, nullptr);
    switch_fullscreen();
    EXPECT_EQ(game_state(), Playing);
    int width = 0, height = 0;
    window_size(width, height);
    EXPECT_EQ(width, screen->width);
    EXPECT_EQ(height, screen->height);
    EXPECT_EQ(glfwGetWindowMonitor(window), glfwGetPrimaryMonitor());
    EXPECT_TRUE(session->settings.fullscreen);

    switch_fullscreen();
    window_size(width, height);
    EXPECT_EQ(width, 1024);
    EXPECT_EQ(height, 768);
    EXPECT_EQ(glfwGetWindowMonitor(window), nullptr);
    EXPECT_EQ(glfwGetVideoMode(glfwGetPrimaryMonitor())->width, screen->width);  // mode unchanged
}
