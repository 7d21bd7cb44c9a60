#include "actors/wall_clock.h"

#include <chrono>

namespace {
WallClockSource wall_clock_source = nullptr;

double steady_seconds() {
    using namespace std::chrono;
    return duration<double>(steady_clock::now().time_since_epoch()).count();
}
}  // namespace

void set_wall_clock(WallClockSource source) { wall_clock_source = source; }

double wall_clock_seconds() { return wall_clock_source ? wall_clock_source() : steady_seconds(); }
