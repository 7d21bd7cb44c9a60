// make_city: builds the city, checks it and writes world/city.txt and the
// map docs/city_map.png. Run from the repository root; the output is the
// same on every run, since the search is seeded with a fixed number.
#include <cstdio>
#include <fstream>
#include <iostream>

#include "tools/city_gen_plan.h"
#include "world/level_check.h"

namespace {
constexpr uint64_t kCitySeed = 20240611;
}

int main(int argc, char** argv) {
    std::string level_path = argc > 1 ? argv[1] : "world/city.txt";
    std::string map_path = argc > 2 ? argv[2] : "docs/city_map.png";
    CityPlan plan;
    lay_out_city(plan);
    std::string report;
    if (!settle_profiles(plan, kCitySeed, report)) {
        std::cerr << "make_city: the search did not settle:\n" << report;
        return 1;
    }
    std::vector<std::string> rows = plan_rows(plan);
    CityGrid city;
    city.init(rows);
    LevelCheck check = check_level(city);
    for (const std::string& problem : check.problems) std::cerr << "make_city: " << problem << "\n";
    if (!check.ok()) return 1;
    std::ofstream out(level_path, std::ios::binary | std::ios::trunc);
    for (const std::string& row : rows) out << row << "\n";
    if (!out) {
        std::cerr << "make_city: " << level_path << " cannot be written\n";
        return 1;
    }
    if (!write_city_map(city, map_path)) {
        std::cerr << "make_city: " << map_path << " cannot be written\n";
        return 1;
    }
    std::cout << "make_city: wrote " << level_path << " and " << map_path << "\n";
    return 0;
}
