#pragma once
// What ends a round and what the play screen says: found hostage, bites,
// deaths, knocked-out ants, time out and rescue; score and messages.
#include <cstdint>
#include <iosfwd>

struct GameSession;

constexpr int32_t kMessageUnits = 3;          // countdown units a message shows
constexpr int32_t kMessageRow = 192;          // text row of the play messages
constexpr int32_t kMessageSize = 30;
constexpr int32_t kPointsPerImmobilisedAnt = 10;
constexpr int32_t kCityInsideFirst = 10;      // a hostage outside 10..138 is rescued
constexpr int32_t kCityInsideLast = 138;

// Reads F8, F11 and F10 in that order; the last pressed wins.
void read_cheat_keys(GameSession& session, std::ostream& out);

// Run on every play frame after the updates; may change the game state.
void apply_round_rules(GameSession& session);

// One countdown unit of play has passed.
void count_down(GameSession& session);

// The message over the play scene this frame, or null; with its position.
struct PlayMessage {
    const char* text = nullptr;
    int32_t x = 0;
    int32_t y = 0;
};
PlayMessage play_message(const GameSession& session);
