#include "soak_player.h"

#include <fstream>

#include "actors/hostage.h"
#include "app/game_session.h"
#include "app/game_state.h"
#include "app/key_bindings.h"
#include "app/key_codes.h"
#include "world/city_grid.h"
#include "scripted_platform.h"

namespace {

// Play frames step a hair more than one tick (0.01 s against the tick's
// 0.0099999998 s), so every frame simulates exactly one at either pace;
// screens and messages step in large strides; menus step so a gate opens
// every third frame.
constexpr double kPlayStep = 0.01;
constexpr double kScreenStep = 0.5;
constexpr double kMenuStep = 0.3;
constexpr int kKeyP = 80;
// The new key for FORWARD in a rebinding visit: the capture takes the
// highest key down, and W is still held then.
constexpr int kKeyY = 89;

// Play frames of a round at which the script acts; a decision pass comes
// every 40 frames.
constexpr int kFoundFrame = 1;
constexpr int kWalkFrame = 2;
constexpr int kJumpFrame = 45;
constexpr int kEscapeFrame = 50;
constexpr int kTurnFrame = 85;
constexpr int kStopFrame = 100;
constexpr int kThrowFrame = 105;
constexpr int kCameraFrame = 110;
constexpr int kEndFrame = 130;

long resident_memory_kb() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6));
    }
    return -1;
}

bool ends_a_round(int32_t state) {
    return state == RescueMessage || state == DeathMessage || state == TimeUpScreen;
}

bool starts_a_round(int32_t from) {
    return from == StoryWaitKey || from == ScoreWaitKey || from == HaveAnotherGo;
}

int bound_key(GameSession& s, int32_t action) { return s.key_bindings[action]; }

// Options: change the values; controls: give FORWARD a new key, or put
// every key back.
std::vector<MenuStep> rebinding_visit() {
    return {{OptionsMenu, OptionsVolume, kKeyRight}, {OptionsMenu, OptionsDamage, kKeyLeft},
            {OptionsMenu, OptionsRadius, kKeyRight}, {OptionsMenu, OptionsControl, kKeyEnter},
            {ControlsMenu, ActionForward, kKeyEnter}, {ControlsMenu, -1, kKeyY},
            {ControlsMenu, kControlsReturn, kKeyEnter}, {OptionsMenu, OptionsReturn, kKeyEnter}};
}

// Full screen goes on in the first reset visit and off twenty rounds later:
// the scripted screen is small, the window it returns to is not.
std::vector<MenuStep> reset_visit(bool switch_screen) {
    std::vector<MenuStep> steps = {
        {OptionsMenu, OptionsVolume, kKeyLeft}, {OptionsMenu, OptionsControl, kKeyEnter},
        {ControlsMenu, kControlsReset, kKeyEnter}, {ControlsMenu, kControlsReturn, kKeyEnter},
        {OptionsMenu, OptionsReturn, kKeyEnter}};
    if (switch_screen) steps.insert(steps.begin(), {OptionsMenu, OptionsFullscreen, kKeyRight});
    return steps;
}

std::vector<MenuStep> exit_visit() { return {{OptionsMenu, OptionsExit, kKeyEnter}}; }

// Brings the captive next to the gate, in the player's way, so that the
// found state comes without a scripted walk across the city.
void bring_captive_near(GameSession& s) {
    for (int y = s.player.cell_y - 2; y > s.player.cell_y - 6; --y) {
        if (cell_at(s.city, s.player.cell_x, y, s.player.cell_z) != CellEmpty) continue;
        s.hostage.cell_x = s.player.cell_x;
        s.hostage.cell_y = y;
        s.hostage.cell_z = s.player.cell_z;
        s.hostage.snap_to_cell();
        return;
    }
}

}  // namespace

