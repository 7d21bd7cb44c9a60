// What POSIX systems alone do with the player's files: the folders follow
// the XDG variables and HOME, and a write cut short by the file size limit
// (standing in for a full disk) leaves the old file whole. The tests point
// XDG_CONFIG_HOME at a temporary folder they remove again.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <sstream>

#include "app/platform.h"
#include "app/settings_file.h"
#include "temp_files.h"

namespace fs = std::filesystem;

namespace {

const Settings kChanged{100, 0, 3, true, PaceFrame, false, 0, false, true, true};

class XdgFolders : public testing::Test {
protected:
    TempFolder temp{"swarmfall-xdg"};
    fs::path folder = temp.path;
    std::ostringstream out;

    void SetUp() override {
        ASSERT_FALSE(folder.empty());
        setenv("XDG_CONFIG_HOME", folder.c_str(), 1);
    }
    void TearDown() override { unsetenv("XDG_CONFIG_HOME"); }
    std::string path() const { return settings_file_path(); }
    std::string read() const { return file_text(path()); }
    int lines() const { return line_count(out.str()); }
    std::vector<std::string> folder_files() const { return names_beside(path()); }
};

TEST_F(XdgFolders, LivesUnderXdgConfigHomeElseUnderHome) {
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
TEST_F(XdgFolders, DataFolderUnderXdgDataHomeElseUnderHome) {
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

// A write that fails half-way (the file size limit stands in for a full
// disk) leaves the old file whole and no temporary behind.
TEST_F(XdgFolders, FailedWriteLeavesTheOldFileWhole) {
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
