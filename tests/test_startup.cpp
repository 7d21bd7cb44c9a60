#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <string>

namespace {

struct RunResult {
    int exit_code = -1;
    std::string output;
};

// Runs the game binary with the given environment prefix, standard input
// closed, and collects standard error.
RunResult run_game_binary(const std::string& env) {
    const std::string command =
        env + " " + SWARMFALL_BINARY + " < /dev/null 2>&1 >/dev/null";
    RunResult result;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return result;
    char buffer[512];
    while (fgets(buffer, sizeof buffer, pipe)) result.output += buffer;
    int status = pclose(pipe);
    if (WIFEXITED(status)) result.exit_code = WEXITSTATUS(status);
    return result;
}

TEST(Startup, WithoutADisplayReportsGlfwAndExitsWithMinusOne) {
    RunResult run = run_game_binary("env -u DISPLAY -u WAYLAND_DISPLAY timeout 20");
    EXPECT_EQ(run.exit_code, 255);  // -1 as the shell sees it; 124 would mean a hang
    EXPECT_NE(run.output.find("Failed to initialize GLFW\n"), std::string::npos) << run.output;
}

}  // namespace
