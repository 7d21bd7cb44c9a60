#include "app/pass_commands.h"

#include "actors/player.h"

namespace {
// Bits of the packed form, low to high.
constexpr uint32_t kEscapeBit = 1u << 0;
constexpr uint32_t kForwardBit = 1u << 1;
constexpr uint32_t kJumpBit = 1u << 2;
constexpr int kCheatShift = 3;       // 2 bits: CheatCode
constexpr int kTurnShift = 5;        // 2 bits: TurnCommand
constexpr int kThrowShift = 7;       // 3 bits: range + 1, 0 for none
constexpr int kViewShift = 10;       // 2 bits: ViewCommand
constexpr int kProjectionShift = 12; // 2 bits: ProjectionCommand
constexpr uint32_t kTwoBits = 3u;
constexpr uint32_t kThreeBits = 7u;
constexpr int32_t kLongestThrow = 3;
constexpr int32_t kLastCheat = 3;
}  // namespace

uint32_t pack_commands(const PassCommands& c) {
    uint32_t packed = 0;
    if (c.escape) packed |= kEscapeBit;
    if (c.forward) packed |= kForwardBit;
    if (c.jump) packed |= kJumpBit;
    packed |= uint32_t(c.cheat) << kCheatShift;
    packed |= uint32_t(c.turn) << kTurnShift;
    packed |= uint32_t(c.throw_range + 1) << kThrowShift;
    packed |= uint32_t(c.view) << kViewShift;
    packed |= uint32_t(c.projection) << kProjectionShift;
    return packed;
}

bool unpack_commands(uint32_t packed, PassCommands& c) {
    if (packed > kMostPackedCommands) return false;
    c.escape = (packed & kEscapeBit) != 0;
    c.forward = (packed & kForwardBit) != 0;
    c.jump = (packed & kJumpBit) != 0;
    c.cheat = int32_t((packed >> kCheatShift) & kTwoBits);
    c.turn = int32_t((packed >> kTurnShift) & kTwoBits);
    c.throw_range = int32_t((packed >> kThrowShift) & kThreeBits) - 1;
    c.view = int32_t((packed >> kViewShift) & kTwoBits);
    c.projection = int32_t((packed >> kProjectionShift) & kTwoBits);
    return c.cheat <= kLastCheat && c.turn <= TurnRight && c.throw_range <= kLongestThrow &&
           c.view <= ViewFree && c.projection <= ProjectionOrthographic;
}

void request_actions(const PassCommands& c, Player& player) {
    if (c.forward) player.want_forward = true;
    if (c.turn != TurnNone) {
        player.want_turn = true;
        player.turn_right = c.turn == TurnRight ? 1 : 0;
    }
    if (c.jump) player.want_jump = true;
    if (c.throw_range != kNoThrow) {
        player.want_throw = true;
        player.throw_range = c.throw_range;
    }
}

void switch_camera(const PassCommands& c, bool& free_camera, bool& orthographic) {
    if (c.view != ViewKeep) free_camera = c.view == ViewFree;
    if (c.projection != ProjectionKeep) orthographic = c.projection == ProjectionOrthographic;
}
