// Renders fixed views of the city for a few hundred frames and prints, per
// view, the cost of a frame with the batched city, with one draw call per
// visible cube, and of an empty frame (clear and swap), all in one run.
// Then the lighter pictures (bench/lighter_pictures.h) and the late-game
// table (bench/late_game.h) over the same views.
// Usage: bench_render [frames] [--samples N] [--snapshot DIR] [--views K]
//                     [--no-per-cube] [--no-city] [--no-light] [--no-late]
// The last five make quick comparisons: only the first K views, no
// one-draw-per-cube frames (the slow part of a run), or fewer tables.
#include <GL/glew.h>
#include <GLFW/glfw3.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "actors/player.h"
#include "bench/bench_timing.h"
#include "bench/bench_views.h"
#include "bench/late_game.h"
#include "bench/lighter_pictures.h"
#include "render/camera.h"
#include "render/mesh_handles.h"
#include "render/renderer.h"
#include "world/city_grid.h"
#include "world/level_landmarks.h"

namespace {

constexpr int kWidth = 1024, kHeight = 768;
constexpr int kDefaultFrames = 300;
constexpr int kGameSamples = 4;  // the game window's multisampling
constexpr int kPerCubeFrameDivisor = 5;  // the slow path runs fewer frames
constexpr int kRounds = 5;
constexpr int kLateBlockDivisor = 4;

enum FrameKind { FrameEmpty, FrameBatched, FramePerCube };

void draw_frame(Renderer& r, const CityGrid& city, const FrameView& view, FrameKind kind) {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    if (kind == FrameBatched) r.draw_city(city, MeshCube, view);
    if (kind == FramePerCube) r.draw_city_per_cube(city, MeshCube, view);
}

Timing time_kind(GLFWwindow* window, Renderer& r, const CityGrid& city, const FrameView& view,
                 FrameKind kind, int frames) {
    return time_frames(window, r.stats, [&] { draw_frame(r, city, view, kind); }, frames);
}

std::vector<uint8_t> read_frame(Renderer& r, const CityGrid& city, const FrameView& view,
                                FrameKind kind) {
    draw_frame(r, city, view, kind);
    std::vector<uint8_t> pixels = read_back_frame(kWidth, kHeight);
    glfwSwapBuffers(glfwGetCurrentContext());
    return pixels;
}

// Pixels whose colour differs by more than a rounding step between the paths.
int differing_pixels(const std::vector<uint8_t>& a, const std::vector<uint8_t>& b) {
    int count = 0;
    for (size_t i = 0; i + 2 < a.size(); i += 3) {
        for (size_t c = 0; c < 3; ++c) {
            if (std::abs(int(a[i + c]) - int(b[i + c])) > 2) {
                ++count;
                break;
            }
        }
    }
    return count;
}

}  // namespace

FrameView frame_view_of(const BenchView& view, const Player& player) {
    Camera camera;
    camera.free_camera = view.free_view;
    camera.orthographic = view.orthographic;
    camera.camera_position = glm::vec3(view.x, view.y, view.z);
    camera.free_yaw = view.yaw;
    camera.free_pitch = view.pitch;
    update_camera(camera, CameraInputs{}, player);
    return camera_frame_view(camera);
}

std::vector<BenchView> bench_views() {
    return {
        {"first person, gate", false, false, 0, 0, 0, 0, 0},
        {"free camera, high above", true, false, 148.0f, 330.0f, 110.0f, -1.5708f, -0.55f},
        {"orthographic, gate", false, true, 0, 0, 0, 0, 0},
    };
}

