// OpenAL32.dll is loaded when the game first asks for sound, not at start:
// without it (not shipped, or removed) the game runs silent instead of
// refusing to start.
#include <windows.h>

#include "app/audio.h"

bool sound_library_loads() { return LoadLibraryW(L"OpenAL32.dll") != nullptr; }
