#pragma once
// The command line: --help and --version answer at once, without a display
// or the game's data; an unknown option is refused with exit status 2.
// Words that are not options are ignored, as the game always did.
#include <ostream>
#include <string>

enum CommandLineRun : int { RunGame = 0, RunReplay = 1, RunVerifyReplay = 2 };

struct CommandLineOutcome {
    bool play = true;     // false: stop at once with exit_status
    int exit_status = 0;
    int run = RunGame;        // with --replay or --verify-replay FILE
    std::string replay_path;
};

// Reads the arguments from left to right; the first option decides, and
// "--" ends the options. Help and the version go to `out`, the refusal of
// an unknown option to `err`.
CommandLineOutcome read_command_line(int argc, const char* const* argv, std::ostream& out,
                                     std::ostream& err);
