#pragma once
// Timing blocks of frames, shared by the city and the late-game tables.
#include <functional>
#include <vector>

struct GLFWwindow;

struct Timing {
    double ms_per_frame = 0.0;
    double draws_per_frame = 0.0;
    double ranges_per_frame = 0.0;
    double vertices_per_frame = 0.0;
};

// Draws `frames` frames with `draw` (which clears and draws), swapping after
// each, after one warm-up frame; the draw counters are read per frame.
Timing time_frames(GLFWwindow* window, const std::function<void()>& draw, int frames);

// The block with the median time per frame.
Timing median(std::vector<Timing> timings);
