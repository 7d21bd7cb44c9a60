#pragma once
// A recorded game: what it started from (character, random seeds, the
// settings in force, the ants' trail left by the games before it) and, per
// decision pass, the commands that pass acted on, with the options menu's
// values where the menu was left; then the result. No frame timing goes in:
// the simulation does not depend on it.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "actors/random_source.h"

constexpr int32_t kReplayVersion = 1;
// Bounds that keep a damaged file from asking for a world of memory.
constexpr int64_t kMostReplayPasses = 10000000;
constexpr int32_t kMostReplayScentCells = 20000;

struct ScentCell {
    int32_t x = 0, y = 0, value = 0;
    bool operator==(const ScentCell& o) const { return x == o.x && y == o.y && value == o.value; }
};

// The options menu left after `passes` passes, with these values in force.
struct ReplayMenu {
    int64_t passes = 0;
    int32_t damage = 0;
    int32_t radius = 0;
    bool operator==(const ReplayMenu& o) const {
        return passes == o.passes && damage == o.damage && radius == o.radius;
    }
};

struct Replay {
    bool player_is_girl = true;
    RandomSeeds seeds;
    int32_t damage = 1;
    int32_t radius = 2;
    std::vector<ScentCell> scent;
    std::vector<uint32_t> passes;  // packed PassCommands, one per decision pass
    std::vector<ReplayMenu> menus;
    bool ended = false;  // the result below is known
    int32_t score = 0;
    int32_t rescues = 0;

    bool operator==(const Replay& other) const;
};

std::string replay_text(const Replay& replay);
// Reads a replay file's text. On a file of another version, cut short or
// damaged answers false and one line of what is wrong, "what: expected E,
// found F"; `replay` is then unspecified.
bool parse_replay(std::string_view text, Replay& replay, std::string& problem);