int main(int argc, char** argv) {
    int frames = kDefaultFrames;
    int samples = kGameSamples;
    std::string snapshot_dir;
    size_t view_limit = 0;
    bool per_cube_frames = true;
    bool city_table = true, light_table = true, late_table = true;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--snapshot") == 0 && i + 1 < argc) {
            snapshot_dir = argv[++i];
        } else if (std::strcmp(argv[i], "--samples") == 0 && i + 1 < argc) {
            samples = std::max(0, std::atoi(argv[++i]));
        } else if (std::strcmp(argv[i], "--views") == 0 && i + 1 < argc) {
            view_limit = size_t(std::max(1, std::atoi(argv[++i])));
        } else if (std::strcmp(argv[i], "--no-per-cube") == 0) {
            per_cube_frames = false;
        } else if (std::strcmp(argv[i], "--no-city") == 0) {
            city_table = false;
        } else if (std::strcmp(argv[i], "--no-light") == 0) {
            light_table = false;
        } else if (std::strcmp(argv[i], "--no-late") == 0) {
            late_table = false;
        } else {
            frames = std::max(1, std::atoi(argv[i]));
        }
    }
    if (!snapshot_dir.empty()) {
        std::error_code failed;
        std::filesystem::create_directories(snapshot_dir, failed);
        if (failed) {
            std::fprintf(stderr, "bench_render: cannot make %s: %s\n", snapshot_dir.c_str(),
                         failed.message().c_str());
            return 1;
        }
    }
    GLFWwindow* window = open_bench_window(samples);
    if (!window) {
        std::fprintf(stderr, "bench_render: no OpenGL 3.3 window\n");
        return 1;
    }
    std::printf("renderer: %s | %s\n", glGetString(GL_RENDERER), glGetString(GL_VERSION));

    CityGrid city;
    city.init();
    Renderer renderer;
    renderer.init(float(kWidth), float(kHeight));
    for (const char* path : kMeshFiles) renderer.add_mesh(path);
    auto built = std::chrono::steady_clock::now();
    renderer.render_shadow_map(city, MeshCube);
    glFinish();
    std::chrono::duration<double, std::milli> build_ms = std::chrono::steady_clock::now() - built;
    std::printf("city: %d vertices in %zu ranges; build + shadow map %.1f ms\n",
                renderer.city_vertex_count, renderer.city_ranges.size(), build_ms.count());

    Player player;
    player.cell_x = kPlayerStartCell.x;
    player.cell_y = kPlayerStartCell.y;
    player.cell_z = kPlayerStartCell.z;
    player.snap_to_cell();
    player.facing_angle = angle_for_facing(0);

    // The machine is shared: the three kinds of frame take turns in short
    // blocks, and each reports the median block, so a burst of load elsewhere
    // hits all three alike.
    int block = std::max(1, frames / kRounds);
    int per_cube_block = std::max(1, block / kPerCubeFrameDivisor);
    std::vector<BenchView> views = bench_views();
    if (view_limit > 0 && view_limit < views.size()) views.resize(view_limit);
    if (city_table) {
        std::printf("%-26s %9s %6s %7s %9s | %9s %8s | %8s | %6s %6s | %s\n", "view", "batched",
                    "calls", "ranges", "vertices", "per-cube", "calls", "empty", "x cube", "x empty",
                    "diff px");
        for (const BenchView& view : views) {
            const FrameView eye = frame_view_of(view, player);
            std::vector<Timing> empties, batches, per_cubes;
            for (int round = 0; round < kRounds; ++round) {
                empties.push_back(time_kind(window, renderer, city, eye, FrameEmpty, block));
                batches.push_back(time_kind(window, renderer, city, eye, FrameBatched, block));
                if (per_cube_frames) {
                    per_cubes.push_back(
                        time_kind(window, renderer, city, eye, FramePerCube, per_cube_block));
                }
            }
            if (!per_cube_frames) per_cubes.push_back(Timing{});
            Timing empty = median(empties), batched = median(batches), per_cube = median(per_cubes);
            std::vector<uint8_t> a = read_frame(renderer, city, eye, FrameBatched);
            std::vector<uint8_t> b = read_frame(renderer, city, eye, FramePerCube);
            std::printf("%-26s %6.2f ms %6.1f %7.1f %9.0f | %6.2f ms %8.1f | %5.2f ms | %6.2f %6.2f | %d\n",
                        view.name.c_str(), batched.ms_per_frame, batched.draws_per_frame,
                        batched.ranges_per_frame, batched.vertices_per_frame, per_cube.ms_per_frame, per_cube.draws_per_frame,
                        empty.ms_per_frame, per_cube.ms_per_frame / batched.ms_per_frame,
                        batched.ms_per_frame / empty.ms_per_frame, differing_pixels(a, b));
            if (!snapshot_dir.empty()) {
                std::string stem = snapshot_dir + "/" + view.name.substr(0, view.name.find(','));
                for (char& c : stem) c = c == ' ' ? '_' : c;
                write_ppm(stem + "_batched.ppm", kWidth, kHeight, a);
                write_ppm(stem + "_per_cube.ppm", kWidth, kHeight, b);
            }
        }
        std::printf("(%d rounds of %d frames per view, %d for per-cube, median round; "
                    "1024 x 768, %d samples)\n", kRounds, block, per_cube_block, samples);
    }
    // The actors' tables take four and six kinds of frame in turn; shorter
    // blocks keep the run to a few minutes.
    if (light_table) {
        bench_lighter_pictures(window, renderer, samples, city, views,
                               std::max(1, block / kLateBlockDivisor));
    }
    if (late_table) {
        bench_late_game(window, renderer, city, views,
                        std::max(1, block / kLateBlockDivisor), snapshot_dir);
    }
    renderer.release();
    glfwTerminate();
    return 0;
}
