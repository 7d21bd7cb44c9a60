// Block-compressed DDS files: writing with a full mip chain, and reading back
// (header fields and decoded pixels) for previews and checks.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tools/assets/image.h"

namespace assets {

enum DxtFormat { FormatDxt1 = 1, FormatDxt3 = 3, FormatDxt5 = 5 };

constexpr uint32_t FourCcDxt1 = 0x31545844;
constexpr uint32_t FourCcDxt3 = 0x33545844;
constexpr uint32_t FourCcDxt5 = 0x35545844;
constexpr int DdsHeaderBytes = 128;  // magic + 124-byte surface description

int block_bytes(DxtFormat format);
int full_mip_count(int width, int height);
size_t level_bytes(DxtFormat format, int width, int height);

// The file image: header followed by every level from the top down to 1 x 1.
std::vector<uint8_t> encode_dds(const Image& top, DxtFormat format);
bool write_dds(const std::string& path, const Image& top, DxtFormat format);

struct DdsInfo {
  bool valid = false;
  uint32_t width = 0, height = 0, linear_size = 0, mip_count = 0, four_cc = 0;
  std::vector<uint8_t> data;  // everything after the header
};

DdsInfo read_dds(const std::string& path);
DdsInfo parse_dds(const std::vector<uint8_t>& file);
// Decodes one level (0 = top) of a DXT1/3/5 file; empty image when out of range.
Image decode_level(const DdsInfo& dds, int level);

}  // namespace assets
