// Laptops with two GPUs run a program on the weak one unless it asks for
// the fast one: the NVIDIA and AMD drivers look for these two exports.
#include <windows.h>

extern "C" {
__declspec(dllexport) DWORD NvOptimusEnablement = 1;
__declspec(dllexport) int AmdPowerXpressRequestHighPerformance = 1;
}
