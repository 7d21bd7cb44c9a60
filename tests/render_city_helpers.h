#pragma once
// Small cities and the test cube for the city-mesh and culling tests.
#include <string>
#include <vector>

#include "render/loaders.h"
#include "render/mesh_data.h"
#include "render_test_files.h"
#include "world/city_grid.h"

namespace city_test {

struct Block {
    int x, y, layer;  // layer 1..7
};

inline void build(CityGrid& city, const std::vector<Block>& blocks) {
    std::vector<std::string> rows(size_t(kCityRows) * 7, std::string(kCityColumns, '.'));
    for (const Block& b : blocks) rows[size_t(kCityRows) * size_t(b.layer - 1) + size_t(b.y)][size_t(b.x)] = '#';
    city.init(rows);
}

inline MeshData test_cube() {
    MeshData cube;
    std::string path = test_files::temp_path("city_cube.obj");
    test_files::write_text(path, test_files::cube_obj_text());
    load_obj(path.c_str(), cube.positions, cube.uvs, cube.normals);
    return cube;
}

}  // namespace city_test
