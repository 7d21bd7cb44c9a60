#pragma once
// The fixed camera views the benchmark renders.
#include <string>
#include <vector>

#include "render/frame_view.h"

struct Player;

struct BenchView {
    std::string name;
    bool free_view;      // free camera instead of first person
    bool orthographic;
    float x, y, z;       // free-camera eye, world units
    float yaw, pitch;    // free-camera angles
};

// First person at the gate looking into the city, perspective and
// orthographic, and a free camera high above the city.
std::vector<BenchView> bench_views();

// The frame's view of a camera with the switches and angles of `view`,
// updated once (mouse at rest) for `player`.
FrameView frame_view_of(const BenchView& view, const Player& player);
