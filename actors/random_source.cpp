#include "actors/random_source.h"

#include <utility>

namespace {
constexpr float kTwoPow32 = 4294967296.0f;

}  // namespace

RandomSeeds os_random_seeds() {
    std::random_device device;
    RandomSeeds seeds;
    seeds.ants = device();
    seeds.draws = device();
    return seeds;
}

void GameRandom::seed(RandomSeeds fresh) {
    seeds = fresh;
    ants_generator.seed(fresh.ants);
    draws_generator.seed(fresh.draws);
}

float GameRandom::unit() {
    RandomScript& s = script;
    if (s.active) {
        if (s.next_unit < s.units.size()) return s.units[s.next_unit++];
        ++s.overruns;
        return 0.0f;
    }
    return static_cast<float>(ants_generator()) / kTwoPow32;
}

int GameRandom::draw() {
    RandomScript& s = script;
    if (s.active) {
        if (s.next_rand < s.rands.size()) return s.rands[s.next_rand++];
        ++s.overruns;
        return 0;
    }
    return int(draws_generator() >> 1);
}

void GameRandom::script_draws(std::vector<float> units, std::vector<int> rands) {
    script = RandomScript{};
    script.active = true;
    script.units = std::move(units);
    script.rands = std::move(rands);
}
