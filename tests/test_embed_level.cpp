#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

// Runs the build's level check on a level file; returns exit code and stderr.
std::pair<int, std::string> embed(const std::string& level, const std::string& output) {
    const std::string command =
        std::string(EMBED_LEVEL_BINARY) + " " + level + " " + output + " 2>&1";
    std::string text;
    FILE* pipe = popen(command.c_str(), "r");
    char buffer[512];
    while (pipe && fgets(buffer, sizeof buffer, pipe)) text += buffer;
    int status = pipe ? pclose(pipe) : -1;
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, text};
}

TEST(EmbedLevel, ShortRowStopsTheBuildNamingFileAndRow) {
    namespace fs = std::filesystem;
    const fs::path dir = fs::temp_directory_path() / "swarmfall_embed_test";
    fs::create_directories(dir);
    const fs::path level = dir / "city.txt";
    const fs::path output = dir / "city_rows.cpp";
    {
        std::ofstream out(level);
        for (int row = 0; row < 1036; ++row) out << std::string(row == 500 ? 100 : 148, '.') << "\n";
    }
    auto [code, text] = embed(level.string(), output.string());
    EXPECT_NE(code, 0);
    EXPECT_NE(text.find("city.txt: row 501 has 100 characters, needs 148"), std::string::npos) << text;

    auto [ok_code, ok_text] = embed("world/city.txt", output.string());
    EXPECT_EQ(ok_code, 0) << ok_text;
    EXPECT_TRUE(fs::exists(output));
    fs::remove_all(dir);
}

}  // namespace
