#include "app/command_line.h"

#include <cstring>

namespace {
constexpr int kExitUsage = 2;
constexpr const char* kProgram = "swarmfall";
constexpr const char* kUsage = "Usage: swarmfall [--help | --version]\n";

void print_help(std::ostream& out) {
    out << kUsage
        << "Swarmfall, a 3D action game: free the captive from a walled city of ants.\n"
           "Without options it opens its window and the game begins.\n"
           "\n"
           "  -h, --help     print this help and exit\n"
           "      --version  print the version and exit\n"
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
            return {false, 0};
        }
        if (std::strcmp(word, "--version") == 0) {
            out << kProgram << ' ' << SWARMFALL_VERSION << '\n';
            return {false, 0};
        }
        err << kProgram << ": unknown option '" << word << "'\n" << kUsage;
        return {false, kExitUsage};
    }
    return {};
}
