#pragma once
// Where the run-time assets (shaders/, model/, texture/, sounds/) are found:
// the working directory first, then beside the executable (the build tree
// links them there), then the installed data folder relative to the
// executable's real path, so an installed or moved tree needs no variable.
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

// The installed data folder as seen from the executable's folder.
#ifndef SWARMFALL_DATA_FROM_BIN
#define SWARMFALL_DATA_FROM_BIN "../share/swarmfall"
#endif

// The places looked in, in order; `exe` is the executable's real path
// (empty when unknown, which leaves only the working directory).
std::vector<std::filesystem::path> asset_places(const std::filesystem::path& working_dir,
                                                const std::filesystem::path& exe);

// True when `dir` has the folders the game cannot draw without.
bool holds_assets(const std::filesystem::path& dir);

// The first place that holds the assets, if any.
std::optional<std::filesystem::path> find_assets(const std::vector<std::filesystem::path>& places);

// The one line a player sees when no place holds them.
std::string missing_assets_line(const std::vector<std::filesystem::path>& places);

// Moves the working directory to where the assets are. When none holds
// them, writes the line above to standard error and returns false, before
// any loader could print a message per file or wait for a key.
bool enter_asset_directory(const char* argv0);
