#include "render/dds_file.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace {

constexpr size_t kDdsHeaderSize = 124;
constexpr uint32_t kMaxDdsSide = 16384;  // larger sides are corrupt headers, not textures
constexpr uint32_t kMaxDdsLevels = 15;   // a 16384-pixel side halves to 1 in 15 levels

uint32_t read_u32(const unsigned char* bytes) {
    return uint32_t(bytes[0]) | uint32_t(bytes[1]) << 8 | uint32_t(bytes[2]) << 16 |
           uint32_t(bytes[3]) << 24;
}

uint32_t block_size_of(uint32_t four_cc) {
    if (four_cc == kFourCcDxt1) return 8;
    if (four_cc == kFourCcDxt3 || four_cc == kFourCcDxt5) return 16;
    return 0;
}

// Bytes left between the read position and the end of the file.
uint64_t bytes_left(FILE* file) {
    long here = std::ftell(file);
    std::fseek(file, 0, SEEK_END);
    long end = std::ftell(file);
    std::fseek(file, here, SEEK_SET);
    return (here >= 0 && end > here) ? uint64_t(end - here) : 0;
}

// Everything after a successful open; the caller closes the file.
bool read_dds_stream(FILE* file, DdsImage& image) {
    char magic[4] = {0, 0, 0, 0};
    unsigned char header[kDdsHeaderSize];
    if (std::fread(magic, 1, 4, file) != 4 || std::strncmp(magic, "DDS ", 4) != 0 ||
        std::fread(header, 1, kDdsHeaderSize, file) != kDdsHeaderSize) {
        return false;
    }
    image.height = read_u32(header + 8);
    image.width = read_u32(header + 12);
    uint32_t linear_size = read_u32(header + 16);
    uint32_t mip_count = read_u32(header + 24);
    image.four_cc = read_u32(header + 80);
    image.block_size = block_size_of(image.four_cc);
    if (image.block_size == 0 || image.width > kMaxDdsSide || image.height > kMaxDdsSide) {
        return false;
    }

    // The header's size is only a claim: never allocate more than the file
    // still holds, and upload only the levels that were actually read.
    uint64_t wanted = mip_count > 1 ? uint64_t(linear_size) * 2 : linear_size;
    image.data.resize(size_t(std::min(wanted, bytes_left(file))));
    size_t got = image.data.empty() ? 0 : std::fread(image.data.data(), 1, image.data.size(), file);
    image.data.resize(got);

    image.level_sizes =
        dds_level_sizes(image.width, image.height, mip_count, image.block_size, got);
    bool top_level_wanted = !dds_level_sizes(image.width, image.height, std::min(mip_count, 1u),
                                             image.block_size, UINT64_MAX)
                                 .empty();
    return !(image.level_sizes.empty() && top_level_wanted);
}

}  // namespace

bool read_dds_file(const char* path, DdsImage& image) {
    FILE* file = std::fopen(path, "rb");
    if (!file) {
        std::printf("%s could not be opened. Are you in the right directory ? Don't forget to read the FAQ !\n",
                    path);
        (void)std::getchar();  // the console waits for a key; end of input counts
        return false;
    }
    bool ok = read_dds_stream(file, image);
    std::fclose(file);
    return ok;
}

std::vector<uint32_t> dds_level_sizes(uint32_t width, uint32_t height, uint32_t mip_count,
                                      uint32_t block_size, uint64_t available) {
    std::vector<uint32_t> sizes;
    uint64_t offset = 0;
    uint32_t levels = std::min(mip_count, kMaxDdsLevels);
    for (uint32_t level = 0; level < levels; ++level) {
        if (width == 0 && height == 0) break;
        uint64_t size = uint64_t((width + 3) / 4) * ((height + 3) / 4) * block_size;
        if (offset + size > available) break;
        sizes.push_back(uint32_t(size));
        offset += size;
        width = std::max(width / 2, 1u);
        height = std::max(height / 2, 1u);
    }
    return sizes;
}
