// Replays: the committed recorded games played back to their score, rescues
// and actors after every decision pass at 20, 60 and 200 frames a second and as
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
constexpr double kSixtyFps = 1.0 / 60.0;  // frames that fall across the ticks
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
        for (double frame : {kTwentyFps, kSixtyFps, kTwoHundredFps, kFastestFrameSeconds}) {
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

// Recording and playing back: a game played now is recorded whole, and its
// replay plays back to the same actors after every pass.
TEST(Replays, AGamePlayedNowPlaysBackAsItWent) {
    const std::vector<GamePlan> plans = scripted_plans();
    RecordedGame live;
    {
        ScriptedRun run;
        live = run.play(plans[0]);
        EXPECT_FALSE(run.session->recording.active);
    }
    ASSERT_TRUE(live.replay.ended);
    ASSERT_EQ(live.pass_hashes.size(), live.replay.passes.size());
    EXPECT_EQ(live.replay.menus.size(), 1u);
    const Played p = play_at(live.replay, kTwentyFps);
    EXPECT_EQ(p.hashes, live.pass_hashes);
    EXPECT_EQ(p.outcome.score, live.replay.score);

    // One pass's commands changed: the game goes another way.
    Replay other = live.replay;
    for (uint32_t& pass : other.passes) pass = pass == 0 ? 0 : (pass ^ 2u);  // FORWARD flipped
    EXPECT_NE(play_at(other, kTwentyFps).hashes, live.pass_hashes);
}

// The text reads back as written, and each kind of damage is named in one
// line, "what: expected E, found F", and reads as no replay.
TEST(Replays, TextReadsBackAndDamageIsNamedInOneLine) {
    Replay r;
    r.player_is_girl = false;
    r.seeds = {4294967295u, 7u};
    r.damage = 20;
    r.radius = 0;
    r.scent = {{0, 0, 1}, {147, 147, 1000000}};
    r.passes = {0, 0, 0x2, 0x1, 0, 0x2a5f, 0};  // every command at once
    r.menus = {{4, 3, 1}};
    r.ended = true;
    r.score = 4210;
    r.rescues = 3;
    const std::string text = replay_text(r);
    Replay back;
    std::string problem;
    ASSERT_TRUE(parse_replay(text, back, problem)) << problem;
    EXPECT_EQ(back, r);

    auto damaged = [&](const std::string& from, const std::string& to) {
        std::string t = text;
        const size_t at = t.find(from);
        EXPECT_NE(at, std::string::npos) << from;
        t.replace(at, from.size(), to);
        return t;
    };
    const std::pair<std::string, std::string> cases[] = {
        {"", "first line: expected \"swarmfall-replay 1\", found an empty file"},
        {damaged("swarmfall-replay 1", "swarmfall-replay 2"), "version: expected 1, found \"2\""},
        {damaged("character boy", "character cat"), "line 2: expected girl or boy, found \"cat\""},
        {damaged("damage 20", "damage 21"), "line 4: expected a number from 0 to 20, found \"21\""},
        {damaged("147 147", "148 147"), "line 7: expected a number from 0 to 147, found \"148\""},
        {damaged("pass 2", "pass 4000"), "line 9: expected a hex number up to 3fff, found \"4000\""},
        {damaged("menu 3 1", "menu 3"), "line 11: expected idle, pass, menu or end, found \"menu 3\""},
        {text.substr(0, text.find("end")),
         "last line: expected \"end SCORE RESCUES\", found the end of the file (cut short)"},
        {text + "idle 1\n", "after end: expected nothing, found \"idle 1\""},
    };
    for (const auto& [bad, line] : cases) {
        EXPECT_FALSE(parse_replay(bad, back, problem)) << line;
        EXPECT_EQ(problem, line);
    }

    TempFolder folder("swarmfall-replays");
    const std::string path = (folder.path / "cut.replay").string();
    write_file(path, text.substr(0, text.size() / 2));
    std::ostringstream out;
    EXPECT_EQ(verify_replay_file(path, out), 1);
    EXPECT_EQ(line_count(out.str()), 1);
    EXPECT_EQ(out.str().find(path + ": "), 0u) << out.str();
}

// The last game and the table's games keep their replays, named after their
// rows; the replays of games that fell out of the table go.
TEST(Replays, TheLastGameAndTheTablesGamesKeepTheirReplays) {
    TempFolder folder("swarmfall-replays");
    const std::string scores = (folder.path / "best-scores").string();
    const std::string replays = replays_folder(scores);
    EXPECT_EQ(replays, (folder.path / "replays").string());
    EXPECT_EQ(replays_folder(""), "");

    const BestScore a{900, 2, true, "2024-06-01"}, b{500, 1, false, "2024-06-02"};
    BestScores table{a, b, b};
    EXPECT_EQ(replay_file_name(table, 0), "900-2-girl-2024-06-01.replay");
    EXPECT_EQ(replay_file_name(table, 1), "500-1-boy-2024-06-02.replay");
    EXPECT_EQ(replay_file_name(table, 2), "500-1-boy-2024-06-02-2.replay");

    std::ostringstream out;
    write_file(replays + "/100-0-girl-2024-01-01.replay", "fallen out");
    write_file(replays + "/notes.txt", "not a replay");
    keep_replays(scores, "third", table, 2, out);
    keep_replays(scores, "first", table, 0, out);
    keep_replays(scores, "unranked", table, -1, out);
    EXPECT_EQ(out.str(), "");
    EXPECT_EQ(file_text(replays + "/last.replay"), "unranked");
    EXPECT_EQ(file_text(replays + "/900-2-girl-2024-06-01.replay"), "first");
    EXPECT_EQ(file_text(replays + "/500-1-boy-2024-06-02-2.replay"), "third");
    EXPECT_TRUE(std::filesystem::exists(replays + "/notes.txt"));
    EXPECT_FALSE(std::filesystem::exists(replays + "/100-0-girl-2024-01-01.replay"));

    keep_replays(scores, "last", BestScores{a}, -1, out);
    EXPECT_FALSE(std::filesystem::exists(replays + "/500-1-boy-2024-06-02-2.replay"));
    EXPECT_TRUE(std::filesystem::exists(replays + "/900-2-girl-2024-06-01.replay"));
}
