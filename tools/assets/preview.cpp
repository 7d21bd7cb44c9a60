#include "tools/assets/preview.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace assets {

namespace {

constexpr float Pitch = 0.3f;  // look down a little

struct ViewVertex {
  float sx, sy, depth;
  Vec3 normal;
  float u, v;
};

Vec3 turn(Vec3 p, float a) {
  return {p.x * std::cos(a) - p.y * std::sin(a), p.x * std::sin(a) + p.y * std::cos(a), p.z};
}

// View space: x right, y up, depth growing away from the viewer, who looks
// toward +y from the -y side after the model is turned by -yaw.
Vec3 to_view(Vec3 p, float yaw) {
  Vec3 q = turn(p, -yaw);
  float up = q.z * std::cos(Pitch) + q.y * std::sin(Pitch);
  float depth = q.y * std::cos(Pitch) - q.z * std::sin(Pitch);
  return {q.x, up, depth};
}

Rgba sample(const Image& atlas, float u, float v) {
  float t = 1.0f - v;  // the game's loader flips v; repeat wrapping does the rest
  int x = int(std::floor((u - std::floor(u)) * atlas.width)) % atlas.width;
  int y = int(std::floor((t - std::floor(t)) * atlas.height)) % atlas.height;
  return atlas.at(x, y);
}

}  // namespace

Image render_parts(const std::vector<PlacedPart>& parts, const Image& atlas, float yaw, int size) {
  Image img(size, size, rgb(200, 206, 214));
  for (int y = 0; y < size; ++y)
    for (int x = 0; x < size; ++x) img.at(x, y) = mix(rgb(226, 230, 236), rgb(170, 178, 190), float(y) / size);
  std::vector<float> zbuf(size_t(size) * size, std::numeric_limits<float>::max());
  const float scale = size / 2.5f;
  const Vec3 light = normalised({-0.5f, -0.7f, 0.8f});
  auto project = [&](const Corner& c, float angle) {
    Vec3 p = to_view(turn(c.position, angle), yaw);
    Vec3 n = turn(c.normal, angle);
    return ViewVertex{size * 0.5f + p.x * scale, size * 0.5f - p.y * scale, p.z, n, c.u, c.v};
  };
  for (const PlacedPart& part : parts)
    for (size_t i = 0; i + 2 < part.mesh->corners.size(); i += 3) {
      ViewVertex a = project(part.mesh->corners[i], part.angle);
      ViewVertex b = project(part.mesh->corners[i + 1], part.angle);
      ViewVertex c = project(part.mesh->corners[i + 2], part.angle);
      // Screen y points down, so a front face (counter-clockwise) has negative signed area here.
      float area = (b.sx - a.sx) * (c.sy - a.sy) - (b.sy - a.sy) * (c.sx - a.sx);
      if (area >= 0) continue;
      int x0 = std::max(0, int(std::floor(std::min({a.sx, b.sx, c.sx}))));
      int x1 = std::min(size - 1, int(std::ceil(std::max({a.sx, b.sx, c.sx}))));
      int y0 = std::max(0, int(std::floor(std::min({a.sy, b.sy, c.sy}))));
      int y1 = std::min(size - 1, int(std::ceil(std::max({a.sy, b.sy, c.sy}))));
      for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) {
          float px = x + 0.5f, py = y + 0.5f;
          float wa = ((b.sx - px) * (c.sy - py) - (b.sy - py) * (c.sx - px)) / area;
          float wb = ((c.sx - px) * (a.sy - py) - (c.sy - py) * (a.sx - px)) / area;
          float wc = 1.0f - wa - wb;
          if (wa < 0 || wb < 0 || wc < 0) continue;
          float depth = wa * a.depth + wb * b.depth + wc * c.depth;
          float& z = zbuf[size_t(y) * size + x];
          if (depth >= z) continue;
          z = depth;
          Vec3 n = normalised(a.normal * wa + b.normal * wb + c.normal * wc);
          Rgba t = sample(atlas, wa * a.u + wb * b.u + wc * c.u, wa * a.v + wb * b.v + wc * c.v);
          float lit = 0.4f + 0.6f * std::max(0.0f, dot(n, light));
          img.at(x, y) = rgb(int(t.r * lit), int(t.g * lit), int(t.b * lit));
        }
    }
  return img;
}

Image over_checker(const Image& img) {
  Image out(img.width, img.height);
  for (int y = 0; y < img.height; ++y)
    for (int x = 0; x < img.width; ++x) {
      Rgba bg = ((x / 8 + y / 8) % 2) ? rgb(60, 60, 70) : rgb(90, 90, 100);
      Rgba p = img.at(x, y);
      Rgba c = mix(bg, rgb(p.r, p.g, p.b), p.a / 255.0f);
      out.at(x, y) = c;
    }
  return out;
}

Image contact_sheet(const std::vector<SheetItem>& items, const Typeface& face, int columns, int cell_width,
                    const std::string& title) {
  const int pad = 12, caption = 22, head = 48;
  std::vector<int> row_heights;
  for (size_t i = 0; i < items.size(); i += columns) {
    int h = 0;
    for (size_t k = i; k < std::min(items.size(), i + columns); ++k)
      h = std::max(h, items[k].image.height * cell_width / std::max(1, items[k].image.width));
    row_heights.push_back(h + caption + pad);
  }
  int height = head + pad;
  for (int h : row_heights) height += h;
  Image sheet(columns * (cell_width + pad) + pad, height, rgb(34, 32, 40));
  TextStyle ts;
  ts.pixel_height = 30;
  ts.colour = rgb(255, 236, 200);
  draw_text(sheet, face, title, float(pad), 10, ts);
  ts.pixel_height = 16;
  ts.colour = rgb(220, 220, 230);
  int y = head + pad;
  for (size_t r = 0; r < row_heights.size(); ++r) {
    for (int c = 0; c < columns && r * columns + c < items.size(); ++c) {
      const SheetItem& item = items[r * columns + c];
      int h = item.image.height * cell_width / std::max(1, item.image.width);
      int x = pad + c * (cell_width + pad);
      paste(sheet, resized(item.image, cell_width, h), x, y);
      draw_text(sheet, face, item.caption, float(x), float(y + h + 3), ts);
    }
    y += row_heights[r];
  }
  return sheet;
}

}  // namespace assets
