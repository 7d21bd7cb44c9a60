#include "app/replay_watch.h"

#include <algorithm>

#include "app/game_loop.h"
#include "app/game_session.h"
#include "app/game_state.h"
#include "app/key_codes.h"
#include "app/platform.h"

namespace {
// The watcher's presses of this pass, from its input record.
void follow_watcher(GameSession& s, ReplayWatch& w) {
    const InputFrame& in = s.input;
    if (in.pressed(kKeySpace)) w.paused = !w.paused;
    if (in.pressed(kKeyEqual) || in.pressed(kKeyKeypadAdd)) {
        w.speed = std::min(w.speed * 2, kFastestReplaySpeed);
    }
    if (in.pressed(kKeyMinus) || in.pressed(kKeyKeypadSubtract)) w.speed = std::max(w.speed / 2, 1);
    PassCommands c;
    if (in.pressed(s.key_bindings[ActionCam0])) c.view = ViewFirstPerson;
    if (in.pressed(s.key_bindings[ActionCam1])) c.view = ViewFree;
    if (in.pressed(s.key_bindings[ActionCam2])) c.projection = ProjectionPerspective;
    if (in.pressed(s.key_bindings[ActionCam3])) c.projection = ProjectionOrthographic;
    switch_camera(c, s.camera.free_camera, s.camera.orthographic);
}
}  // namespace

bool watch_replay_pass(GameSession& s, ReplayWatch& w, std::ostream& out) {
    const double real = platform_time();
    if (w.last_real < 0.0) w.last_real = real;
    if (!w.paused) w.play_time += (real - w.last_real) * w.speed;
    w.last_real = real;
    s.playback.watcher_time = real;
    if (!run_logic_at(s, w.play_time, out)) return false;
    if (s.input.pressed(kKeyEscape)) return false;
    // The time-up screen took its key: the replay is over.
    if (s.state == Intro) return false;
    follow_watcher(s, w);
    return true;
}
