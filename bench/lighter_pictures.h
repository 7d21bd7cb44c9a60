#pragma once
// The lighter pictures a slow renderer can ask for in the settings file,
// against the game's own: antialiasing = 0 (a window without multisampling),
// shadows = off (the scene program without the shadow lookup) and both.
#include <vector>

#include "bench/bench_views.h"

struct GLFWwindow;
struct CityGrid;
struct Renderer;

// Times, per view, the game's frame (the city, the first round's five ants,
// the hostage and the grenade) with each choice, in turns within one run,
// and prints each time with its ratio to the default's. `window` has the
// game's `samples` and `renderer` draws the default picture in it; the table
// opens one more window without multisampling and makes renderers without
// shadows, and leaves `renderer`'s vertex array bound again.
void bench_lighter_pictures(GLFWwindow* window, Renderer& renderer, int samples, CityGrid& city,
                            const std::vector<BenchView>& views, int block);
