#include "app/game_loop.h"

#include <ostream>

#include "app/game_session.h"
#include "app/game_state.h"
#include "app/key_bindings.h"
#include "app/pad_layouts.h"
#include "app/platform.h"
#include "app/replay_session.h"
#include "app/state_table.h"
#include "render/camera.h"

bool run_logic_pass(GameSession& s, std::ostream& out) {
    return run_logic_at(s, platform_time(), out);
}

bool run_logic_at(GameSession& s, double now, std::ostream& out) {
    report_frame_time(s.clock, looker_time(s, now), out);
    if (window_should_close()) return false;
    s.bite_time.counts_ticks = s.settings.pace == PaceReal;
    s.bite_time.wall_seconds = now;

    // What the player did since the last pass, read once; the cursor steers
    // only in play. The pad's buttons press the keys they stand for on the
    // screen about to read them.
    s.input = read_input(s.state == Playing);
    s.pad.feed(s.input, pad_keys_for(s.state, s.rebinding, s.key_bindings, s.camera.free_camera,
                                     s.camera.orthographic));
    s.keys.take(s.input);

    // Time spent outside play never moves the free camera nor counts as
    // slow play.
    if (s.state != Playing) {
        restart_camera_clock(s.camera);
        pause_watch(s.slow_frames);
    }
    if (const GameStateEntry* entry = game_state_entry(s.state)) entry->logic(s, now, out);
    return true;
}
