// The DDS reader on any bytes: an accepted file yields a known format and
// mip levels of the right sizes that lie wholly inside the bytes read, and
// the bytes read are never more than the file held after its header.
#include <vector>

#include "fuzz/fuzz_support.h"
#include "render/dds_file.h"

namespace {
constexpr size_t kHeaderBytes = 4 + 124;  // magic and surface description
}

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzz::quiet_console();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static fuzz::MemoryFile file;
    DdsImage image;
    if (!read_dds_file(file.hold(data, size), image)) return 0;

    fuzz::must(size >= kHeaderBytes, "an accepted file holds a whole header");
    const uint32_t block = image.four_cc == kFourCcDxt1 ? 8 : 16;
    fuzz::must(image.four_cc == kFourCcDxt1 || image.four_cc == kFourCcDxt3 ||
                   image.four_cc == kFourCcDxt5,
               "an accepted file is DXT1, DXT3 or DXT5");
    fuzz::must(image.block_size == block, "the block size follows the format");
    fuzz::must(image.data.size() <= size - kHeaderBytes, "no more data than the file held");

    uint64_t offset = 0;
    uint32_t width = image.width, height = image.height;
    for (uint32_t level_size : image.level_sizes) {
        const uint64_t expected = uint64_t((width + 3) / 4) * ((height + 3) / 4) * block;
        fuzz::must(level_size == expected, "each level has the size of its halved sides");
        offset += level_size;
        fuzz::must(offset <= image.data.size(), "each level lies wholly in the bytes read");
        width = width > 1 ? width / 2 : 1;
        height = height > 1 ? height / 2 : 1;
    }
    // Touch every byte the upload would hand to OpenGL.
    volatile unsigned sum = 0;
    for (uint64_t i = 0; i < offset; ++i) sum = sum + image.data[size_t(i)];
    return 0;
}
