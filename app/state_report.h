#pragma once
// One line on standard output whenever the game state changes, e.g.
// "state 9 OptionsMenu", written once the new state's first frame has been
// swapped to the screen, so a script driving the real game can wait for the
// screen it needs instead of guessing how long a software-rendered frame takes.
#include <cstdint>
#include <iosfwd>

// Writes the line when `current` differs from `last_reported`, then
// remembers `current`.
void report_state_change(int32_t& last_reported, int32_t current, std::ostream& out);
