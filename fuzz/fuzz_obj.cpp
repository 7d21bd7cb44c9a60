// The OBJ reader on any bytes: it fails with the caller's lists untouched, or
// it appends three lists of equal length in whole triangles, no more
// triangles than the file has face lines.
#include <algorithm>
#include <vector>

#include "fuzz/fuzz_support.h"
#include "render/loaders.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzz::quiet_console();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static fuzz::MemoryFile file;
    const char* path = file.hold(data, size);
    // One entry already in each list, as a caller appending a second mesh.
    const glm::vec3 mark(7.0f, -7.0f, 0.5f);
    std::vector<glm::vec3> positions{mark}, normals{mark};
    std::vector<glm::vec2> uvs{glm::vec2(mark)};
    const bool ok = load_obj(path, positions, uvs, normals);

    fuzz::must(positions.size() == uvs.size() && uvs.size() == normals.size(),
               "the three lists have equal length");
    fuzz::must(positions[0] == mark && uvs[0] == glm::vec2(mark) && normals[0] == mark,
               "entries already in the lists are kept");
    if (!ok) {
        fuzz::must(positions.size() == 1, "a failed read leaves the lists untouched");
        return 0;
    }
    const size_t corners = positions.size() - 1;
    fuzz::must(corners % 3 == 0, "a read yields whole triangles");
    const size_t face_letters = size_t(std::count(data, data + size, uint8_t('f')));
    fuzz::must(corners / 3 <= face_letters, "no more triangles than face lines");
    return 0;
}
