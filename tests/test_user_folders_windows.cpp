// What Windows alone does with the player's files: settings and best
// scores both live in %APPDATA%\Swarmfall, and the executable's path comes
// from Windows itself, whatever argv[0] says.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "app/platform.h"

namespace fs = std::filesystem;

namespace {

// Windows names the roaming folder in APPDATA as well: the known-folder
// answer must be the same place.
TEST(WindowsFolders, SettingsAndBestScoresLiveUnderAppData) {
    const wchar_t* app_data = _wgetenv(L"APPDATA");
    ASSERT_NE(app_data, nullptr);
    const std::string expected = (fs::path(app_data) / L"Swarmfall").u8string();
    EXPECT_EQ(user_folders().config, expected);
    EXPECT_EQ(user_folders().data, expected);
}

TEST(WindowsFolders, TheExecutableIsThisProgramWhateverArgv0Says) {
    const fs::path exe = fs::u8path(executable_path("elsewhere/other.exe"));
    EXPECT_TRUE(exe.is_absolute());
    EXPECT_EQ(exe.filename(), "test_user_folders.exe");
    EXPECT_TRUE(fs::is_regular_file(exe));
}

}  // namespace
