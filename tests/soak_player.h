#pragma once
// The player of the soak: after every pass of the real loop it moves the
// scripted clock on and presses keys by the game state, so that the game
// goes through whole games of rounds, menus and screens on its own, and
// leaves by EXIT in the options menu when the planned rounds are played.
#include <cstdint>
#include <string>
#include <vector>

struct GameSession;
struct ScriptedPlatform;

struct SoakPlan {
    int rounds = 30;              // rounds to end (rescue, death, time out)
    int first_game_rescues = 21;  // rescues before the first game's time runs out
};

// One key to press in a menu once the cursor stands on `item`; item -1
// presses it at once (the key for a rebinding).
struct MenuStep {
    int32_t state;
    int32_t item;
    int key;
};

struct SoakPlayer {
    SoakPlan plan;
    int rounds_done = 0;
    int games_started = 0;
    int play_frames = 0;  // play frames of the current round
    int32_t last_state = -1;
    int held_key = 0;                  // the FORWARD key held down, 0 for none
    int rebound_rounds = 0;            // rounds walked with FORWARD on its new key
    std::vector<MenuStep> menu_steps;  // what is left of the current menu visit
    double gate_base = -1.0;           // menu gate base when the last key was pressed
    std::vector<long> resident_kb;     // resident memory at the end of each round
    std::vector<std::string> problems;

    // Called after every loop pass.
    void after_frame(GameSession& session, ScriptedPlatform& input);

private:
    int ending_key(const GameSession& session, int round) const;
    void play(GameSession& session, ScriptedPlatform& input);
    void use_menu(GameSession& session, ScriptedPlatform& input);
};
