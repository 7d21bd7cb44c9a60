#include <ostream>

#include "app/camera_input.h"
#include "app/game_end.h"
#include "app/game_loop.h"
#include "app/game_session.h"
#include "app/game_state.h"
#include "app/key_bindings.h"
#include "app/key_codes.h"
#include "app/replay_session.h"
#include "app/round_rules.h"
#include "app/state_families.h"
#include "app/state_table.h"

namespace {

// The player's own update has left the bitten state before the ants act, so
// a bitten (or bitten to death) player after them was bitten in this pass.
bool bitten_now(int32_t before_ants, int32_t after_ants) {
    return after_ants != before_ants && (after_ants == PlayerBitten || after_ants == PlayerDead);
}

// The work of one tick after its time is accounted: every actor's motion
// when a tick is due, then the decision pass on the 40th.
void run_tick(GameSession& s, double now, std::ostream& out) {
    LoopClock& clock = s.clock;
    if (clock.tick_accumulator >= 1.0) {
        clock.tick_accumulator = 0.0;
        clock.pass_accumulator += 1.0;
        ++clock.play_ticks;
        ++s.bite_time.ticks;
        advance_motion(s.player);
        advance_motion(s.grenade);
        advance_motion(s.hostage);
        for (Ant& ant : s.ants) advance_motion(ant);
    }

    s.cheat_code = CheatNone;
    if (clock.pass_accumulator >= kTicksPerDecision) decision_pass(s, now, out);
}

// One tick at most, with the camera between the countdown and the motion.
void play_at_frame_pace(GameSession& s, double now, std::ostream& out) {
    if (play_frame_time(s.clock, now)) count_down(s);
    update_camera(s.camera, camera_inputs(s.input, s.pad.look, looker_time(s, now)), s.player);
    run_tick(s, now, out);
    apply_round_rules(s);
}

// Every tick real time has gone by, each as a frame of the frame pace would
// run it, the round rules after each. The first state change ends the
// frame's ticks: its outcome is seen this frame, and the frozen scene shows
// the actors where it happened. The camera follows the player as drawn.
void play_at_real_pace(GameSession& s, double now, std::ostream& out) {
    LoopClock& clock = s.clock;
    const int due = ticks_due(clock, now);
    int tick = 0;
    do {
        if (tick < due && account_tick(clock)) count_down(s);
        run_tick(s, now, out);
        apply_round_rules(s);
        ++tick;
    } while (tick < due && s.state == Playing);
    clock.tick_fraction = s.state == Playing ? fraction_past_tick(clock, now) : 0.0f;
    update_camera(s.camera, camera_inputs(s.input, s.pad.look, looker_time(s, now)),
                  moved_on(s.player, clock.tick_fraction));
}

}  // namespace

void playing_logic(GameSession& s, double now, std::ostream& out) {
    if (s.settings.pace == PaceFrame) {
        play_at_frame_pace(s, now, out);
    } else {
        play_at_real_pace(s, now, out);
    }
    if (s.state == TimeUpScreen) finish_game(s, out);
    watch_play_frame(s.slow_frames, looker_time(s, now), s.settings, s.settings_path, out);
}

void decision_pass(GameSession& s, double now, std::ostream& out) {
    s.clock.pass_accumulator = 0.0;
    const PassCommands c = take_pass_commands(s, out);
    if (c.escape) {
        enter_state(s, OptionsMenu);
        catch_up_menu_gate(s.clock, now);
    }
    if (c.cheat != CheatNone) {
        s.cheat_code = c.cheat;
        s.debug_key_used = true;
    }
    request_actions(c, s.player);
    // A replay's watcher keeps the camera where they put it.
    if (!s.playback.active) switch_camera(c, s.camera.free_camera, s.camera.orthographic);

    s.player.decision_update(s.world);
    // The blast and the bite show from the pass their rules act in.
    const bool exploding = s.grenade.phase == GrenadeExploding;
    s.grenade.decision_update(s.world);
    if (exploding) start_blast(s.effects, s.grenade, s.clock.play_ticks);
    s.hostage.decision_update(s.world);
    const int32_t before_bites = s.player.state;
    for (Ant& ant : s.ants) ant.decision_update(s.world);
    if (bitten_now(before_bites, s.player.state)) start_bite_flash(s.effects, s.clock.play_ticks);
    if (!s.ants.empty()) s.ants.front().decay_scent(s.world);
    note_pass_hash(s);
}

void playing_text(const GameSession& s, StatePicture& picture) {
    const PlayMessage m = play_message(s);
    picture.messages[0] = {m.text, m.x, m.y};
}
