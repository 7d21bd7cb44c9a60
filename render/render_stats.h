#pragma once
// Counters of the scene's draw calls, read by the benchmark and tests.
#include <cstdint>

struct RenderStats {
    int64_t draw_calls = 0;
    int64_t ranges = 0;  // vertex ranges drawn: one a call, or several in a multi-draw
    int64_t vertices = 0;
};

extern RenderStats render_stats;

inline void count_draw(int64_t vertices, int64_t ranges = 1) {
    ++render_stats.draw_calls;
    render_stats.ranges += ranges;
    render_stats.vertices += vertices;
}
