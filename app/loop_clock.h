#pragma once
// Time keeping of the main loop: the once-a-second frame-time line, the
// fixed simulation tick, the countdown unit, timed waits and the menu gate.
#include <cstdint>
#include <iosfwd>

// The tick is the single-precision 0.01 widened to double; this exact value
// is accumulated, which is why a countdown unit takes 101 ticks, not 100.
constexpr double kTickSeconds = double(0.01f);
constexpr double kTicksPerDecision = 40.0;
constexpr double kMenuGateSeconds = 0.8;
// The actors' swing animation steps through this many frames: once per play
// frame at the frame pace, once per tick at the real pace.
constexpr int kAnimationFrames = 10;
// With the real pace: the most ticks one frame simulates. One frame then
// holds at most one decision pass and one countdown unit; below 2.5 frames
// per second the game slows down.
constexpr int kMostTicksPerFrame = 40;

struct LoopClock {
    int32_t frame_count = 0;
    double frame_time_base = 0.0;
    double tick_base = 0.0;
    double second_accumulator = 0.0;
    double tick_accumulator = 0.0;
    double pass_accumulator = 0.0;
    int32_t animation_frame = 0;
    int64_t play_ticks = 0;  // simulation ticks run since start: the effects' game time
    bool waiting = false;
    double wait_deadline = 0.0;
    bool resync_clock = true;
    // Real pace: how far real time had gone past the last simulated tick at
    // the end of the play logic, in ticks (0 to 1); drawing moves the actors
    // on by it. Zero with the frame pace and outside play.
    float tick_fraction = 0.0f;
};

// Counts a frame and writes "<ms> ms/frame" once per second of wall time.
// The base moves by whole seconds, so after a stall it catches up one line
// per frame.
void report_frame_time(LoopClock& clock, double now, std::ostream& out);

// Arms the wait on the first call, then answers true once `seconds` have
// passed (and disarms it).
bool timed_wait(LoopClock& clock, double now, double seconds);

// True at most once per 0.8 s; the base steps by 0.8 so a lagging base
// opens on consecutive frames until it has caught up.
bool menu_gate_open(LoopClock& clock, double now);

// On entering a menu: play below 100 frames per second leaves the base far
// behind real time, and the gate would then open on every frame for as long
// as that lag lasts. The base is brought to one gate behind `now` at most, so
// the gate opens once at once and every 0.8 s after.
void catch_up_menu_gate(LoopClock& clock, double now);

// The time keeping of a play frame at the frame pace: resync, at most one
// tick, the animation frame and the countdown unit. Returns true when a
// countdown unit ended.
bool play_frame_time(LoopClock& clock, double now);

// The real pace's ticks for a play frame: resync, then the whole ticks real
// time has gone by since the last one, at most kMostTicksPerFrame. Time past
// that is dropped, so after a stall the game goes on at its speed instead of
// racing to catch up.
int ticks_due(LoopClock& clock, double now);
// One of them: simulation time, the tick to dispatch and the walk
// animation's frame (which follows game time at this pace). Returns true
// when a countdown unit ended.
bool account_tick(LoopClock& clock);
// Real time past the last accounted tick, in ticks, 0 to 1.
float fraction_past_tick(const LoopClock& clock, double now);
