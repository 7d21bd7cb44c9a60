#pragma once
// The game's states in one table: each state's name, its logic for a loop
// pass, the screen it shows and the lines over it. The logic of a family
// of states sits in one small file (title_states, play_state,
// message_states, score_states, menu_states); the table names them all.
// enter_state is the one place the current state changes.
#include <cstdint>
#include <iosfwd>

#include "app/state_picture.h"

struct GameSession;

constexpr int32_t kGameStateCount = 15;

using StateLogic = void (*)(GameSession& session, double now, std::ostream& out);
// Fills in the lines a state shows over its screen: messages, the pad's hint.
using StateText = void (*)(const GameSession& session, StatePicture& picture);

struct GameStateEntry {
    const char* name;
    StateLogic logic;
    int32_t screen;  // a ScreenKind
    StateText text;  // null: none
};

// The state's entry; null for a number that is no state.
const GameStateEntry* game_state_entry(int32_t state);

// What the current state shows on this frame.
StatePicture current_picture(const GameSession& session);

// Makes `state` current. Leaving play sets the clock to resynchronise when
// play comes back, so the time spent away is never simulated.
void enter_state(GameSession& session, int32_t state);
