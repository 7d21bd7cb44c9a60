// The soak: the real game, start-up, main loop with rendering and shutdown,
// played for many rounds through a scripted platform (clock and keys) and
// built with AddressSanitizer and UBSan (`make soak`; a short game runs in
// `make test-asan`). It checks after every frame that no actor has left the
// grid, and at the end that every state was visited, the pack reached its
// full size when planned, and resident memory stayed flat after round 5.
//   soak_game [--rounds N] [--rescues M]
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include <unistd.h>

#include "app/asset_lookup.h"
#include "app/game_session.h"
#include "app/game_state.h"
#include "app/platform_glfw.h"
#include "app/startup.h"
#include "world/city_grid.h"
#include "scripted_platform.h"
#include "soak_player.h"

namespace {

constexpr int kMemoryBaseRound = 5;
// Growth allowed from the end of round 5 to the last round: allocator and
// driver caches settle, a leak of anything per round or per frame does not.
constexpr long kMemoryGrowthKb = 16 * 1024;
constexpr long kFrameBudget = 200000;  // a stuck script stops here
constexpr int kFullPack = 101;
constexpr size_t kProblemsKept = 20;
constexpr int kSoakPictureWidth = 320;
constexpr int kSoakPictureHeight = 240;
constexpr int kSoakScreenWidth = 400;
constexpr int kSoakScreenHeight = 300;

struct Watch {
    long frames = 0;
    int most_ants = 0;
    bool visited[HostageFound + 1] = {};
    std::vector<std::string> problems;
};

bool cell_inside(const Actor& a) {
    return a.cell_x >= 0 && a.cell_x < kCityColumns && a.cell_y >= 0 && a.cell_y < kCityRows &&
           a.cell_z >= 0 && a.cell_z < kCityLayers;
}

// The drawn position slides at most one cell past the grid's edge, where a
// walk wraps round to the other side.
bool drawn_inside(const Actor& a) {
    auto near = [](float v, int extent) { return std::isfinite(v) && v >= -1.0f && v <= float(extent); };
    return near(a.pos_x, kCityColumns) && near(a.pos_y, kCityRows) && near(a.pos_z, kCityLayers);
}

// Problems seen frame by frame: the first few tell the story.
void note(Watch& w, const std::string& problem) {
    if (w.problems.size() < kProblemsKept) w.problems.push_back(problem);
}

void check_actor(Watch& w, const Actor& a, const std::string& name) {
    if (cell_inside(a) && drawn_inside(a)) return;
    note(w, name + " left the grid at frame " + std::to_string(w.frames) + ": cell (" +
                std::to_string(a.cell_x) + ", " + std::to_string(a.cell_y) + ", " +
                std::to_string(a.cell_z) + "), drawn at (" + std::to_string(a.pos_x) + ", " +
                std::to_string(a.pos_y) + ", " + std::to_string(a.pos_z) + ")");
}

void watch_frame(Watch& w, const GameSession& s) {
    ++w.frames;
    if (s.state >= 0 && s.state <= HostageFound) w.visited[s.state] = true;
    if (s.ant_count() > w.most_ants) w.most_ants = s.ant_count();
    check_actor(w, s.player, "player");
    check_actor(w, s.hostage, "hostage");
    check_actor(w, s.grenade, "grenade");
    for (size_t i = 0; i < s.ants.size(); ++i) check_actor(w, s.ants[i], "ant " + std::to_string(i));
    if (w.frames >= kFrameBudget) {
        w.problems.push_back("the script did not finish within the frame budget");
        request_window_close();
    }
}

void final_checks(Watch& w, const SoakPlayer& p, const ScriptedPlatform& input) {
    for (const std::string& problem : p.problems) w.problems.push_back(problem);
    if (p.rounds_done < p.plan.rounds) {
        w.problems.push_back("played " + std::to_string(p.rounds_done) + " rounds of " +
                             std::to_string(p.plan.rounds));
    }
    if (input.window_mode_changes == 0) w.problems.push_back("the window never went full screen");
    if (p.rebound_rounds == 0) w.problems.push_back("no round was walked on a rebound FORWARD key");
    for (int state = Intro; state <= HostageFound; ++state) {
        if (!w.visited[state]) w.problems.push_back("state " + std::to_string(state) + " never visited");
    }
    if (p.plan.first_game_rescues >= 20 && w.most_ants != kFullPack) {
        w.problems.push_back("the pack grew to " + std::to_string(w.most_ants) + " ants, not 101");
    }
    const std::vector<long>& kb = p.resident_kb;
    if (int(kb.size()) > kMemoryBaseRound) {
        const long growth = kb.back() - kb[kMemoryBaseRound - 1];
        if (growth > kMemoryGrowthKb) {
            w.problems.push_back("resident memory grew by " + std::to_string(growth / 1024) +
                                 " MiB after round 5");
        }
    }
}

void report(const Watch& w, const SoakPlayer& p, double seconds) {
    std::fprintf(stderr, "soak: %d rounds in %d games, %ld frames, %.0f s, pack up to %d ants\n",
                 p.rounds_done, p.games_started, w.frames, seconds, w.most_ants);
    std::fprintf(stderr, "soak: resident memory (MiB) at the end of rounds:");
    for (size_t i = 0; i < p.resident_kb.size(); ++i) {
        if (i == 0 || (i + 1) % 5 == 0 || i + 1 == p.resident_kb.size()) {
            std::fprintf(stderr, " %zu: %.1f", i + 1, double(p.resident_kb[i]) / 1024.0);
        }
    }
    std::fprintf(stderr, "\n");
    for (const std::string& problem : w.problems) std::fprintf(stderr, "soak: FAILED: %s\n", problem.c_str());
    if (w.problems.empty()) std::fprintf(stderr, "soak: passed\n");
}

}  // namespace

