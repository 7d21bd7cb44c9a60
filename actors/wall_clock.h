#pragma once
// Wall time for the rules that run on it (the ants' bite clock). The game
// points it at its platform clock; tests may point it at one they set.
using WallClockSource = double (*)();

// Null goes back to the process's steady clock.
void set_wall_clock(WallClockSource source);
double wall_clock_seconds();
