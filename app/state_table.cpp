#include "app/state_table.h"

#include "app/game_session.h"
#include "app/game_state.h"
#include "app/state_families.h"


namespace {
// Indexed by GameState.
const GameStateEntry kGameStates[kGameStateCount] = {
    {"Intro", intro_logic, ScreenIntroCycle, nullptr},
    {"ChooseCharacter", choose_character_logic, ScreenChoosePrompt, choose_character_text},
    {"Story", story_logic, ScreenStory, nullptr},
    {"StoryWaitKey", story_wait_key_logic, ScreenStoryPrompt, nullptr},
    {"Playing", playing_logic, ScreenWorld, playing_text},
    {"HaveAnotherGo", have_another_go_logic, ScreenWorld, have_another_go_text},
    {"RescueMessage", rescue_message_logic, ScreenWorld, rescue_text},
    {"ScoreScreen", score_screen_logic, ScreenScore, nullptr},
    {"ScoreWaitKey", score_wait_key_logic, ScreenScorePrompt, nullptr},
    {"OptionsMenu", options_menu_logic, ScreenOptions, options_menu_text},
    {"ControlsMenu", controls_menu_logic, ScreenControls, controls_menu_text},
    {"TimeUpScreen", time_up_screen_logic, ScreenTimeUp, nullptr},
    {"TimeUpWaitKey", time_up_wait_key_logic, ScreenTimeUpPrompt, nullptr},
    {"DeathMessage", death_message_logic, ScreenWorld, death_text},
    {"HostageFound", hostage_found_logic, ScreenWorld, hostage_found_text},
};
}  // namespace

const GameStateEntry* game_state_entry(int32_t state) {
    if (state < 0 || state >= kGameStateCount) return nullptr;
    return &kGameStates[state];
}

StatePicture current_picture(const GameSession& s) {
    StatePicture picture;
    const GameStateEntry* entry = game_state_entry(s.state);
    if (!entry) return picture;
    picture.screen = entry->screen;
    if (entry->text) entry->text(s, picture);
    return picture;
}

void enter_state(GameSession& s, int32_t state) {
    if (s.state == Playing && state != Playing) s.clock.resync_clock = true;
    s.state = state;
}
