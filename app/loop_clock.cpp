#include "app/loop_clock.h"

#include <algorithm>
#include <ostream>

namespace {
constexpr double kReportInterval = 1.0;
constexpr double kMillisecondsPerSecond = 1000.0;
constexpr double kCountdownUnit = 1.0;
}  // namespace

void report_frame_time(LoopClock& clock, double now, std::ostream& out) {
    ++clock.frame_count;
    if (now - clock.frame_time_base >= kReportInterval) {
        out << kMillisecondsPerSecond / clock.frame_count << " ms/frame" << std::endl;
        clock.frame_count = 0;
        clock.frame_time_base += kReportInterval;
    }
}

bool timed_wait(LoopClock& clock, double now, double seconds) {
    if (!clock.waiting) {
        clock.wait_deadline = now + seconds;
        clock.waiting = true;
        return false;
    }
    if (now - clock.wait_deadline >= 0.0) {
        clock.waiting = false;
        return true;
    }
    return false;
}

bool menu_gate_open(LoopClock& clock, double now) {
    if (now - clock.tick_base >= kMenuGateSeconds) {
        clock.tick_base += kMenuGateSeconds;
        return true;
    }
    return false;
}

void catch_up_menu_gate(LoopClock& clock, double now) {
    clock.tick_base = std::max(clock.tick_base, now - kMenuGateSeconds);
}

namespace {
void resync(LoopClock& clock, double now) {
    if (clock.resync_clock) clock.tick_base = now;
    clock.resync_clock = false;
}

void add_tick(LoopClock& clock) {
    clock.tick_base += kTickSeconds;
    clock.second_accumulator += kTickSeconds;
    clock.tick_accumulator += 1.0;
}

void next_animation_frame(LoopClock& clock) {
    clock.animation_frame = (clock.animation_frame + 1) % kAnimationFrames;
}

// The accumulator is set to 0, not reduced by a unit.
bool countdown_unit_ended(LoopClock& clock) {
    if (clock.second_accumulator < kCountdownUnit) return false;
    clock.second_accumulator = 0.0;
    return true;
}
}  // namespace

bool play_frame_time(LoopClock& clock, double now) {
    resync(clock, now);
    if (now >= clock.tick_base + kTickSeconds) add_tick(clock);
    next_animation_frame(clock);
    return countdown_unit_ended(clock);
}

int ticks_due(LoopClock& clock, double now) {
    resync(clock, now);
    // Counted with the same additions the ticks make, so they agree exactly.
    double base = clock.tick_base;
    int due = 0;
    while (due < kMostTicksPerFrame && now >= base + kTickSeconds) {
        base += kTickSeconds;
        ++due;
    }
    if (now >= base + kTickSeconds) clock.tick_base = now - due * kTickSeconds;
    return due;
}

bool account_tick(LoopClock& clock) {
    add_tick(clock);
    next_animation_frame(clock);
    return countdown_unit_ended(clock);
}

float fraction_past_tick(const LoopClock& clock, double now) {
    return float(std::clamp((now - clock.tick_base) / kTickSeconds, 0.0, 1.0));
}