// Freed memory waits in AddressSanitizer's quarantine (256 MiB by default)
// before it is reused, which reads as growth for many rounds; a small one
// lets resident memory settle within the first rounds. Leak checks are off
// for the reason given in the Makefile.
extern "C" const char* __asan_default_options() {
    return "quarantine_size_mb=16:detect_leaks=0";
}

int main(int argc, char** argv) {
    SoakPlan plan;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--rounds") == 0) plan.rounds = std::atoi(argv[i + 1]);
        if (std::strcmp(argv[i], "--rescues") == 0) plan.first_game_rescues = std::atoi(argv[i + 1]);
    }
    // The game's own lines (frame times, the options cursor, loaders) are
    // not the soak's report, and nothing may wait for a key.
    if (!std::freopen("/dev/null", "w", stdout) || !std::freopen("/dev/null", "r", stdin)) return 1;
    if (!enter_asset_directory(argc > 0 ? argv[0] : nullptr)) return 1;
    // RETURN in the options menu writes the settings file, the end of a
    // game the best scores: the run gets config and data folders of its
    // own, removed at the end.
    namespace fs = std::filesystem;
    const fs::path folders = fs::temp_directory_path() / ("swarmfall_soak_" + std::to_string(getpid()));
    setenv("XDG_CONFIG_HOME", (folders / "config").c_str(), 1);
    setenv("XDG_DATA_HOME", (folders / "data").c_str(), 1);

    ScriptedPlatform input;
    // A small picture keeps the software renderer quick (every pass still
    // draws in full); full screen goes through the scripted window, to a
    // screen about as small.
    input.framebuffer_width = input.window_width = kSoakPictureWidth;
    input.framebuffer_height = input.window_height = kSoakPictureHeight;
    input.cursor_x = kSoakPictureWidth / 2.0;
    input.cursor_y = kSoakPictureHeight / 2.0;
    input.screen_width = kSoakScreenWidth;
    input.screen_height = kSoakScreenHeight;
    SoakPlayer player;
    player.plan = plan;
    Watch watch;
    RunningGame game;
    input.after_frame = [&] {
        watch_frame(watch, *game.session);
        player.after_frame(*game.session, input);
    };
    // The real window to draw in; time, keys, cursor and window size scripted.
    use_scripted_platform(&input, glfw_platform());
    const auto started = std::chrono::steady_clock::now();
    if (!start_up(game)) {
        std::fprintf(stderr, "soak: the game did not start (no display?)\n");
        std::error_code error;
        fs::remove_all(folders, error);
        return 1;
    }
    main_loop(game);
    shut_down(game);
    use_scripted_platform(nullptr);
    std::error_code error;
    fs::remove_all(folders, error);
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    final_checks(watch, player, input);
    report(watch, player, seconds);
    return watch.problems.empty() ? 0 : 1;
}
