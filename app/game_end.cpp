#include "app/game_end.h"

#include "app/best_scores_file.h"
#include "app/game_session.h"
#include "app/platform.h"

void finish_game(GameSession& s, std::ostream& out) {
    BestScoresShown& shown = s.best_scores;
    shown.not_ranked = s.debug_key_used;
    shown.marked = -1;
    if (s.debug_key_used) {
        read_best_scores(s.best_scores_path, shown.table, out);
        return;
    }
    const BestScore game{s.score, s.rescued_count, s.player_is_girl, today()};
    shown.marked = record_best_score(s.best_scores_path, game, shown.table, out);
}
