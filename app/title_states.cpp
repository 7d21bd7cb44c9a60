// The title, the character choice and the story.
#include "app/game_loop.h"
#include "app/game_session.h"
#include "app/game_state.h"
#include "app/key_bindings.h"
#include "app/key_codes.h"
#include "app/replay_session.h"
#include "app/state_families.h"
#include "app/state_table.h"

namespace {
// A fresh game, its random sources seeded anew.
void end_of_intro(GameSession& s) { begin_game(s, os_random_seeds()); }
}  // namespace

void intro_logic(GameSession& s, double now, std::ostream&) {
    if (!timed_wait(s.clock, now, kIntroWait)) return;
    end_of_intro(s);
    enter_state(s, ChooseCharacter);
}

// G is read before B: with both down, the girl is chosen.
void choose_character_logic(GameSession& s, double, std::ostream&) {
    bool chosen = false;
    if (s.keys.read(kKeyG)) {
        s.player_is_girl = true;
        chosen = true;
    } else if (s.keys.read(kKeyB)) {
        s.player_is_girl = false;
        chosen = true;
    }
    s.shown.player_is_girl = s.player_is_girl;
    if (!chosen) return;
    start_recording(s);
    start_round(s);
    enter_state(s, Story);
}

void story_logic(GameSession& s, double now, std::ostream&) {
    if (timed_wait(s.clock, now, kStoryWait)) enter_state(s, StoryWaitKey);
}

void story_wait_key_logic(GameSession& s, double, std::ostream&) {
    if (s.keys.read_any()) enter_state(s, Playing);
}

void choose_character_text(const GameSession&, StatePicture& picture) {
    picture.pad_hint = PadHintChoose;
}
