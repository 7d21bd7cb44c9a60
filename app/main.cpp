#include "app/startup.h"

#ifdef _WIN32
// Ask hybrid-graphics drivers for the discrete GPU.
extern "C" {
__declspec(dllexport) unsigned long NvOptimusEnablement = 1;
__declspec(dllexport) int AmdPowerXpressRequestHighPerformance = 1;
}
#endif

int main(int argc, char** argv) {
    find_asset_directory(argc > 0 ? argv[0] : nullptr);
    return run_game();
}
