#pragma once
// Counters of the scene's draw calls, read by the benchmark and tests.
#include <cstdint>

struct RenderStats {
    int64_t draw_calls = 0;
    int64_t vertices = 0;
};

extern RenderStats render_stats;

inline void count_draw(int64_t vertices) {
    ++render_stats.draw_calls;
    render_stats.vertices += vertices;
}
