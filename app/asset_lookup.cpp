#include "app/asset_lookup.h"

#include <algorithm>
#include <iostream>

#include "app/platform.h"

namespace fs = std::filesystem;

namespace {
// Sounds are left out: without them the game runs, silent.
constexpr const char* kNeededFolders[] = {"shaders", "model", "texture"};
}  // namespace

std::vector<fs::path> asset_places(const fs::path& working_dir, const fs::path& exe) {
    std::vector<fs::path> places = {working_dir};
    if (exe.empty()) return places;
    const fs::path bin = exe.parent_path();
    fs::path data = (bin / SWARMFALL_DATA_FROM_BIN).lexically_normal();
    // "bin/." normalises to "bin/": the same folder as bin, named once.
    if (!data.has_filename()) data = data.parent_path();
    for (const fs::path& place : {bin, data})
        if (std::find(places.begin(), places.end(), place) == places.end()) places.push_back(place);
    return places;
}

bool holds_assets(const fs::path& dir) {
    std::error_code error;
    for (const char* folder : kNeededFolders)
        if (!fs::is_directory(dir / folder, error)) return false;
    return true;
}

std::optional<fs::path> find_assets(const std::vector<fs::path>& places) {
    for (const fs::path& place : places)
        if (holds_assets(place)) return place;
    return std::nullopt;
}

std::string missing_assets_line(const std::vector<fs::path>& places) {
    std::string line = "Swarmfall cannot find its data (shaders/, model/, texture/); looked in:";
    for (size_t i = 0; i < places.size(); ++i) line += (i ? ", " : " ") + places[i].u8string();
    return line + "\n";
}

bool enter_asset_directory(const char* argv0) {
    std::error_code error;
    const fs::path working_dir = fs::current_path(error);
    const std::vector<fs::path> places = asset_places(working_dir, fs::u8path(executable_path(argv0)));
    const std::optional<fs::path> found = find_assets(places);
    if (!found) {
        const std::string line = missing_assets_line(places);
        std::cerr << line;
        show_failure(line.c_str());
        return false;
    }
    if (*found != working_dir) fs::current_path(*found, error);
    if (!error) return true;
    const std::string line =
        "Swarmfall cannot enter its data folder " + found->u8string() + ": " + error.message() + "\n";
    std::cerr << line;
    show_failure(line.c_str());
    return false;
}
