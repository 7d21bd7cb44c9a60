#pragma once
// What a game state shows on a frame, decided by the flow as plain data:
// which screen, up to three lines of message over it, and the line saying
// what the pad's buttons do. The presentation draws it (app/game_draw.h)
// from the session as the pass's logic left it.
#include <array>
#include <cstdint>

enum ScreenKind : int32_t {
    ScreenNone = -1,          // nothing: no state shows it
    ScreenWorld = 0,          // the scene and the status line
    ScreenIntroCycle = 1,     // the title images in turn
    ScreenChoosePrompt = 2,   // the two prompt images in turn
    ScreenStory = 3,
    ScreenStoryPrompt = 4,
    ScreenScore = 5,          // the statistics over the score image
    ScreenScorePrompt = 6,
    ScreenTimeUp = 7,         // the best scores and the statistics over the time-up image
    ScreenTimeUpPrompt = 8,
    ScreenOptions = 9,
    ScreenControls = 10,
};

// One line of text at a text position (see render/text_overlay.h).
struct ScreenMessage {
    const char* text = nullptr;
    int32_t x = 0, y = 0;
};

constexpr int32_t kMostMessages = 3;
// In order; the first without text ends them.
using ScreenMessages = std::array<ScreenMessage, kMostMessages>;

// While a pad is connected, one line says which buttons do what; it is
// drawn before the screen's own picture.
enum PadHint : int32_t {
    PadHintNone = -1,
    PadHintChoose = 0,     // the character choice
    PadHintOptions = 1,    // moving through the menus
    PadHintControls = 2,   // the buttons in play
    PadHintRebinding = 3,  // the controls menu's wait for a new key
};

struct StatePicture {
    int32_t screen = ScreenNone;
    ScreenMessages messages{};
    int32_t pad_hint = PadHintNone;
};
