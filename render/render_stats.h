#pragma once
// Counters of the scene's draw calls, kept by the renderer and read by the
// benchmark and tests.
#include <cstdint>

struct RenderStats {
    int64_t draw_calls = 0;
    int64_t ranges = 0;  // vertex ranges drawn: one a call, or several in a multi-draw
    int64_t vertices = 0;
};

inline void count_draw(RenderStats& stats, int64_t vertices, int64_t ranges = 1) {
    ++stats.draw_calls;
    stats.ranges += ranges;
    stats.vertices += vertices;
}
