#pragma once
// Timing blocks of frames and keeping pictures of them, shared by the
// benchmark's tables, and the windows they are drawn in.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

struct GLFWwindow;
struct RenderStats;

// A 1024 x 768 window with an OpenGL 3.3 core context made current, `samples`
// per pixel, no vsync, and the game's GL state but its vertex array, which
// each renderer's init makes; null when there is none.
GLFWwindow* open_bench_window(int samples);

struct Timing {
    double ms_per_frame = 0.0;
    double draws_per_frame = 0.0;
    double ranges_per_frame = 0.0;
    double vertices_per_frame = 0.0;
};

// Draws `frames` frames with `draw` (which clears and draws), swapping after
// each, after one warm-up frame; the draw counters of `stats`, where the
// renderer keeps them, are read per frame.
Timing time_frames(GLFWwindow* window, RenderStats& stats, const std::function<void()>& draw,
                   int frames);

// The block with the median time per frame.
Timing median(std::vector<Timing> timings);

// The back buffer's colours, bottom row first, three bytes a pixel.
std::vector<uint8_t> read_back_frame(int width, int height);

// A picture read by read_back_frame as a binary PPM, top row first.
void write_ppm(const std::string& path, int width, int height, const std::vector<uint8_t>& pixels);
