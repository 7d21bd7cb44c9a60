#include "app/replay_check.h"

#include <memory>
#include <ostream>

#include "app/game_loop.h"
#include "app/game_session.h"
#include "app/game_state.h"
#include "app/replay.h"
#include "app/replay_session.h"
#include "app/user_files.h"

namespace {
// Past the last pass the game has at most a countdown to run: a rescue's
// fresh 999 units, about 2500 passes.
constexpr size_t kPassesPastTheEnd = 3000;
constexpr double kPassSeconds = 0.5;  // a pass is 0.4 s of play; the rest for the screens
constexpr int64_t kSpareFrames = 100000;
constexpr std::streamsize kLargestReplay = 64 * 1024 * 1024;

// Discards what it is given: a played-back game's lines are not shown.
struct NullBuffer : std::streambuf {
    int overflow(int c) override { return c; }
};
}  // namespace

ReplayOutcome play_back(GameSession& s, const Replay& replay, double frame_seconds,
                        std::ostream& out) {
    start_playback(s, replay);
    const size_t last_pass = replay.passes.size() + kPassesPastTheEnd;
    // Screens between rounds take a few seconds each; no game needs more
    // frames than this, whatever its replay holds.
    const int64_t last_frame = int64_t(double(last_pass) * kPassSeconds / frame_seconds) + kSpareFrames;
    double now = 0.0;
    for (int64_t frame = 0; s.state != TimeUpScreen && frame < last_frame; ++frame) {
        if (s.playback.pass_hashes.size() > last_pass) break;
        now += frame_seconds;
        run_logic_at(s, now, out);
    }
    ReplayOutcome o;
    o.score = s.score;
    o.rescues = s.rescued_count;
    o.finished = s.state == TimeUpScreen;
    o.ran_out = s.playback.ran_out;
    return o;
}

bool load_replay_file(const std::string& path, Replay& replay, std::ostream& out) {
    const UserFileText file = read_user_file(path, kLargestReplay);
    if (file.outcome != UserFileRead) {
        out << path << ": "
            << (file.outcome == UserFileMissing    ? "no such file"
                : file.outcome == UserFileTooLarge ? "larger than any replay"
                                                   : "cannot be read")
            << std::endl;
        return false;
    }
    std::string problem;
    if (!parse_replay(file.text, replay, problem)) {
        out << path << ": " << problem << std::endl;
        return false;
    }
    return true;
}

int verify_replay_file(const std::string& path, std::ostream& out) {
    Replay replay;
    if (!load_replay_file(path, replay, out)) return 1;
    auto session = std::make_unique<GameSession>();
    session->init_world();
    NullBuffer nothing;
    std::ostream quiet(&nothing);
    const ReplayOutcome o = play_back(*session, replay, kFastestFrameSeconds, quiet);
    out << "score " << o.score << ", rescues " << o.rescues;
    const bool same = o.finished && !o.ran_out && o.score == replay.score && o.rescues == replay.rescues;
    if (same) {
        out << ": as recorded" << std::endl;
    } else {
        out << ": the recording says score " << replay.score << ", rescues " << replay.rescues
            << (o.finished ? "" : "; the game did not reach its end") << std::endl;
    }
    return same ? 0 : 1;
}
