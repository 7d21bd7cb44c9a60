// The settings: their text form, and the file kept between runs. File tests
// point the config folder at a temporary folder they remove again.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>
#include <vector>

#include "app/platform.h"
#include "app/settings_file.h"
#include "app/user_files.h"
#include "temp_files.h"
#include "user_folders_at.h"

namespace fs = std::filesystem;

namespace {

const Settings kChanged{100, 0, 3, true, PaceFrame, false, 0, false, true, true};

TEST(SettingsText, EachWrongOrMissingValueFallsBackAloneAndIsNamed) {
    SettingsText read = parse_settings(
        "  damage=7\r\n"
        "volume = 150\n"
        "radius = 1x\n"
        "\n# comment\n"
        "fullscreen = on\n"
        "damage = 8\n");
    EXPECT_EQ(read.settings, (Settings{20, 7, 2, true}));
    ASSERT_EQ(read.faults.size(), 3u);
    EXPECT_EQ(read.faults[0], "volume: expected 0 to 100 in steps of 10, found \"150\"");
    EXPECT_EQ(read.faults[1], "radius: expected 0 to 3, found \"1x\"");
    EXPECT_EQ(read.faults[2], "line 7: expected damage once, found it again");

    for (const char* volume : {"15", "-10", "110", "99999999999", "", "ten"}) {
        read = parse_settings(std::string("volume = ") + volume + "\ndamage = 1\nradius = 2\nfullscreen = off\n");
        EXPECT_EQ(read.settings.volume, 20) << volume;
        EXPECT_EQ(read.faults.size(), 1u) << volume;
    }
    // Just past either end of each range, and the file-only settings' words.
    const std::pair<const char*, const char*> refused[] = {
        {"damage = 21", "damage: expected 0 to 20, found \"21\""},
        {"damage = -1", "damage: expected 0 to 20, found \"-1\""},
        {"radius = 4", "radius: expected 0 to 3, found \"4\""},
        {"radius = -1", "radius: expected 0 to 3, found \"-1\""},
        {"volume = -10", "volume: expected 0 to 100 in steps of 10, found \"-10\""},
        {"pace = fast", "pace: expected real or frame, found \"fast\""},
        {"vsync = 1", "vsync: expected on or off, found \"1\""},
        {"antialiasing = 8", "antialiasing: expected 4 or 0, found \"8\""},
        {"antialiasing = -4", "antialiasing: expected 4 or 0, found \"-4\""},
        {"shadows = ON", "shadows: expected on or off, found \"ON\""},
        {"labels = Solid", "labels: expected see-through or solid, found \"Solid\""},
        {"scanner = on", "scanner: expected colours or shapes, found \"on\""},
    };
    for (const auto& [line, fault] : refused) {
        read = parse_settings(line);
        EXPECT_EQ(read.settings, Settings{}) << line;
        EXPECT_EQ(read.faults, std::vector<std::string>{fault}) << line;
    }
    read = parse_settings("colour = red\n");
    ASSERT_EQ(read.faults.size(), 1u);
    EXPECT_EQ(read.faults[0].rfind("line 1: expected volume, damage, radius, fullscreen, pace, ", 0), 0u);
    EXPECT_NE(read.faults[0].find(", labels or scanner, found \"colour\""), std::string::npos);
    read = parse_settings("pace = frame\nvsync = off\nantialiasing = 0\nshadows = off\n"
                          "labels = solid\nscanner = shapes\n");
    EXPECT_EQ(read.settings, (Settings{20, 1, 2, false, PaceFrame, false, 0, false, true, true}));
    EXPECT_TRUE(read.faults.empty());
}

// A file written before a setting existed, or an empty one, reads without a
// fault: what it lacks takes its default silently.
TEST(SettingsText, MissingValuesTakeTheirDefaultsSilently) {
    SettingsText read = parse_settings(
        "# Swarmfall settings, written when RETURN is chosen in the options menu\n"
        "volume = 60\ndamage = 3\nradius = 1\nfullscreen = on\n");
    EXPECT_EQ(read.settings, (Settings{60, 3, 1, true}));
    EXPECT_EQ(read.settings.pace, PaceReal);
    EXPECT_TRUE(read.settings.vsync && read.settings.shadows);
    EXPECT_EQ(read.settings.antialiasing, 4);
    EXPECT_FALSE(read.settings.solid_labels || read.settings.scanner_shapes);
    EXPECT_TRUE(read.faults.empty());
    EXPECT_TRUE(parse_settings("").faults.empty());
    EXPECT_EQ(parse_settings("shadows = off").settings.volume, 20);
}

TEST(SettingsText, GarbageGivesTheDefaultsAndPrintableFaults) {
    const std::string garbage("\x7f" "ELF\x02\x01\x01\0\0\0\nfullscreen = maybe\nvolume\n=\n", 40);
    SettingsText read = parse_settings(garbage);
    EXPECT_EQ(read.settings, Settings{});
    ASSERT_FALSE(read.faults.empty());
    for (const std::string& fault : read.faults) {
        for (char c : fault) EXPECT_TRUE(c >= 0x20 && c < 0x7f) << fault;
    }
}

TEST(SettingsText, MenuStepsWrapRoundBothEnds) {
    EXPECT_EQ(step_setting(100, 1, kVolumeRange), 0);
    EXPECT_EQ(step_setting(0, -1, kVolumeRange), 100);
    EXPECT_EQ(step_setting(20, 1, kDamageRange), 0);
    EXPECT_EQ(step_setting(0, -1, kRadiusRange), 3);
    EXPECT_EQ(step_setting(40, -1, kVolumeRange), 30);
}

class SettingsFile : public testing::Test {
protected:
    TempFolder temp{"swarmfall-settings"};
    fs::path folder = temp.path;
    UserFoldersAt folders{{(folder / "swarmfall").u8string(), (folder / "data").u8string()}};
    std::ostringstream out;

