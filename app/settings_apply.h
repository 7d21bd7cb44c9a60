#pragma once
// The settings taking effect: at start-up with those read from the file,
// and at RETURN in the options menu with the menu's values, which are then
// kept in the settings file.
#include <iosfwd>

struct GameSession;
struct Settings;

// Full screen (only a change; a refusal costs one line and leaves the game
// in its window), music volume, the bite damage of the ants there are now,
// the grenade's blast radius: the menu's values in the session's settings.
void apply_settings(GameSession& session, std::ostream& out);

// RETURN: apply the menu's values, then write them to the settings file.
void return_from_options(GameSession& session, std::ostream& out);

// Start-up, once the window is open: with the real pace, a swap interval of
// 1 (vsync on) or 0; the frame pace leaves it as the driver has it.
void apply_swap_interval(const Settings& settings);
