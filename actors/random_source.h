#pragma once
// The game's two random sources behind one seam: the ants' Mersenne Twister
// (`random_unit`) and the C library's `rand` (bite rolls, the captive's spot,
// new ant cells). The game uses the real sources; tests script both so every
// probability branch can be reached on purpose and every draw is counted.
#include <cstdint>
#include <vector>

// One MT19937 output divided by 2^32, as a float in [0, 1]. The generator is
// seeded once, at its first use, from the operating system's random device.
float random_unit();
// The platform's `rand`, never seeded by the game.
int platform_rand();

// From now on both sources hand out these values in order. A source that
// runs dry answers 0 and counts the overrun, so a test sees an unplanned draw.
void script_random(std::vector<float> units, std::vector<int> rands);
// Back to the real sources (the generator keeps its state).
void use_real_random();

// What a scripted run has left, and how many draws found nothing left.
int scripted_units_left();
int scripted_rands_left();
int scripted_overruns();
