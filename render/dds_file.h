#pragma once
// The reading half of the DDS loader: header, format and the mip chain that
// lies in the bytes read. No OpenGL here, so the reader can be checked on
// its own; load_dds_texture uploads what it hands back.
#include <cstdint>
#include <vector>

// DDS pixel formats we accept, as their little-endian FourCC codes.
constexpr uint32_t kFourCcDxt1 = 0x31545844;
constexpr uint32_t kFourCcDxt3 = 0x33545844;
constexpr uint32_t kFourCcDxt5 = 0x35545844;

struct DdsImage {
    uint32_t four_cc = 0;  // one of the three above
    uint32_t width = 0, height = 0;
    uint32_t block_size = 0;           // bytes per 4 x 4 block: 8 for DXT1, else 16
    std::vector<unsigned char> data;   // as read, never more than the file held
    std::vector<uint32_t> level_sizes;  // the levels to upload, back to back in data
};

// Opens and reads a DDS file. False when it cannot be opened (after the
// message and the wait for a key), is no DDS, has another format, or holds
// too little for its top level; `image` is then not to be used.
bool read_dds_file(const char* path, DdsImage& image);

// Byte sizes of the mip levels to upload: one whole block per 4 x 4 pixels
// (at least one per axis), halving down to 1 pixel. Only levels that lie
// wholly within `available` bytes are listed, so the upload never reads
// past the data that came from the file.
std::vector<uint32_t> dds_level_sizes(uint32_t width, uint32_t height, uint32_t mip_count,
                                      uint32_t block_size, uint64_t available);
