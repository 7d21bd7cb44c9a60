#pragma once
// The late-game table: the benchmark's views with the full pack of ants at
// their start cells, against the same views with the first five.
#include <memory>
#include <string>
#include <vector>

#include "actors/ant.h"
#include "actors/grenade.h"
#include "actors/hostage.h"
#include "actors/player.h"
#include "bench/bench_views.h"

struct GLFWwindow;
struct Renderer;
struct CityGrid;

struct Pack {
    Player player;
    Hostage hostage;
    Grenade grenade;
    std::vector<Ant> ants;
};

// The round set-up of round `round_index` (0 the first), every actor drawn
// in its cell, the grenade shown at its resting cell and every ant walking
// (legs swinging).
std::unique_ptr<Pack> round_pack(CityGrid& city, int round_index);

// Times, per view, the frame with 5 and with 101 walking ants (plus the
// player, the hostage and the grenade) and splits the cost of the large
// pack into the city, culled calls, pixels and the drawn actors. With a
// snapshot folder, each view's 101-ant frame is written there too.
void bench_late_game(GLFWwindow* window, Renderer& renderer, CityGrid& city,
                     const std::vector<BenchView>& views, int block,
                     const std::string& snapshot_dir);
