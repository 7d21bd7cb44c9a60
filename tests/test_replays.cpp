// Replays: the committed recorded games played back to their score, rescues
// and actors after every decision pass at 20 and 200 frames a second and as
// fast as the check runs; a game recorded live played back alike; the file
// read back as written, and every damaged file named in one line; where the
// replays are kept and which ones go.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "app/replay_check.h"
#include "app/replay_files.h"
#include "app/user_files.h"
#include "scripted_games.h"
#include "temp_files.h"

namespace {
constexpr double kTwentyFps = 0.05;
constexpr double kTwoHundredFps = 0.005;

struct Played {
    ReplayOutcome outcome;
    std::vector<uint64_t> hashes;
};

Played play_at(const Replay& replay, double frame_seconds) {
    ScriptedRun run;
    Played p;
    p.outcome = play_back(*run.session, replay, frame_seconds, run.out);
    p.hashes = run.session->playback.pass_hashes;
    return p;
}

std::vector<uint64_t> read_hashes(const std::string& path) {
    std::istringstream in(file_text(path));
    std::vector<uint64_t> hashes;
    uint64_t h = 0;
    while (in >> std::hex >> h) hashes.push_back(h);
    return hashes;
}

std::string replay_path(const std::string& name) {
    return std::string(SWARMFALL_TEST_REPLAYS) + "/" + name + ".replay";
}
}  // namespace

TEST(Replays, RecordedGamesPlayBackAlikeAtAnyFrameRate) {
    for (const GamePlan& plan : scripted_plans()) {
        SCOPED_TRACE(plan.name);
        std::ostringstream lines;
        Replay replay;
        ASSERT_TRUE(load_replay_file(replay_path(plan.name), replay, lines)) << lines.str();
        const std::vector<uint64_t> recorded =
            read_hashes(std::string(SWARMFALL_TEST_REPLAYS) + "/" + plan.name + ".hashes");
        ASSERT_EQ(recorded.size(), replay.passes.size());
        for (double frame : {kTwentyFps, kTwoHundredFps, kFastestFrameSeconds}) {
            SCOPED_TRACE(frame);
            const Played p = play_at(replay, frame);
            EXPECT_TRUE(p.outcome.finished);
            EXPECT_FALSE(p.outcome.ran_out);
            EXPECT_EQ(p.outcome.score, replay.score);
            EXPECT_EQ(p.outcome.rescues, replay.rescues);
            EXPECT_EQ(p.hashes, recorded);
        }
        EXPECT_EQ(verify_replay_file(replay_path(plan.name), lines), 0) << lines.str();
    }
}
