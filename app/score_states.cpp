// The score screens after a rescue and the time-up screens at the end of a
// game: each shows a while, then waits for a key.
#include "app/game_loop.h"
#include "app/game_session.h"
#include "app/game_state.h"
#include "app/state_families.h"
#include "app/state_table.h"

void show_statistics(GameSession& s) {
    s.shown.time = s.time_left;
    s.shown.score = s.score;
    s.shown.rescued = s.rescued_count;
}

void score_screen_logic(GameSession& s, double now, std::ostream&) {
    if (timed_wait(s.clock, now, kScreenWait)) enter_state(s, ScoreWaitKey);
}

// A key starts the next round with the countdown full again.
void score_wait_key_logic(GameSession& s, double, std::ostream&) {
    // A played-back game goes on by itself: the key is not in its replay.
    if (!s.keys.read_any() && !s.playback.active) return;
    start_round(s);
    s.time_left = kRoundTime;
    enter_state(s, Playing);
}

void time_up_screen_logic(GameSession& s, double now, std::ostream&) {
    show_statistics(s);
    if (timed_wait(s.clock, now, kScreenWait)) enter_state(s, TimeUpWaitKey);
}

void time_up_wait_key_logic(GameSession& s, double, std::ostream&) {
    if (s.keys.read_any()) enter_state(s, Intro);
}
