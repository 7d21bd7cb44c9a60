#include <ostream>

#include "app/game_loop.h"
#include "app/game_session.h"
#include "app/game_state.h"
#include "app/key_bindings.h"
#include "app/key_codes.h"
#include "app/platform.h"
#include "app/round_rules.h"
#include "render/camera.h"

namespace {
// The centre the cursor was last put back to; start-up puts it at the
// centre of the base window.
WindowPoint last_centre = window_centre(kPictureWidth, kPictureHeight);
}  // namespace

CameraInputs read_camera_inputs(double now) {
    CameraInputs in;
    in.now = now;
    const WindowPoint centre = cursor_centre();
    double cx = centre.x, cy = centre.y;
    get_cursor_pos(cx, cy);
    // Just after the window changed size the cursor still sits at the old
    // centre: that is no movement of the mouse, not a turn of the view.
    if (centre.x != last_centre.x || centre.y != last_centre.y) {
        cx = centre.x;
        cy = centre.y;
    }
    last_centre = centre;
    set_cursor_pos(centre.x, centre.y);
    in.look_left = centre.x - cx;
    in.look_up = centre.y - cy;
    in.fast = key_pressed(kKeyRightShift);
    in.forward = key_pressed(kKeyUp);
    in.back = key_pressed(kKeyDown);
    in.right = key_pressed(kKeyRight);
    in.left = key_pressed(kKeyLeft);
    return in;
}

void playing_logic(GameSession& s, double now, std::ostream& out) {
    LoopClock& clock = s.clock;
    if (play_frame_time(clock, now)) count_down(s);
    update_camera(read_camera_inputs(now), s.player);

    if (clock.tick_accumulator >= 1.0) {
        clock.tick_accumulator = 0.0;
        clock.pass_accumulator += 1.0;
        advance_motion(s.player);
        advance_motion(s.grenade);
        advance_motion(s.hostage);
        for (Ant& ant : s.ants) advance_motion(ant);
    }

    s.cheat_code = CheatNone;
    if (clock.pass_accumulator >= kTicksPerDecision) decision_pass(s, now, out);
    apply_round_rules(s);
}

void decision_pass(GameSession& s, double now, std::ostream& out) {
    s.clock.pass_accumulator = 0.0;
    if (key_pressed(kKeyEscape)) {
        game_state = OptionsMenu;
        s.clock.resync_clock = true;
        catch_up_menu_gate(s.clock, now);
    }
    read_cheat_keys(s, out);
    poll_bound_actions(s.player, free_camera, orthographic);
    flush_keys();

    s.player.decision_update(s.world);
    s.grenade.decision_update(s.world);
    s.hostage.decision_update(s.world);
    for (Ant& ant : s.ants) ant.decision_update(s.world);
    if (!s.ants.empty()) s.ants.front().decay_scent();
}