    void SetUp() override { ASSERT_FALSE(folder.empty()); }
    std::string path() const { return settings_file_path(); }
    void write(const std::string& text) { write_file(path(), text); }
    std::string read() const { return file_text(path()); }
    int lines() const { return line_count(out.str()); }
    std::vector<std::string> folder_files() const { return names_beside(path()); }
};

TEST_F(SettingsFile, LivesInTheConfigFolder) {
    EXPECT_EQ(path(), (folder / "swarmfall" / "settings.conf").string());
    UserFoldersAt unknown{{}};
    EXPECT_EQ(settings_file_path(), "");
    EXPECT_EQ(load_settings("", out), Settings{});
    EXPECT_EQ(lines(), 1);
}

TEST_F(SettingsFile, SavedSettingsComeBackAndAMissingFileGivesTheDefaultsSilently) {
    EXPECT_EQ(load_settings(path(), out), Settings{});
    EXPECT_TRUE(save_settings(path(), kChanged, out));
    EXPECT_EQ(load_settings(path(), out), kChanged);
    EXPECT_EQ(out.str(), "");
    EXPECT_EQ(folder_files(), std::vector<std::string>{"settings.conf"});
}

// Copies of the game saving at the same moment each write through a
// temporary of their own: every save succeeds, the file is one of them
// whole, and no temporary is left.
TEST_F(SettingsFile, SavesAtTheSameMomentEachWriteWhole) {
    constexpr int kWriters = 8, kSaves = 20;
    std::vector<std::ostringstream> reports(kWriters);
    std::vector<int> failed(kWriters, 0);
    std::vector<std::thread> writers;
    for (int w = 0; w < kWriters; ++w) {
        writers.emplace_back([&, w] {
            Settings mine = kChanged;
            mine.volume = 10 * w;
            for (int i = 0; i < kSaves; ++i) failed[w] += !save_settings(path(), mine, reports[w]);
        });
    }
    for (std::thread& writer : writers) writer.join();
    for (int w = 0; w < kWriters; ++w) EXPECT_EQ(failed[w], 0) << reports[w].str();
    Settings kept = load_settings(path(), out);
    EXPECT_LT(kept.volume, 10 * kWriters);
    kept.volume = kChanged.volume;
    EXPECT_EQ(kept, kChanged);
    EXPECT_EQ(out.str(), "");
    EXPECT_EQ(folder_files(), std::vector<std::string>{"settings.conf"});
}

TEST_F(SettingsFile, FaultyOrUnreadableFileCostsOneLine) {
    write("volume = 30\ndamage = 21\n");
    EXPECT_EQ(load_settings(path(), out), (Settings{30, 1, 2, false}));
    EXPECT_EQ(lines(), 1);
    EXPECT_NE(out.str().find("damage: expected 0 to 20, found \"21\""), std::string::npos);

    write(std::string(5000, 'x'));
    EXPECT_EQ(load_settings(path(), out), Settings{});
    EXPECT_EQ(lines(), 2);

    fs::remove(path());
    fs::create_directory(path());  // a folder where the file should be
    EXPECT_EQ(load_settings(path(), out), Settings{});
    EXPECT_EQ(lines(), 3);
}

// A second save replaces the first whole, leaving no temporary (Windows
// will not rename onto an existing file without being asked to).
TEST_F(SettingsFile, ASecondSaveReplacesTheFirst) {
    ASSERT_TRUE(save_settings(path(), kChanged, out));
    ASSERT_TRUE(save_settings(path(), Settings{}, out));
    EXPECT_EQ(load_settings(path(), out), Settings{});
    EXPECT_EQ(folder_files(), std::vector<std::string>{"settings.conf"});
    EXPECT_EQ(out.str(), "");
}

// A user name outside ASCII: the folders are made, written twice and read
// back under the very name (UTF-8 in the game, UTF-16 on Windows).
TEST_F(SettingsFile, AFolderNameOutsideAsciiWorks) {
    const std::string name = u8"Jos\u00e9 \u00c5s\u00f8 \u65e5\u672c";
    const std::string config = (folder / fs::u8path(name) / "Swarmfall").u8string();
    const std::string file = user_file_path(config, "settings.conf");
    ASSERT_TRUE(write_user_file(file, "volume = 10\n"));
    ASSERT_TRUE(write_user_file(file, "volume = 30\n"));
    EXPECT_TRUE(fs::is_regular_file(folder / fs::u8path(name) / "Swarmfall" / "settings.conf"));
    const UserFileText read = read_user_file(file, 100);
    EXPECT_EQ(read.outcome, UserFileRead);
    EXPECT_EQ(read.text, "volume = 30\n");
    UserFoldersAt there{{config, config}};
    EXPECT_EQ(load_settings(settings_file_path(), out).volume, 30);
    EXPECT_EQ(out.str(), "");
}

}  // namespace
