#include "app/game_draw.h"

#include <ostream>

#include "app/game_session.h"
#include "app/game_state.h"
#include "app/key_bindings.h"
#include "app/round_rules.h"
#include "render/camera.h"
#include "render/hud.h"
#include "render/scene.h"
#include "render/text_overlay.h"
#include "ui/screens.h"

namespace {
void message(const GameSession& s, const char* text, int32_t x, int32_t y) {
    print_text(s.text, text, x, y, kMessageSize, 1.0f, 0.0f, 0.0f);
}

// The camera's last view, sized for the frame's picture.
void draw_world(GameSession& s, const PictureRect& picture) {
    FrameView view = camera_frame_view(s.camera);
    view.picture_height = float(picture.height);
    draw_scene(s.renderer, view, s.city, s.player, s.hostage, s.grenade, s.ants,
               s.player_is_girl, s.clock.animation_frame);
    draw_hud(s.text, s.shown, s.player, s.hostage, s.time_left);
}

void draw_death_message(const GameSession& s) {
    switch (s.death_cause) {
    case DeathPlayer: message(s, " EATEN ALIVE     ", 161, kMessageRow); break;
    case DeathHostage: message(s, " IVE BEEN EATEN ALIVE ", 41, kMessageRow); break;
    default: message(s, " SUSPICIOUS DEATH     ", 161, kMessageRow); break;
    }
}
}  // namespace

void draw_game_state(GameSession& s, const PictureRect& picture, std::ostream& out) {
    ScreenResources& screens = s.screens;
    switch (game_state) {
    case Intro: draw_intro_cycle(screens); break;
    case ChooseCharacter: draw_choose_prompt(screens); break;
    case Story: draw_story(screens); break;
    case StoryWaitKey: draw_story_prompt(screens); break;
    case Playing: {
        draw_world(s, picture);
        PlayMessage m = play_message(s);
        if (m.text) message(s, m.text, m.x, m.y);
        break;
    }
    case HaveAnotherGo:
        draw_world(s, picture);
        message(s, "'HAVE ANOTHER GO'       ", 71, kMessageRow);
        break;
    case RescueMessage:
        draw_world(s, picture);
        message(s, "'CONGRATULATIONS !!!'       ", 71, kMessageRow);
        break;
    case ScoreScreen: draw_score_screen(s.text, screens, s.shown); break;
    case ScoreWaitKey: draw_score_prompt(s.text, screens, s.shown); break;
    case OptionsMenu: draw_options_menu(s.text, screens, s.settings); break;
    case ControlsMenu: draw_controls_menu(s.text, screens, key_bindings, s.rebinding); break;
    case TimeUpScreen:
        draw_best_scores(s.text, s.best_scores);
        draw_time_up_screen(s.text, screens, s.shown);
        break;
    case TimeUpWaitKey:
        draw_best_scores(s.text, s.best_scores);
        draw_time_up_prompt(s.text, screens, s.shown);
        break;
    case DeathMessage:
        draw_world(s, picture);
        draw_death_message(s);
        break;
    case HostageFound:
        draw_world(s, picture);
        message(s, "'MY HERO!'       ", 191, kMessageRow);
        message(s, "'TAKE ME AWAY     ", 131, 252);
        message(s, " FROM ALL THIS!'  ", 101, 312);
        break;
    default: break;
    }
    report_options_cursor(screens, game_state == OptionsMenu, out);
}
