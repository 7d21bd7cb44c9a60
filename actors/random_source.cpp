#include "actors/random_source.h"

#include <cstdlib>
#include <random>
#include <utility>

namespace {
constexpr float kTwoPow32 = 4294967296.0f;

struct Script {
    bool active = false;
    std::vector<float> units;
    std::vector<int> rands;
    size_t next_unit = 0;
    size_t next_rand = 0;
    int overruns = 0;
};

Script& script() {
    static Script s;
    return s;
}

// Seeded on the first call only, with one value from the random device.
std::mt19937& generator() {
    static std::mt19937 gen(std::random_device{}());
    return gen;
}
}  // namespace

float random_unit() {
    Script& s = script();
    if (s.active) {
        if (s.next_unit < s.units.size()) return s.units[s.next_unit++];
        ++s.overruns;
        return 0.0f;
    }
    return static_cast<float>(generator()()) / kTwoPow32;
}

int platform_rand() {
    Script& s = script();
    if (s.active) {
        if (s.next_rand < s.rands.size()) return s.rands[s.next_rand++];
        ++s.overruns;
        return 0;
    }
    return std::rand();
}

void script_random(std::vector<float> units, std::vector<int> rands) {
    Script& s = script();
    s.active = true;
    s.units = std::move(units);
    s.rands = std::move(rands);
    s.next_unit = 0;
    s.next_rand = 0;
    s.overruns = 0;
}

void use_real_random() { script() = Script{}; }

int scripted_units_left() {
    const Script& s = script();
    return int(s.units.size() - s.next_unit);
}

int scripted_rands_left() {
    const Script& s = script();
    return int(s.rands.size() - s.next_rand);
}

int scripted_overruns() { return script().overruns; }
