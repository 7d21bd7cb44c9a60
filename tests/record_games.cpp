// Writes the test replays: plays the scripted games of scripted_games.h in
// one run and writes each game's replay and the hash of the actors after
// every decision pass into the folder given (tests/replays):
//   build/tests/record_games tests/replays
#include <fstream>
#include <iostream>

#include "scripted_games.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "Usage: record_games FOLDER\n";
        return 2;
    }
    const std::string folder = argv[1];
    ScriptedRun run;
    for (const GamePlan& plan : scripted_plans()) {
        const RecordedGame game = run.play(plan);
        if (!game.replay.ended) {
            std::cerr << plan.name << ": the game did not reach its time-up screen\n";
            return 1;
        }
        std::ofstream(folder + "/" + plan.name + ".replay") << replay_text(game.replay);
        std::ofstream(folder + "/" + plan.name + ".hashes") << hashes_text(game.pass_hashes);
        std::cout << plan.name << ": score " << game.replay.score << ", rescues "
                  << game.replay.rescues << ", " << game.replay.passes.size() << " passes\n";
    }
    return 0;
}
