#include "app/game_end.h"

#include <ostream>

#include "app/best_scores_file.h"
#include "app/game_session.h"
#include "app/platform.h"
#include "app/replay_files.h"

void finish_game(GameSession& s, std::ostream& out) {
    BestScoresShown& shown = s.best_scores;
    // The terminal keeps what the time-up screen shows.
    out << "Game over: score " << s.score << ", rescues " << s.rescued_count << std::endl;
    if (s.playback.active) {
        // A played-back game is no new game: the table is not touched.
        s.playback.finished = true;
        shown = BestScoresShown{};
        return;
    }
    shown.not_ranked = s.debug_key_used;
    shown.marked = -1;
    if (s.debug_key_used) {
        read_best_scores(s.best_scores_path, shown.table, out);
    } else {
        const BestScore game{s.score, s.rescued_count, s.player_is_girl, today()};
        shown.marked = record_best_score(s.best_scores_path, game, shown.table, out);
    }
    if (!s.recording.active) return;
    end_recording(s);
    s.recording.active = false;
    keep_replays(s.best_scores_path, replay_text(s.recording.replay), shown.table, shown.marked,
                 out);
}
