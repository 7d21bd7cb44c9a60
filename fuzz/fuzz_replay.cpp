// The replay reader on any bytes. A text it refuses gets one line saying
// what was expected and what was found; a text it takes is a replay whose
// passes all unpack and whose menus lie in order within its passes, and
// written out again it reads back the same.
#include <string>
#include <string_view>

#include "app/pass_commands.h"
#include "app/replay.h"
#include "fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    Replay replay;
    std::string problem;
    if (!parse_replay(text, replay, problem)) {
        fuzz::must(problem.find(": expected ") != std::string::npos, "a refusal says what was expected");
        fuzz::must(problem.find('\n') == std::string::npos, "a refusal is one line");
        return 0;
    }
    fuzz::must(replay.ended, "a replay taken holds its result");
    PassCommands commands;
    for (uint32_t pass : replay.passes) fuzz::must(unpack_commands(pass, commands), "every pass unpacks");
    int64_t last = 0;
    for (const ReplayMenu& menu : replay.menus) {
        fuzz::must(menu.passes >= last && menu.passes <= int64_t(replay.passes.size()),
                   "menus lie in order within the passes");
        last = menu.passes;
    }
    Replay again;
    fuzz::must(parse_replay(replay_text(replay), again, problem) && again == replay,
               "a written replay reads back the same");
    return 0;
}
