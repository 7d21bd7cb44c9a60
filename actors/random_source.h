#pragma once
// The game's two random sources, owned by the game they serve: the ants'
// Mersenne Twister (`unit`) and the second source that stands where the C
// library's `rand` once did (bite rolls, the captive's spot, new ant cells).
// Both are seeded per game from the operating system's random source, and
// the seeds are kept so a recorded game can be played again draw for draw.
// Tests script both so every probability branch can be reached on purpose
// and every draw is counted.
#include <cstdint>
#include <random>
#include <vector>

// The largest value `GameRandom::draw` hands out: the 31 bits `rand` gives
// on the platform the game was made on, so every `% n` keeps its odds.
constexpr int kDrawMax = 2147483647;

struct RandomSeeds {
    uint32_t ants = 0;   // the ants' generator
    uint32_t draws = 0;  // bite rolls, captive spot, new ant cells
};

// Fixed values handed out in order instead of the generators' own.
struct RandomScript {
    bool active = false;
    std::vector<float> units;
    std::vector<int> rands;
    size_t next_unit = 0;
    size_t next_rand = 0;
    int overruns = 0;
};

struct GameRandom {
    RandomSeeds seeds;
    std::mt19937 ants_generator;
    std::mt19937 draws_generator;
    RandomScript script;

    // Both generators start again from these seeds, which are kept.
    void seed(RandomSeeds fresh);
    // One MT19937 output divided by 2^32, as a float in [0, 1].
    float unit();
    // 0 to kDrawMax.
    int draw();

    // From now on both sources hand out these values in order. A source
    // that runs dry answers 0 and counts the overrun, so a test sees an
    // unplanned draw.
    void script_draws(std::vector<float> units, std::vector<int> rands);
    void use_generators() { script = RandomScript{}; }
    int units_left() const { return int(script.units.size() - script.next_unit); }
    int rands_left() const { return int(script.rands.size() - script.next_rand); }
    int overruns() const { return script.overruns; }
};

// The seam to the operating system's random source: two fresh seeds.
RandomSeeds os_random_seeds();
