#include "bench/bench_timing.h"

#include <GL/glew.h>
#include <GLFW/glfw3.h>

#include <algorithm>
#include <chrono>
#include <cstdio>

#include "render/frame_picture.h"
#include "render/render_stats.h"

GLFWwindow* open_bench_window(int samples) {
    if (!glfwInit()) return nullptr;
    glfwWindowHint(GLFW_SAMPLES, samples);
    glfwWindowHint(GLFW_CONTEXT_VERSION_MAJOR, 3);
    glfwWindowHint(GLFW_CONTEXT_VERSION_MINOR, 3);
    glfwWindowHint(GLFW_OPENGL_FORWARD_COMPAT, GL_TRUE);
    glfwWindowHint(GLFW_OPENGL_PROFILE, GLFW_OPENGL_CORE_PROFILE);
    GLFWwindow* window =
        glfwCreateWindow(kPictureWidth, kPictureHeight, "bench_render", nullptr, nullptr);
    if (!window) return nullptr;
    glfwMakeContextCurrent(window);
    glfwSwapInterval(0);
    glewExperimental = GL_TRUE;
    if (glewInit() != GLEW_OK) return nullptr;
    glClearColor(kClearRed, kClearGreen, kClearBlue, kClearAlpha);
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LESS);
    glEnable(GL_CULL_FACE);
    return window;
}

Timing time_frames(GLFWwindow* window, RenderStats& stats, const std::function<void()>& draw,
                   int frames) {
    draw();  // warm-up: shader variants, buffer uploads
    glfwSwapBuffers(window);
    glFinish();
    stats = RenderStats{};
    auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < frames; ++i) {
        draw();
        glfwSwapBuffers(window);
        glfwPollEvents();
    }
    glFinish();
    std::chrono::duration<double, std::milli> spent = std::chrono::steady_clock::now() - start;
    Timing t;
    t.ms_per_frame = spent.count() / frames;
    t.draws_per_frame = double(stats.draw_calls) / frames;
    t.ranges_per_frame = double(stats.ranges) / frames;
    t.vertices_per_frame = double(stats.vertices) / frames;
    return t;
}

Timing median(std::vector<Timing> timings) {
    std::sort(timings.begin(), timings.end(),
              [](const Timing& a, const Timing& b) { return a.ms_per_frame < b.ms_per_frame; });
    return timings[timings.size() / 2];
}

std::vector<uint8_t> read_back_frame(int width, int height) {
    std::vector<uint8_t> pixels(size_t(width) * size_t(height) * 3);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, width, height, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
    return pixels;
}

void write_ppm(const std::string& path, int width, int height, const std::vector<uint8_t>& pixels) {
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) {
        std::fprintf(stderr, "bench_render: cannot write %s\n", path.c_str());
        return;
    }
    std::fprintf(f, "P6\n%d %d\n255\n", width, height);
    for (int y = height - 1; y >= 0; --y) {
        std::fwrite(pixels.data() + size_t(y) * size_t(width) * 3, 1, size_t(width) * 3, f);
    }
    std::fclose(f);
}
