#include "app/command_line.h"

#include <cstring>

namespace {
constexpr int kExitUsage = 2;

CommandLineOutcome stop(int status) {
    CommandLineOutcome outcome;
    outcome.play = false;
    outcome.exit_status = status;
    return outcome;
}
constexpr const char* kProgram = "swarmfall";
constexpr const char* kUsage =
    "Usage: swarmfall [--help | --version | --replay FILE | --verify-replay FILE]\n";

void print_help(std::ostream& out) {
    out << kUsage
        << "Swarmfall, a 3D action game: free the captive from a walled city of ants.\n"
           "Without options it opens its window and the game begins.\n"
           "\n"
           "  -h, --help     print this help and exit\n"
           "      --version  print the version and exit\n"
           "      --replay FILE         watch a recorded game (Space pauses, + and - set\n"
           "                            the speed, Escape leaves)\n"
           "      --verify-replay FILE  play a recorded game without a window; exit 0\n"
           "                            when it reaches the recorded score and rescues\n"
           "\n"
           "Keys: W walk, A and D turn, S jump, H J K L throw a grenade,\n"
           "Escape the options menu. The manual page swarmfall(6) tells the rest.\n";
}
}  // namespace

CommandLineOutcome read_command_line(int argc, const char* const* argv, std::ostream& out,
                                     std::ostream& err) {
    for (int i = 1; i < argc; ++i) {
        const char* word = argv[i];
        if (std::strcmp(word, "--") == 0) break;
        // A lone "-" or a plain word is no option; both were always ignored.
        if (word[0] != '-' || word[1] == '\0') continue;
        if (std::strcmp(word, "--help") == 0 || std::strcmp(word, "-h") == 0) {
            print_help(out);
            return stop(0);
        }
        if (std::strcmp(word, "--version") == 0) {
            out << kProgram << ' ' << SWARMFALL_VERSION << '\n';
            return stop(0);
        }
        const bool replay = std::strcmp(word, "--replay") == 0;
        if (replay || std::strcmp(word, "--verify-replay") == 0) {
            if (i + 1 >= argc) {
                err << kProgram << ": " << word << " needs a replay file\n" << kUsage;
                return stop(kExitUsage);
            }
            CommandLineOutcome outcome;
            outcome.run = replay ? RunReplay : RunVerifyReplay;
            outcome.replay_path = argv[i + 1];
            return outcome;
        }
        err << kProgram << ": unknown option '" << word << "'\n" << kUsage;
        return stop(kExitUsage);
    }
    return {};
}
