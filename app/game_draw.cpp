#include "app/game_draw.h"

#include <ostream>

#include "app/game_session.h"
#include "app/game_state.h"
#include "app/key_bindings.h"
#include "app/pad_input.h"
#include "app/presentation.h"
#include "app/round_rules.h"
#include "render/camera.h"
#include "render/hud.h"
#include "render/scene.h"
#include "render/text_overlay.h"

namespace {
void message(const Presentation& p, const char* text, int32_t x, int32_t y) {
    print_text(p.text, text, x, y, kMessageSize, 1.0f, 0.0f, 0.0f);
}

// The camera's last view, sized for the frame's picture. Between two ticks
// (real pace) the actors are drawn moved on by the part of a tick real time
// has gone past the last one; the records stay put. The effects go over the
// scene and the status line over both.
void draw_world(Presentation& p, const GameSession& s, const PictureRect& picture) {
    FrameView view = camera_frame_view(s.camera);
    view.picture_height = float(picture.height);
    const float ticks = s.clock.tick_fraction;
    if (ticks > 0.0f) {
        std::vector<Ant> ants = s.ants;
        for (Ant& ant : ants) advance_motion_by(ant, ticks);
        draw_scene(p.renderer, view, s.city, moved_on(s.player, ticks), moved_on(s.hostage, ticks),
                   moved_on(s.grenade, ticks), ants, s.player_is_girl, s.clock.animation_frame);
    } else {
        draw_scene(p.renderer, view, s.city, s.player, s.hostage, s.grenade, s.ants,
                   s.player_is_girl, s.clock.animation_frame);
    }
    p.renderer.draw_effects(view, describe_effects(s.effects, s.city, s.clock.play_ticks));
    draw_hud(p.text, s.shown, s.settings, s.player, s.hostage, s.time_left);
}

void draw_death_message(const Presentation& p, const GameSession& s) {
    switch (s.death_cause) {
    case DeathPlayer: message(p, " EATEN ALIVE     ", 161, kMessageRow); break;
    case DeathHostage: message(p, " IVE BEEN EATEN ALIVE ", 41, kMessageRow); break;
    default: message(p, " SUSPICIOUS DEATH     ", 161, kMessageRow); break;
    }
}
// The line goes first: screens draw their text before their picture.
void pad_hint(const Presentation& p, int32_t hint) {
    if (pad_connected()) draw_pad_hint(p.text, hint);
}
}  // namespace

void draw_game_state(Presentation& p, GameSession& s, const PictureRect& picture,
                     std::ostream& out) {
    ScreenResources& screens = s.screens;
    ScreenImages& images = p.images;
    switch (game_state) {
    case Intro: draw_intro_cycle(images); break;
    case ChooseCharacter:
        pad_hint(p, PadHintChoose);
        draw_choose_prompt(images);
        break;
    case Story: draw_story(images); break;
    case StoryWaitKey: draw_story_prompt(images); break;
    case Playing: {
        draw_world(p, s, picture);
        PlayMessage m = play_message(s);
        if (m.text) message(p, m.text, m.x, m.y);
        break;
    }
    case HaveAnotherGo:
        draw_world(p, s, picture);
        message(p, "'HAVE ANOTHER GO'       ", 71, kMessageRow);
        break;
    case RescueMessage:
        draw_world(p, s, picture);
        message(p, "'CONGRATULATIONS !!!'       ", 71, kMessageRow);
        break;
    case ScoreScreen: draw_score_screen(p.text, images, s.shown); break;
    case ScoreWaitKey: draw_score_prompt(p.text, images, s.shown); break;
    case OptionsMenu:
        pad_hint(p, PadHintOptions);
        draw_options_menu(p.text, images, screens, s.settings);
        break;
    case ControlsMenu:
        pad_hint(p, s.rebinding ? PadHintRebinding : PadHintControls);
        draw_controls_menu(p.text, images, screens, key_bindings, s.rebinding);
        break;
    case TimeUpScreen:
        draw_best_scores(p.text, s.best_scores);
        draw_time_up_screen(p.text, images, s.shown);
        break;
    case TimeUpWaitKey:
        draw_best_scores(p.text, s.best_scores);
        draw_time_up_prompt(p.text, images, s.shown);
        break;
    case DeathMessage:
        draw_world(p, s, picture);
        draw_death_message(p, s);
        break;
    case HostageFound:
        draw_world(p, s, picture);
        message(p, "'MY HERO!'       ", 191, kMessageRow);
        message(p, "'TAKE ME AWAY     ", 131, 252);
        message(p, " FROM ALL THIS!'  ", 101, 312);
        break;
    default: break;
    }
    report_options_cursor(screens, game_state == OptionsMenu, out);
}
