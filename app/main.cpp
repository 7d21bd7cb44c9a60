#include <iostream>

#include "app/asset_lookup.h"
#include "app/command_line.h"
#include "app/platform.h"
#include "app/platform_glfw.h"
#include "app/replay_check.h"
#include "app/startup.h"

int main(int argc, char** argv) {
    use_parent_console();
    // Help, the version and a refused option need neither data nor display.
    const CommandLineOutcome command = read_command_line(argc, argv, std::cout, std::cerr);
    if (!command.play) return command.exit_status;
    // Checking a replay needs neither the data nor a window.
    if (command.run == RunVerifyReplay) return verify_replay_file(command.replay_path, std::cout);
    use_platform(glfw_platform());
    // Without its data the game cannot start: one line, no wait for a key.
    if (!enter_asset_directory(argc > 0 ? argv[0] : nullptr)) return -1;
    return command.run == RunReplay ? run_replay(command.replay_path) : run_game();
}