void SoakPlayer::after_frame(GameSession& s, ScriptedPlatform& in) {
    if (window_should_close()) return;  // EXIT was chosen: this was the last frame
    if (s.state != last_state) {
        if (last_state == Playing && ends_a_round(s.state)) {
            ++rounds_done;
            resident_kb.push_back(resident_memory_kb());
        }
        if (s.state == Playing && starts_a_round(last_state)) play_frames = 0;
        if (s.state == ChooseCharacter) ++games_started;
        last_state = s.state;
    }
    switch (s.state) {
    case ChooseCharacter:
        in.tap(games_started % 2 == 1 ? kKeyG : kKeyB);
        in.advance(kPlayStep);
        break;
    case StoryWaitKey:
    case ScoreWaitKey:
    case TimeUpWaitKey:
        in.tap(kKeyP);
        in.advance(kPlayStep);
        break;
    case Playing:
        play(s, in);
        break;
    case OptionsMenu:
    case ControlsMenu:
        use_menu(s, in);
        break;
    default:  // the timed screens and messages
        in.advance(kScreenStep);
        break;
    }
}

// Rescues, with a death every sixth round, until the first game has its
// rescues; then that game runs out of time.
int SoakPlayer::ending_key(const GameSession& s, int round) const {
    if (games_started == 1 && s.rescued_count >= plan.first_game_rescues) return kKeyF11;
    if (round % 6 == 4) return kKeyF10;
    return kKeyF8;
}

void SoakPlayer::play(GameSession& s, ScriptedPlatform& in) {
    in.advance(kPlayStep);
    gate_base = -1.0;
    const int frame = ++play_frames;
    const int round = rounds_done + 1;
    if (rounds_done >= plan.rounds) {  // all played: leave by EXIT
        if (frame == kEscapeFrame) {
            in.tap(kKeyEscape);
            menu_steps = exit_visit();
        }
        return;
    }
    if (frame == kFoundFrame && round % 10 == 1) bring_captive_near(s);
    if (frame == kWalkFrame) {
        held_key = bound_key(s, ActionForward);
        if (held_key == kKeyY) ++rebound_rounds;
        in.press(held_key);
    }
    if (frame == kStopFrame) in.release(held_key);
    if (frame == kJumpFrame) in.tap(bound_key(s, ActionJump));
    if (frame == kEscapeFrame && (round % 10 == 2 || round % 10 == 3)) {
        in.tap(kKeyEscape);
        menu_steps = round % 10 == 2 ? rebinding_visit() : reset_visit(round % 20 == 3);
    }
    if (frame == kTurnFrame) in.tap(bound_key(s, round % 2 == 1 ? ActionRight : ActionLeft));
    if (frame == kThrowFrame) in.tap(bound_key(s, ActionGra0 + round % 4));
    if (frame == kCameraFrame) in.tap(bound_key(s, ActionCam0 + round % 4));
    if (frame == kEndFrame) in.tap(ending_key(s, round));
}

void SoakPlayer::use_menu(GameSession& s, ScriptedPlatform& in) {
    in.advance(kMenuStep);
    if (gate_base >= 0.0 && s.clock.tick_base == gate_base) return;  // last key not read yet
    if (menu_steps.empty()) {
        problems.push_back("a menu opened that the script did not ask for, in round " +
                           std::to_string(rounds_done + 1) + " at play frame " +
                           std::to_string(play_frames));
        menu_steps = {{OptionsMenu, OptionsReturn, kKeyEnter}};
    }
    const MenuStep step = menu_steps.front();
    if (step.state != s.state) {
        problems.push_back("menu script: expected state " + std::to_string(step.state) +
                           ", found " + std::to_string(s.state));
        menu_steps.clear();
        request_window_close();
        return;
    }
    const int32_t cursor =
        s.state == OptionsMenu ? s.screens.options_cursor : s.screens.controls_cursor;
    int key = step.key;
    if (step.item >= 0 && cursor < step.item) {
        key = kKeyDown;
    } else if (step.item >= 0 && cursor > step.item) {
        key = kKeyUp;
    } else {
        menu_steps.erase(menu_steps.begin());
    }
    in.tap(key);
    gate_base = s.clock.tick_base;
}
