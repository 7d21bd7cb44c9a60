#include "bench/lighter_pictures.h"

#include <GL/glew.h>
#include <GLFW/glfw3.h>

#include <cstdio>
#include <memory>

#include "bench/bench_timing.h"
#include "bench/late_game.h"
#include "render/mesh_handles.h"
#include "render/picture_rect.h"
#include "render/renderer.h"
#include "render/scene.h"
#include "world/city_grid.h"

namespace {

constexpr int kRounds = 5;

enum Choice { Default, NoAntialiasing, NoShadows, Both, ChoiceCount };
constexpr const char* kChoiceNames[ChoiceCount] = {"default", "antialiasing 0", "shadows off",
                                                   "both"};

// A renderer as start-up makes it, in the window's context; its init binds
// its own vertex array.
void start_renderer(Renderer& r, GLFWwindow* window, bool shadows, const CityGrid& city) {
    glfwMakeContextCurrent(window);
    r.shadows = shadows;
    r.init(float(kPictureWidth), float(kPictureHeight));
    for (const char* path : kMeshFiles) r.add_mesh(path);
    r.render_shadow_map(city, MeshCube);
}

}  // namespace

void bench_lighter_pictures(GLFWwindow* window, Renderer& renderer, int samples, CityGrid& city,
                            const std::vector<BenchView>& views, int block) {
    GLFWwindow* plain = open_bench_window(0);
    if (!plain) {
        std::printf("\nlighter pictures: no window without multisampling\n");
        glfwMakeContextCurrent(window);
        return;
    }
    GLFWwindow* windows[ChoiceCount] = {window, plain, window, plain};
    Renderer lighter[ChoiceCount - 1];
    Renderer* renderers[ChoiceCount] = {&renderer, &lighter[0], &lighter[1], &lighter[2]};
    for (int c = NoAntialiasing; c < ChoiceCount; ++c) {
        start_renderer(*renderers[c], windows[c], c == NoAntialiasing, city);
    }
    std::unique_ptr<Pack> pack = round_pack(city, 0);
    int frame = 0;

    std::printf("\nlighter pictures: the game's frame (city, the first five ants, hostage, "
                "grenade) with each choice, and its time over the default's\n");
    std::printf("%-26s %9s | %9s %5s | %9s %5s | %9s %5s\n", "view", kChoiceNames[Default],
                kChoiceNames[NoAntialiasing], "x", kChoiceNames[NoShadows], "x",
                kChoiceNames[Both], "x");
    for (const BenchView& view : views) {
        const FrameView eye = frame_view_of(view, pack->player);
        std::vector<Timing> timings[ChoiceCount];
        for (int round = 0; round < kRounds; ++round) {
            for (int c = 0; c < ChoiceCount; ++c) {
                // Two renderers share each window: each draws with its own vertex array.
                glfwMakeContextCurrent(windows[c]);
                glBindVertexArray(renderers[c]->vertex_array);
                timings[c].push_back(time_frames(windows[c], renderers[c]->stats, [&] {
                    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
                    draw_scene(*renderers[c], eye, city, pack->player, pack->hostage,
                               pack->grenade, pack->ants, true, frame);
                    frame = (frame + 1) % kAnimationFrames;
                }, block));
            }
        }
        double ms[ChoiceCount];
        for (int c = 0; c < ChoiceCount; ++c) ms[c] = median(timings[c]).ms_per_frame;
        std::printf("%-26s %6.2f ms | %6.2f ms %5.2f | %6.2f ms %5.2f | %6.2f ms %5.2f\n",
                    view.name.c_str(), ms[Default], ms[NoAntialiasing],
                    ms[NoAntialiasing] / ms[Default], ms[NoShadows], ms[NoShadows] / ms[Default],
                    ms[Both], ms[Both] / ms[Default]);
    }
    std::printf("(%d rounds of %d frames per choice, median round; default: %d samples and "
                "shadows)\n", kRounds, block, samples);
    for (int c = NoAntialiasing; c < ChoiceCount; ++c) {
        glfwMakeContextCurrent(windows[c]);
        renderers[c]->release();
    }
    glfwDestroyWindow(plain);
    glfwMakeContextCurrent(window);
    glBindVertexArray(renderer.vertex_array);
}
