#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <string>

namespace {

struct RunResult {
    int exit_code = -1;
    std::string output;
};

constexpr const char* kNoDisplay = "env -u DISPLAY -u WAYLAND_DISPLAY timeout 20";

// Runs the game binary with the given environment prefix and arguments,
// standard input closed, and collects standard error.
RunResult run_game_binary(const std::string& env, const std::string& arguments = "") {
    const std::string command =
        env + " " + SWARMFALL_BINARY + " " + arguments + " < /dev/null 2>&1 >/dev/null";
    RunResult result;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return result;
    char buffer[512];
    while (fgets(buffer, sizeof buffer, pipe)) result.output += buffer;
    int status = pclose(pipe);
    if (WIFEXITED(status)) result.exit_code = WEXITSTATUS(status);
    return result;
}

// The line begins as it always did and gives GLFW's reason after it.
TEST(Startup, WithoutADisplayReportsGlfwAndItsReasonAndExitsWithMinusOne) {
    RunResult run = run_game_binary(kNoDisplay);
    EXPECT_EQ(run.exit_code, 255);  // -1 as the shell sees it; 124 would mean a hang
    const std::string start = "Failed to initialize GLFW (";
    ASSERT_EQ(run.output.rfind(start, 0), 0u) << run.output;
    EXPECT_EQ(run.output.find('\n'), run.output.size() - 1) << run.output;  // one line
    EXPECT_GT(run.output.size(), start.size() + 3) << run.output;             // a reason in it
    EXPECT_EQ(run.output.substr(run.output.size() - 2), ")\n") << run.output;
}

// The game always ignored its arguments: words that are no options, and
// anything after "--", still lead to start-up (here its failure without a
// display). The first option decides, so a later unknown one is not seen.
TEST(Startup, WordsThatAreNoOptionsStillStartTheGame) {
    for (const char* arguments : {"play", "- now", "-- --no-such-option"}) {
        RunResult run = run_game_binary(kNoDisplay, arguments);
        EXPECT_EQ(run.exit_code, 255) << arguments;
        EXPECT_EQ(run.output.rfind("Failed to initialize GLFW (", 0), 0u) << arguments;
    }
    EXPECT_EQ(run_game_binary(kNoDisplay, "--version --no-such-option").exit_code, 0);
    RunResult refused = run_game_binary(kNoDisplay, "play -x --help");
    EXPECT_EQ(refused.exit_code, 2);
    EXPECT_EQ(refused.output.rfind("swarmfall: unknown option '-x'\n", 0), 0u) << refused.output;
}

}  // namespace
