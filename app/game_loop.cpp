#include "app/game_loop.h"

#include <ostream>

#include "app/game_session.h"
#include "app/game_state.h"
#include "app/key_bindings.h"
#include "app/key_codes.h"
#include "app/pad_layouts.h"
#include "app/platform.h"
#include "app/round_rules.h"
#include "render/camera.h"

int32_t game_state = Intro;

namespace {

void set_state(int32_t state) { game_state = state; }

// Copied on every pass of the rescue and time-up states.
void show_statistics(GameSession& s) {
    s.shown.time = s.time_left;
    s.shown.score = s.score;
    s.shown.rescued = s.rescued_count;
}

void end_of_intro(GameSession& s) {
    reset_default_bindings();
    s.score = 0;
    s.round_index = 0;
    s.immobilised_ants = 0;
    s.rescued_count = 0;
    s.debug_key_used = false;
    s.shown.rescued = s.shown.time = s.shown.score = 0;
    s.time_left = kRoundTime;
}

void choose_character(GameSession& s) {
    bool chosen = false;
    if (key_pressed(kKeyG)) {
        s.player_is_girl = true;
        chosen = true;
    } else if (key_pressed(kKeyB)) {
        s.player_is_girl = false;
        chosen = true;
    }
    s.shown.player_is_girl = s.player_is_girl;
    if (chosen) {
        start_round(s);
        set_state(Story);
    }
}

}  // namespace

bool run_logic_pass(GameSession& s, std::ostream& out) {
    const double now = platform_time();
    report_frame_time(s.clock, now, out);
    if (window_should_close()) return false;

    // The pad is looked at once per pass, as the state about to read it sees it.
    sample_pad(pad_keys_for(game_state, s.rebinding, key_bindings, s.camera.free_camera,
                            s.camera.orthographic));

    LoopClock& clock = s.clock;
    if (game_state != Playing) {
        restart_camera_clock(s.camera);
        pause_watch(s.slow_frames);
    }
    switch (game_state) {
    case Intro:
        if (timed_wait(clock, now, kIntroWait)) {
            end_of_intro(s);
            set_state(ChooseCharacter);
        }
        break;
    case ChooseCharacter:
        choose_character(s);
        break;
    case Story:
        if (timed_wait(clock, now, kStoryWait)) set_state(StoryWaitKey);
        break;
    case StoryWaitKey:
        if (any_key_pressed()) set_state(Playing);
        break;
    case Playing:
        playing_logic(s, now, out);
        break;
    case HaveAnotherGo:
        if (timed_wait(clock, now, kMessageWait)) set_state(Playing);
        break;
    case RescueMessage:
        show_statistics(s);
        if (timed_wait(clock, now, kMessageWait)) set_state(ScoreScreen);
        break;
    case ScoreScreen:
        if (timed_wait(clock, now, kScreenWait)) set_state(ScoreWaitKey);
        break;
    case ScoreWaitKey:
        if (any_key_pressed()) {
            start_round(s);
            s.time_left = kRoundTime;
            set_state(Playing);
        }
        break;
    case OptionsMenu:
        options_menu_logic(s, now, out);
        break;
    case ControlsMenu:
        controls_menu_logic(s, now);
        break;
    case TimeUpScreen:
        show_statistics(s);
        if (timed_wait(clock, now, kScreenWait)) set_state(TimeUpWaitKey);
        break;
    case TimeUpWaitKey:
        if (any_key_pressed()) set_state(Intro);
        break;
    case DeathMessage:
        s.player.state = PlayerReady;
        s.player.clear_requests();
        if (timed_wait(clock, now, kMessageWait)) {
            s.immobilised_ants = 0;
            start_round(s);
            set_state(HaveAnotherGo);
        }
        break;
    case HostageFound:
        s.player.clear_requests();
        if (timed_wait(clock, now, kMessageWait)) set_state(Playing);
        break;
    default:
        break;
    }
    return true;
}
