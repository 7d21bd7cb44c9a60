// Build step: checks the level file and writes it out as a C++ table, so a
// broken level stops the build instead of the game.
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>

#include "world/level_rows.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: embed_level LEVEL_FILE OUTPUT_CPP\n";
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    if (!in) {
        std::cerr << argv[1] << ": cannot be opened\n";
        return 1;
    }
    std::stringstream text;
    text << in.rdbuf();
    LevelRows level = parse_level_rows(text.str(), argv[1]);
    if (!level.ok) {
        std::cerr << "error: " << level.error << "\n";
        return 1;
    }
    std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
    out << "// Generated from world/city.txt by embed_level; do not edit.\n"
        << "#include \"world/level_rows.h\"\n\n"
        << "const char* const city_rows[kLevelRowCount] = {\n";
    for (const std::string& row : level.rows) {
        out << "    \"";
        for (int c = 0; c < kLevelRowLength; ++c) out << (row[c] == '#' ? '#' : '.');
        out << "\",\n";
    }
    out << "};\n";
    if (!out) {
        std::cerr << argv[2] << ": cannot be written\n";
        return 1;
    }
    return 0;
}
