#pragma once
#include <cstdint>

// The fifteen states of the game, held in the session (GameSession::state).
enum GameState : int32_t {
    Intro = 0,
    ChooseCharacter = 1,
    Story = 2,
    StoryWaitKey = 3,
    Playing = 4,
    HaveAnotherGo = 5,
    RescueMessage = 6,
    ScoreScreen = 7,
    ScoreWaitKey = 8,
    OptionsMenu = 9,
    ControlsMenu = 10,
    TimeUpScreen = 11,
    TimeUpWaitKey = 12,
    DeathMessage = 13,
    HostageFound = 14,
};

