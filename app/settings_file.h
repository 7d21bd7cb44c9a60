#pragma once
// The settings file: where it lives, reading it at start-up and writing it
// at RETURN. Nothing here is a reason to stop the game: every failure costs
// one line on `out` and the game goes on with what it has.
#include <iosfwd>
#include <string>

#include "app/settings.h"

// settings.conf in the user's config folder; empty when there is none.
std::string settings_file_path();

// No file: the defaults, silently. A file that cannot be read, or holds
// faults: the defaults for what is wrong, and one line naming the faults.
// An empty path: the defaults, and one line saying nothing is kept.
Settings load_settings(const std::string& path, std::ostream& out);

// Written whole (see user_files.h). False (and one line) when it cannot;
// an empty path writes nothing.
bool save_settings(const std::string& path, const Settings& settings, std::ostream& out);
