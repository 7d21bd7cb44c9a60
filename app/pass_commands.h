#pragma once
// What one decision pass of play acts on, whether read from the keys or
// from a replay: the player's requests, the camera switches, Escape and the
// debugging keys. Packed into one number for the replay file.
#include <cstdint>

struct GameSession;
struct Player;

enum TurnCommand : int32_t { TurnNone = 0, TurnLeft = 1, TurnRight = 2 };
enum ViewCommand : int32_t { ViewKeep = 0, ViewFirstPerson = 1, ViewFree = 2 };
enum ProjectionCommand : int32_t {
    ProjectionKeep = 0,
    ProjectionPerspective = 1,
    ProjectionOrthographic = 2,
};
constexpr int32_t kNoThrow = -1;

struct PassCommands {
    bool escape = false;
    int32_t cheat = 0;  // CheatCode: the last debugging key read
    bool forward = false;
    int32_t turn = TurnNone;
    bool jump = false;
    int32_t throw_range = kNoThrow;
    int32_t view = ViewKeep;
    int32_t projection = ProjectionKeep;
};

// No packed value is larger; not every smaller one is a pass's.
constexpr uint32_t kMostPackedCommands = 0x3fff;
uint32_t pack_commands(const PassCommands& commands);
// False for a number no pass can have packed.
bool unpack_commands(uint32_t packed, PassCommands& commands);

// The player's requests as a pass hands them on (requests only ever set).
void request_actions(const PassCommands& commands, Player& player);
// The view and projection switches.
void switch_camera(const PassCommands& commands, bool& free_camera, bool& orthographic);
