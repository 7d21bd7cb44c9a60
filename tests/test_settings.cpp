// The settings: their text form, and the file kept between runs. File tests
// point XDG_CONFIG_HOME at a temporary folder they remove again.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>
#include <vector>

#include "app/platform.h"
#include "app/settings_file.h"
#include "temp_files.h"

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
    fs::path folder;
    std::ostringstream out;

    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "swarmfall-settings-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        folder = pattern;
        setenv("XDG_CONFIG_HOME", folder.c_str(), 1);
    }
    void TearDown() override {
        unsetenv("XDG_CONFIG_HOME");
        fs::remove_all(folder);
    }
    std::string path() const { return settings_file_path(); }
    void write(const std::string& text) { write_file(path(), text); }
    std::string read() const { return file_text(path()); }
    int lines() const { return line_count(out.str()); }
    std::vector<std::string> folder_files() const { return names_beside(path()); }
};

TEST_F(SettingsFile, LivesUnderXdgConfigHomeElseUnderHome) {
    EXPECT_EQ(path(), (folder / "swarmfall" / "settings.conf").string());
    const std::string home = std::getenv("HOME") ? std::getenv("HOME") : "";
    setenv("HOME", "/home/player", 1);
    setenv("XDG_CONFIG_HOME", "relative/ignored", 1);
    EXPECT_EQ(settings_file_path(), "/home/player/.config/swarmfall/settings.conf");
    unsetenv("XDG_CONFIG_HOME");
    unsetenv("HOME");
    EXPECT_EQ(settings_file_path(), "");
    EXPECT_EQ(load_settings("", out), Settings{});
    EXPECT_EQ(lines(), 1);
    if (!home.empty()) setenv("HOME", home.c_str(), 1);
}

// The data folder (best scores) follows the same rule as the config folder
// with its own variable and its own place under HOME.
TEST_F(SettingsFile, DataFolderUnderXdgDataHomeElseUnderHome) {
    const std::string home = std::getenv("HOME") ? std::getenv("HOME") : "";
    const std::string data_home = std::getenv("XDG_DATA_HOME") ? std::getenv("XDG_DATA_HOME") : "";
    setenv("HOME", "/home/player", 1);
    setenv("XDG_DATA_HOME", "/data", 1);
    EXPECT_EQ(user_folders().data, "/data/swarmfall");
    EXPECT_EQ(user_folders().config, (folder / "swarmfall").string());
    setenv("XDG_DATA_HOME", "relative/ignored", 1);
    unsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(user_folders().data, "/home/player/.local/share/swarmfall");
    EXPECT_EQ(user_folders().config, "/home/player/.config/swarmfall");
    unsetenv("HOME");
    EXPECT_EQ(user_folders().data, "");
    unsetenv("XDG_DATA_HOME");
    if (!home.empty()) setenv("HOME", home.c_str(), 1);
    if (!data_home.empty()) setenv("XDG_DATA_HOME", data_home.c_str(), 1);
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

// A write that fails half-way (the file size limit stands in for a full
// disk) leaves the old file whole and no temporary behind.
TEST_F(SettingsFile, FailedWriteLeavesTheOldFileWhole) {
    ASSERT_TRUE(save_settings(path(), Settings{}, out));
    const std::string before = read();
    rlimit old_limit{};
    getrlimit(RLIMIT_FSIZE, &old_limit);
    rlimit small = old_limit;
    small.rlim_cur = 16;
    auto old_handler = std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &small);
    const bool saved = save_settings(path(), kChanged, out);
    setrlimit(RLIMIT_FSIZE, &old_limit);
    std::signal(SIGXFSZ, old_handler);
    EXPECT_FALSE(saved);
    EXPECT_EQ(read(), before);
    EXPECT_EQ(folder_files(), std::vector<std::string>{"settings.conf"});
    EXPECT_EQ(lines(), 1);
}

}  // namespace
