// The messages over the scene between rounds: another go after a death,
// the rescue, the death itself and the captive found.
#include "app/game_loop.h"
#include "app/game_session.h"
#include "app/game_state.h"
#include "app/round_rules.h"
#include "app/state_families.h"
#include "app/state_table.h"

void have_another_go_logic(GameSession& s, double now, std::ostream&) {
    if (timed_wait(s.clock, now, kMessageWait)) enter_state(s, Playing);
}

void rescue_message_logic(GameSession& s, double now, std::ostream&) {
    show_statistics(s);
    if (timed_wait(s.clock, now, kMessageWait)) enter_state(s, ScoreScreen);
}

// The player stands still while the message shows; then the round starts again.
void death_message_logic(GameSession& s, double now, std::ostream&) {
    s.player.state = PlayerReady;
    s.player.clear_requests();
    if (!timed_wait(s.clock, now, kMessageWait)) return;
    s.immobilised_ants = 0;
    start_round(s);
    enter_state(s, HaveAnotherGo);
}

void hostage_found_logic(GameSession& s, double now, std::ostream&) {
    s.player.clear_requests();
    if (timed_wait(s.clock, now, kMessageWait)) enter_state(s, Playing);
}

void have_another_go_text(const GameSession&, StatePicture& picture) {
    picture.messages[0] = {"'HAVE ANOTHER GO'       ", 71, kMessageRow};
}

void rescue_text(const GameSession&, StatePicture& picture) {
    picture.messages[0] = {"'CONGRATULATIONS !!!'       ", 71, kMessageRow};
}

void death_text(const GameSession& s, StatePicture& picture) {
    switch (s.death_cause) {
    case DeathPlayer: picture.messages[0] = {" EATEN ALIVE     ", 161, kMessageRow}; break;
    case DeathHostage: picture.messages[0] = {" IVE BEEN EATEN ALIVE ", 41, kMessageRow}; break;
    default: picture.messages[0] = {" SUSPICIOUS DEATH     ", 161, kMessageRow}; break;
    }
}

void hostage_found_text(const GameSession&, StatePicture& picture) {
    picture.messages = {{{"'MY HERO!'       ", 191, kMessageRow},
                         {"'TAKE ME AWAY     ", 131, 252},
                         {" FROM ALL THIS!'  ", 101, 312}}};
}
