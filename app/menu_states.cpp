#include "app/game_loop.h"
#include "app/game_session.h"
#include "app/game_state.h"
#include "app/key_bindings.h"
#include "app/key_codes.h"
#include "app/platform.h"
#include "app/replay_session.h"
#include "app/settings_apply.h"
#include "app/state_families.h"
#include "app/state_table.h"

namespace {

// RETURN and Escape alike: the menu's values take effect, play resumes.
void back_to_play(GameSession& s, std::ostream& out) {
    return_from_options(s, out);
    record_menu_left(s);
    enter_state(s, Playing);
}

void handle_options_key(GameSession& s, std::ostream& out) {
    ScreenResources& screens = s.screens;
    if (s.options_escape.complete()) {
        set_options_cursor(screens, OptionsVolume);  // where Enter would leave it
        back_to_play(s, out);
    } else if (s.keys.read(kKeyUp)) {
        options_cursor_up(screens);
    } else if (s.keys.read(kKeyDown)) {
        options_cursor_down(screens);
    } else if (s.keys.read(kKeyLeft)) {
        options_value_down(screens, s.settings);
    } else if (s.keys.read(kKeyRight)) {
        options_value_up(screens, s.settings);
    } else if (s.keys.read(kKeyEnter)) {
        switch (options_select(screens)) {
        case OptionsControl:
            enter_state(s, ControlsMenu);
            break;
        case OptionsReturn:
            back_to_play(s, out);
            break;
        case OptionsExit:
            request_window_close();
            break;
        default:
            break;
        }
    }
}

void handle_controls_key(GameSession& s) {
    ScreenResources& screens = s.screens;
    if (s.rebinding) {
        if (capture_rebinding(s.keys, s.key_bindings, s.rebinding_action)) s.rebinding = false;
        return;
    }
    if (s.keys.read(kKeyUp)) {
        controls_cursor_up(screens);
    } else if (s.keys.read(kKeyDown)) {
        controls_cursor_down(screens);
    } else if (s.keys.read(kKeyEnter)) {
        if (screens.controls_cursor == kControlsReset) {
            reset_default_bindings(s.key_bindings);
            set_controls_cursor(screens, kControlsReset);
        } else if (screens.controls_cursor == kControlsReturn) {
            set_controls_cursor(screens, 0);
            enter_state(s, OptionsMenu);
        } else {
            s.rebinding = true;
            s.rebinding_action = screens.controls_cursor;
        }
    }
}

}  // namespace

void options_menu_logic(GameSession& s, double now, std::ostream& out) {
    // Read on every frame, not only at the gate, so that a release between
    // two gate openings is seen and no press of it is left unread when play
    // resumes.
    if (s.playback.active) {
        leave_menu_as_recorded(s, out);
        return;
    }
    s.options_escape.watch(s.keys.read(kKeyEscape));
    if (!menu_gate_open(s.clock, now)) return;
    handle_options_key(s, out);
    s.keys.flush();
    if (s.state != OptionsMenu) s.options_escape = MenuEscape{};
}

void controls_menu_logic(GameSession& s, double now, std::ostream&) {
    if (!menu_gate_open(s.clock, now)) return;
    handle_controls_key(s);
    s.keys.flush();
}

void options_menu_text(const GameSession&, StatePicture& picture) {
    picture.pad_hint = PadHintOptions;
}

// While the menu waits for a new key the line says how to give one.
void controls_menu_text(const GameSession& s, StatePicture& picture) {
    picture.pad_hint = s.rebinding ? PadHintRebinding : PadHintControls;
}
