// The best-scores table: how games rank, its text form, and the file kept
// between runs (in a temporary folder).
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <thread>
#include <vector>

#include "app/best_scores_file.h"
#include "app/user_files.h"
#include "temp_files.h"
#include "user_folders_at.h"

namespace {

BestScore game(int32_t score, int32_t rescues, const char* date = "2024-06-01", bool girl = true) {
    return BestScore{score, rescues, girl, date};
}

TEST(BestScoresText, WrittenTableReadsBackWholeAndLooseSpacingReadsToo) {
    const BestScores table = {game(4210, 3, "2024-05-30"), game(990, 1, "2024-06-01", false),
                              game(0, 0, "2024-02-29")};
    const std::string text = format_best_scores(table);
    EXPECT_EQ(text.front(), '#');
    const BestScoresText read = parse_best_scores(text);
    EXPECT_TRUE(read.faults.empty());
    EXPECT_EQ(read.table, table);

    const BestScoresText loose =
        parse_best_scores("\r\n  4210\t3  girl 2024-05-30 \r\n# a note\n\n990 1 boy 2024-06-01");
    EXPECT_TRUE(loose.faults.empty());
    EXPECT_EQ(loose.table, (BestScores{table[0], table[1]}));
}

TEST(BestScoresText, EachUnreadableLineIsNamedAndTheOthersKept) {
    const std::string bad[] = {"4210 3 girl",
                               "4210 3 girl 2024-05-30 again",
                               "-5 1 girl 2024-05-30",
                               "4210 x girl 2024-05-30",
                               "99999999999 1 boy 2024-05-30",
                               "10 1 GIRL 2024-05-30",
                               "10 1 girl 2023-02-29",
                               "10 1 girl 2024-13-01",
                               "10 1 girl 2024-6-01",
                               "10 1 girl 2024-06-0x",
                               std::string("\x7f" "ELF\x02\0\xff", 7)};
    std::string text = "100 1 girl 2024-06-01\n";
    for (const std::string& line : bad) text += line + "\n";
    text += "50 0 boy 2024-06-01\n";
    const BestScoresText read = parse_best_scores(text);
    EXPECT_EQ(read.table, (BestScores{game(100, 1), game(50, 0, "2024-06-01", false)}));
    ASSERT_EQ(read.faults.size(), std::size(bad));
    EXPECT_EQ(read.faults[0],
              "line 2: expected score, rescues, girl or boy and YYYY-MM-DD, found \"4210 3 girl\"");
    for (const std::string& fault : read.faults) {
        for (char c : fault) EXPECT_TRUE(c >= 0x20 && c < 0x7f) << fault;
    }
}

TEST(BestScoresRank, TiesGoToMoreRescuesThenTheEarlierDayThenTheEarlierGame) {
    BestScores table = parse_best_scores(
                           "500 1 girl 2024-06-02\n"
                           "500 2 boy 2024-06-03\n"
                           "500 1 boy 2024-06-01\n"
                           "700 0 girl 2024-06-09\n"
                           "500 1 girl 2024-06-01\n")
                           .table;
    const BestScores ranked = {game(700, 0, "2024-06-09"), game(500, 2, "2024-06-03", false),
                               game(500, 1, "2024-06-01", false), game(500, 1, "2024-06-01"),
                               game(500, 1, "2024-06-02")};
    EXPECT_EQ(table, ranked);
    // A new game is the latest: below the games it ties with.
    EXPECT_EQ(enter_best_score(table, game(500, 1, "2024-06-01")), 4);
    EXPECT_EQ(enter_best_score(table, game(500, 1, "2024-05-31")), 2);
    EXPECT_EQ(table.size(), 7u);
}

TEST(BestScoresRank, TheEleventhGameIsDropped) {
    BestScores table;
    for (int32_t i = 1; i <= kBestScoresKept; ++i) EXPECT_EQ(enter_best_score(table, game(100 * i, 0)), 0);
    EXPECT_EQ(enter_best_score(table, game(100, 0)), -1);  // ties the tenth, but later
    ASSERT_EQ(table.size(), size_t(kBestScoresKept));
    EXPECT_EQ(enter_best_score(table, game(150, 0)), 9);
    ASSERT_EQ(table.size(), size_t(kBestScoresKept));
    EXPECT_EQ(table.back(), game(150, 0));

    std::string text;
    for (int32_t i = 0; i <= kBestScoresKept; ++i) text += std::to_string(i) + " 0 boy 2024-06-01\n";
    const BestScoresText read = parse_best_scores(text);
    ASSERT_EQ(read.table.size(), size_t(kBestScoresKept));
    EXPECT_EQ(read.table.back().score, 1);
}

// The time-up screen's panel is as wide as these rows.
TEST(BestScoresRows, ColumnsLineUpUnderTheirNames) {
    EXPECT_EQ(best_scores_column_names(), "       SCORE  RESCUED  WHO   DATE      ");
    EXPECT_EQ(best_score_row(9, game(999999, 9999999, "2024-06-01", false), true),
              ">10.  999999  9999999  BOY   2024-06-01");
    EXPECT_EQ(best_score_row(0, game(0, 0), false), "  1.       0        0  GIRL  2024-06-01");
    EXPECT_EQ(best_scores_column_names().size(), kBestScoresRowLength);
}

class BestScoresFileTest : public testing::Test {
protected:
    TempFolder folder{"swarmfall-scores"};
    std::string path = (folder.path / "swarmfall" / "best-scores").string();
    std::ostringstream out;

