#include "tools/assets/dds.h"

#include <algorithm>
#include <cstring>
#include <fstream>
#include <iterator>

#define STB_DXT_IMPLEMENTATION
#include <stb/stb_dxt.h>

namespace assets {

namespace {

void put32(std::vector<uint8_t>& out, size_t at, uint32_t v) {
  for (int i = 0; i < 4; ++i) out[at + i] = uint8_t(v >> (8 * i));
}

uint32_t get32(const uint8_t* p) {
  return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

uint32_t four_cc_of(DxtFormat format) {
  return format == FormatDxt1 ? FourCcDxt1 : format == FormatDxt3 ? FourCcDxt3 : FourCcDxt5;
}

// stb_dxt knows DXT1 and DXT5 only; DXT3 stores the colour block of DXT1
// behind 4-bit explicit alpha.
void compress_block(const uint8_t rgba[64], DxtFormat format, uint8_t* dest) {
  if (format == FormatDxt1) {
    stb_compress_dxt_block(dest, rgba, 0, STB_DXT_HIGHQUAL);
  } else if (format == FormatDxt5) {
    stb_compress_dxt_block(dest, rgba, 1, STB_DXT_HIGHQUAL);
  } else {
    for (int i = 0; i < 8; ++i) {
      int lo = (rgba[(2 * i) * 4 + 3] + 8) * 15 / 255;
      int hi = (rgba[(2 * i + 1) * 4 + 3] + 8) * 15 / 255;
      dest[i] = uint8_t(std::min(lo, 15) | std::min(hi, 15) << 4);
    }
    stb_compress_dxt_block(dest + 8, rgba, 0, STB_DXT_HIGHQUAL);
  }
}

void append_level(std::vector<uint8_t>& out, const Image& img, DxtFormat format) {
  uint8_t block[64];
  uint8_t packed[16];
  for (int by = 0; by < (img.height + 3) / 4; ++by)
    for (int bx = 0; bx < (img.width + 3) / 4; ++bx) {
      for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x) {
          Rgba p = img.at(std::min(img.width - 1, bx * 4 + x), std::min(img.height - 1, by * 4 + y));
          uint8_t* q = block + (y * 4 + x) * 4;
          q[0] = p.r; q[1] = p.g; q[2] = p.b; q[3] = p.a;
        }
      compress_block(block, format, packed);
      out.insert(out.end(), packed, packed + block_bytes(format));
    }
}

Rgba from565(uint16_t c) {
  int r = (c >> 11) & 31, g = (c >> 5) & 63, b = c & 31;
  return rgb(r * 255 / 31, g * 255 / 63, b * 255 / 31);
}

// Colour part of a DXT block: four palette entries and 2-bit indices.
void decode_colour(const uint8_t* blk, bool three_colour_allowed, Rgba out[16]) {
  uint16_t c0 = uint16_t(blk[0] | blk[1] << 8), c1 = uint16_t(blk[2] | blk[3] << 8);
  Rgba pal[4] = {from565(c0), from565(c1), {}, {}};
  if (c0 > c1 || !three_colour_allowed) {
    pal[2] = mix(pal[0], pal[1], 1.0f / 3.0f);
    pal[3] = mix(pal[0], pal[1], 2.0f / 3.0f);
  } else {
    pal[2] = mix(pal[0], pal[1], 0.5f);
    pal[3] = rgb(0, 0, 0, 0);
  }
  uint32_t bits = get32(blk + 4);
  for (int i = 0; i < 16; ++i) out[i] = pal[(bits >> (2 * i)) & 3];
}

void decode_dxt5_alpha(const uint8_t* blk, Rgba out[16]) {
  int a0 = blk[0], a1 = blk[1];
  int pal[8] = {a0, a1};
  for (int i = 2; i < 8; ++i)
    pal[i] = a0 > a1 ? ((8 - i) * a0 + (i - 1) * a1) / 7
                     : (i < 6 ? ((6 - i) * a0 + (i - 1) * a1) / 5 : (i == 6 ? 0 : 255));
  uint64_t bits = 0;
  for (int i = 0; i < 6; ++i) bits |= uint64_t(blk[2 + i]) << (8 * i);
  for (int i = 0; i < 16; ++i) out[i].a = uint8_t(pal[(bits >> (3 * i)) & 7]);
}

}  // namespace

int block_bytes(DxtFormat format) { return format == FormatDxt1 ? 8 : 16; }

int full_mip_count(int width, int height) {
  int count = 1;
  for (int side = std::max(width, height); side > 1; side /= 2) ++count;
  return count;
}

size_t level_bytes(DxtFormat format, int width, int height) {
  return size_t((width + 3) / 4) * size_t((height + 3) / 4) * size_t(block_bytes(format));
}

std::vector<uint8_t> encode_dds(const Image& top, DxtFormat format) {
  std::vector<uint8_t> out(DdsHeaderBytes, 0);
  std::memcpy(out.data(), "DDS ", 4);
  const size_t h = 4;  // the surface description starts after the magic
  int mips = full_mip_count(top.width, top.height);
  put32(out, h + 0, 124);
  put32(out, h + 4, 0x1 | 0x2 | 0x4 | 0x1000 | 0x20000 | 0x80000);  // caps, size, format, mips, linear size
  put32(out, h + 8, uint32_t(top.height));
  put32(out, h + 12, uint32_t(top.width));
  put32(out, h + 16, uint32_t(level_bytes(format, top.width, top.height)));
  put32(out, h + 24, uint32_t(mips));
  put32(out, h + 72, 32);   // pixel format size
  put32(out, h + 76, 0x4);  // four-cc present
  put32(out, h + 80, four_cc_of(format));
  put32(out, h + 104, 0x8 | 0x1000 | 0x400000);  // complex, texture, mipmap
  Image level = top;
  for (int i = 0; i < mips; ++i) {
    append_level(out, level, format);
    if (i + 1 < mips) level = half_size(level);
  }
  return out;
}

bool write_dds(const std::string& path, const Image& top, DxtFormat format) {
  std::vector<uint8_t> bytes = encode_dds(top, format);
  std::ofstream file(path, std::ios::binary);
  file.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
  return bool(file);
}

DdsInfo parse_dds(const std::vector<uint8_t>& file) {
  DdsInfo info;
  if (file.size() < size_t(DdsHeaderBytes) || std::memcmp(file.data(), "DDS ", 4) != 0) return info;
  const uint8_t* h = file.data() + 4;
  info.height = get32(h + 8);
  info.width = get32(h + 12);
  info.linear_size = get32(h + 16);
  info.mip_count = get32(h + 24);
  info.four_cc = get32(h + 80);
  info.data.assign(file.begin() + DdsHeaderBytes, file.end());
  info.valid = true;
  return info;
}

DdsInfo read_dds(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return DdsInfo{};
  std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  return parse_dds(bytes);
}

Image decode_level(const DdsInfo& dds, int level) {
  DxtFormat format = dds.four_cc == FourCcDxt1 ? FormatDxt1
                     : dds.four_cc == FourCcDxt3 ? FormatDxt3 : FormatDxt5;
  if (!dds.valid || level < 0 || uint32_t(level) >= dds.mip_count) return Image{};
  if (dds.four_cc != FourCcDxt1 && dds.four_cc != FourCcDxt3 && dds.four_cc != FourCcDxt5) return Image{};
  int w = int(dds.width), hgt = int(dds.height);
  size_t offset = 0;
  for (int i = 0; i < level; ++i) {
    offset += level_bytes(format, w, hgt);
    w = std::max(w / 2, 1);
    hgt = std::max(hgt / 2, 1);
  }
  if (offset + level_bytes(format, w, hgt) > dds.data.size()) return Image{};
  Image img(w, hgt);
  const uint8_t* p = dds.data.data() + offset;
  Rgba px[16];
  for (int by = 0; by < (hgt + 3) / 4; ++by)
    for (int bx = 0; bx < (w + 3) / 4; ++bx, p += block_bytes(format)) {
      if (format == FormatDxt1) {
        decode_colour(p, true, px);
      } else {
        decode_colour(p + 8, false, px);
        if (format == FormatDxt5) {
          decode_dxt5_alpha(p, px);
        } else {
          for (int i = 0; i < 16; ++i) px[i].a = uint8_t(((p[i / 2] >> (4 * (i % 2))) & 15) * 17);
        }
      }
      for (int i = 0; i < 16; ++i) {
        int x = bx * 4 + i % 4, y = by * 4 + i / 4;
        if (x < w && y < hgt) img.at(x, y) = px[i];
      }
    }
  return img;
}

}  // namespace assets
