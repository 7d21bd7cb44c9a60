#include <ostream>

#include "app/game_end.h"
#include "app/game_loop.h"
#include "app/game_session.h"
#include "app/game_state.h"
#include "app/key_bindings.h"
#include "app/key_codes.h"
#include "app/round_rules.h"

void playing_logic(GameSession& s, double now, std::ostream& out) {
    LoopClock& clock = s.clock;
    if (play_frame_time(clock, now)) count_down(s);
    update_camera(s.camera, s.camera_input.read(now), s.player);

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
    if (game_state == TimeUpScreen) finish_game(s, out);
}

void decision_pass(GameSession& s, double now, std::ostream& out) {
    s.clock.pass_accumulator = 0.0;
    if (key_pressed(kKeyEscape)) {
        game_state = OptionsMenu;
        s.clock.resync_clock = true;
        catch_up_menu_gate(s.clock, now);
    }
    read_cheat_keys(s, out);
    poll_bound_actions(s.player, s.camera.free_camera, s.camera.orthographic);
    flush_keys();

    s.player.decision_update(s.world);
    s.grenade.decision_update(s.world);
    s.hostage.decision_update(s.world);
    for (Ant& ant : s.ants) ant.decision_update(s.world);
    if (!s.ants.empty()) s.ants.front().decay_scent();
}