    int lines() const { return line_count(out.str()); }
};

TEST_F(BestScoresFileTest, RecordedGamesComeBackFromTheDataFolder) {
    {
        UserFoldersAt data{{"", (folder.path / "swarmfall").string()}};
        EXPECT_EQ(best_scores_file_path(), path);
    }

    BestScores shown;
    EXPECT_EQ(record_best_score(path, game(300, 1), shown, out), 0);  // no file yet: silently
    EXPECT_EQ(record_best_score(path, game(500, 2), shown, out), 0);
    EXPECT_EQ(shown, (BestScores{game(500, 2), game(300, 1)}));
    EXPECT_EQ(load_best_scores(path, out).table, shown);
    EXPECT_EQ(out.str(), "");
    EXPECT_EQ(names_beside(path), (std::vector<std::string>{".lock", "best-scores"}));
}

// Two copies of the game running at once: each reads the file again just
// before writing, so neither loses the other's games.
TEST_F(BestScoresFileTest, ASecondCopysGamesAreMergedNotWrittenOver) {
    BestScores first, second;  // what each copy shows
    record_best_score(path, game(300, 1), first, out);
    record_best_score(path, game(200, 1), second, out);
    EXPECT_EQ(record_best_score(path, game(400, 1), first, out), 0);
    const BestScores all = {game(400, 1), game(300, 1), game(200, 1)};
    EXPECT_EQ(first, all);
    EXPECT_EQ(load_best_scores(path, out).table, all);
}

// Games ending at the same moment, each writer on its own thread: they take
// turns under the data folder's lock, so every game is kept and no
// temporary file is left. A copy that cannot have the lock within a second
// says so in one line, shows its table and writes nothing.
TEST_F(BestScoresFileTest, WritersRacingAllKeepTheirGamesUnderTheLock) {
    constexpr int kWriters = 8, kRaces = 4;
    for (int race = 0; race < kRaces; ++race) {
        std::filesystem::remove(path);
        std::vector<std::ostringstream> reports(kWriters);
        std::vector<std::thread> writers;
        for (int w = 0; w < kWriters; ++w) {
            writers.emplace_back([&, w] {
                BestScores shown;
                record_best_score(path, game(100 + w, 1), shown, reports[w]);
            });
        }
        for (std::thread& writer : writers) writer.join();
        const BestScoresFile kept = load_best_scores(path, out);
        ASSERT_EQ(kept.table.size(), size_t(kWriters)) << "race " << race;
        for (int w = 0; w < kWriters; ++w) {
            EXPECT_EQ(kept.table[size_t(kWriters - 1 - w)].score, 100 + w);
            EXPECT_EQ(reports[w].str(), "");
        }
    }
    EXPECT_EQ(names_beside(path), (std::vector<std::string>{".lock", "best-scores"}));

    const std::string before = file_text(path);
    const HeldLock other_copy = lock_user_folder(path, 0.0);
    ASSERT_TRUE(other_copy.held());
    BestScores shown;
    EXPECT_EQ(record_best_score(path, game(900, 1), shown, out), 0);
    EXPECT_EQ(shown.front(), game(900, 1));
    EXPECT_EQ(lines(), 1);
    EXPECT_NE(out.str().find("cannot be locked"), std::string::npos) << out.str();
    EXPECT_EQ(file_text(path), before);
}

TEST_F(BestScoresFileTest, GarbageLinesAreSkippedAndTheOldFileKeptAsBad) {
    const std::string damaged =
        "# kept by hand\n700 2 boy 2024-05-01\nseven hundred\n\x01\x02\n300 1 girl 2024-05-02\n";
    write_file(path, damaged);
    BestScores shown;
    EXPECT_EQ(record_best_score(path, game(500, 1), shown, out), 1);
    EXPECT_EQ(shown, (BestScores{game(700, 2, "2024-05-01", false), game(500, 1), game(300, 1, "2024-05-02")}));
    EXPECT_EQ(file_text(path + ".bad"), damaged);
    const BestScoresText written = parse_best_scores(file_text(path));
    EXPECT_TRUE(written.faults.empty());
    EXPECT_EQ(written.table, shown);
    EXPECT_EQ(lines(), 3);  // two lines skipped, the old file kept
    EXPECT_NE(out.str().find("line 3: expected"), std::string::npos);
    EXPECT_NE(out.str().find("line 4: expected"), std::string::npos);
    EXPECT_EQ(names_beside(path), (std::vector<std::string>{".lock", "best-scores", "best-scores.bad"}));

    // A file too large to read is kept the same way.
    const std::string huge(100000, '9');
    write_file(path, huge);
    out.str("");
    EXPECT_EQ(record_best_score(path, game(1, 0), shown, out), 0);
    EXPECT_EQ(file_text(path + ".bad"), huge);
    EXPECT_EQ(lines(), 2);
    EXPECT_EQ(parse_best_scores(file_text(path)).table, BestScores{game(1, 0)});
}

// The data folder's place taken by a file: the game still shows its table.
TEST_F(BestScoresFileTest, AFolderThatCannotBeWrittenCostsOneLine) {
    std::ofstream(folder.path / "swarmfall") << "not a folder";
    BestScores shown;
    EXPECT_EQ(record_best_score(path, game(300, 1), shown, out), 0);
    EXPECT_EQ(shown, BestScores{game(300, 1)});
    EXPECT_EQ(lines(), 1);
}

}  // namespace
