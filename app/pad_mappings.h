#pragma once
// The player's own gamepad mappings: an optional gamecontrollerdb.txt in the
// config folder, in the format of SDL's controller database, handed to the
// platform at start-up for pads its built-in mappings do not know. Nothing
// here stops the game: a bad file costs one line and the pad goes on with
// what the platform took.
#include <cstdint>
#include <iosfwd>
#include <string>

// gamecontrollerdb.txt in the user's config folder; empty when there is none.
std::string pad_mappings_path();

struct PadMappingLines {
    int32_t tried = 0;           // lines that were neither blank nor comments
    int32_t rejected = 0;        // of those, the ones that were not taken
    int32_t first_rejected = 0;  // its line number, from 1; 0 when none
    std::string first_rejected_text;  // that line as a report shows it
};

// Hands each mapping line of `text` to the platform, one at a time so each
// rejection is known.
PadMappingLines add_pad_mapping_lines(const std::string& text);

// No file (or no folder): nothing, silently.
void load_pad_mappings(const std::string& path, std::ostream& out);
