#include "app/game_draw.h"

#include <ostream>

#include "app/game_session.h"
#include "app/game_state.h"
#include "app/key_bindings.h"
#include "app/pad_input.h"
#include "app/presentation.h"
#include "app/round_rules.h"
#include "app/state_table.h"
#include "render/camera.h"
#include "render/hud.h"
#include "render/scene.h"
#include "render/text_overlay.h"

namespace {
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

void draw_screen(Presentation& p, GameSession& s, int32_t screen, const PictureRect& picture) {
    ScreenImages& images = p.images;
    switch (screen) {
    case ScreenWorld: draw_world(p, s, picture); break;
    case ScreenIntroCycle: draw_intro_cycle(images); break;
    case ScreenChoosePrompt: draw_choose_prompt(images); break;
    case ScreenStory: draw_story(images); break;
    case ScreenStoryPrompt: draw_story_prompt(images); break;
    case ScreenScore: draw_score_screen(p.text, images, s.shown); break;
    case ScreenScorePrompt: draw_score_prompt(p.text, images, s.shown); break;
    case ScreenTimeUp:
        draw_best_scores(p.text, s.best_scores);
        draw_time_up_screen(p.text, images, s.shown);
        break;
    case ScreenTimeUpPrompt:
        draw_best_scores(p.text, s.best_scores);
        draw_time_up_prompt(p.text, images, s.shown);
        break;
    case ScreenOptions: draw_options_menu(p.text, images, s.screens, s.settings); break;
    case ScreenControls:
        draw_controls_menu(p.text, images, s.screens, s.key_bindings, s.rebinding);
        break;
    default: break;
    }
}
}  // namespace

void draw_game_state(Presentation& p, GameSession& s, const PictureRect& picture,
                     std::ostream& out) {
    const StatePicture shown = current_picture(s);
    // The pad's line goes first: screens draw their text before their picture.
    if (shown.pad_hint != PadHintNone && s.pad.connected) draw_pad_hint(p.text, shown.pad_hint);
    draw_screen(p, s, shown.screen, picture);
    for (const ScreenMessage& m : shown.messages) {
        if (!m.text) break;
        print_text(p.text, m.text, m.x, m.y, kMessageSize, 1.0f, 0.0f, 0.0f);
    }
    report_options_cursor(s.screens, s.state == OptionsMenu, out);
}
