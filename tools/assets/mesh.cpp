#include "tools/assets/mesh.h"

#include <cmath>
#include <cstdio>
#include <map>
#include <tuple>

namespace assets {

Vec3 operator+(Vec3 a, Vec3 b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
Vec3 operator-(Vec3 a, Vec3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
Vec3 operator*(Vec3 a, float s) { return {a.x * s, a.y * s, a.z * s}; }
float dot(Vec3 a, Vec3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
Vec3 cross(Vec3 a, Vec3 b) { return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x}; }
float length(Vec3 a) { return std::sqrt(dot(a, a)); }
Vec3 normalised(Vec3 a) {
  float l = length(a);
  return l > 0 ? a * (1.0f / l) : Vec3{0, 0, 1};
}

namespace {

constexpr float Pi = 3.14159265f;

Corner corner(Vec3 p, Vec3 n, Swatch s) {
  Corner c;
  c.position = p;
  c.normal = normalised(n);
  swatch_uv(s, c.u, c.v);
  return c;
}

// Two unit vectors perpendicular to axis and to each other.
void basis(Vec3 axis, Vec3& e1, Vec3& e2) {
  Vec3 helper = std::fabs(axis.z) < 0.9f ? Vec3{0, 0, 1} : Vec3{1, 0, 0};
  e1 = normalised(cross(axis, helper));
  e2 = cross(axis, e1);
}

}  // namespace

void Mesh::add_triangle(Corner a, Corner b, Corner c) {
  Vec3 face = cross(b.position - a.position, c.position - a.position);
  Vec3 want = a.normal + b.normal + c.normal;
  if (length(face) < 1e-12f) return;  // no area, no face
  if (dot(face, want) < 0) std::swap(b, c);
  corners.push_back(a);
  corners.push_back(b);
  corners.push_back(c);
}

void Mesh::append(const Mesh& other) {
  corners.insert(corners.end(), other.corners.begin(), other.corners.end());
}

void add_box(Mesh& m, Vec3 c, Vec3 h, Swatch s) {
  const Vec3 axes[3] = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}};
  for (int a = 0; a < 3; ++a)
    for (int sign = -1; sign <= 1; sign += 2) {
      Vec3 n = axes[a] * float(sign);
      Vec3 t1 = axes[(a + 1) % 3], t2 = axes[(a + 2) % 3];
      Vec3 hn{n.x * h.x, n.y * h.y, n.z * h.z};
      Vec3 h1{t1.x * h.x, t1.y * h.y, t1.z * h.z}, h2{t2.x * h.x, t2.y * h.y, t2.z * h.z};
      Vec3 p[4] = {c + hn - h1 - h2, c + hn + h1 - h2, c + hn + h1 + h2, c + hn - h1 + h2};
      m.add_triangle(corner(p[0], n, s), corner(p[1], n, s), corner(p[2], n, s));
      m.add_triangle(corner(p[0], n, s), corner(p[2], n, s), corner(p[3], n, s));
    }
}

void add_ellipsoid(Mesh& m, Vec3 c, Vec3 r, Swatch s, int slices, int stacks) {
  auto point = [&](int i, int j, Vec3& n) {
    float theta = Pi * j / stacks, phi = 2 * Pi * i / slices;
    Vec3 unit{std::sin(theta) * std::cos(phi), std::sin(theta) * std::sin(phi), std::cos(theta)};
    n = Vec3{unit.x / r.x, unit.y / r.y, unit.z / r.z};
    return c + Vec3{unit.x * r.x, unit.y * r.y, unit.z * r.z};
  };
  for (int j = 0; j < stacks; ++j)
    for (int i = 0; i < slices; ++i) {
      Vec3 n00, n10, n01, n11;
      Vec3 p00 = point(i, j, n00), p10 = point(i + 1, j, n10);
      Vec3 p01 = point(i, j + 1, n01), p11 = point(i + 1, j + 1, n11);
      // At the poles one triangle of each quad collapses to a line: leave it out.
      if (j != stacks - 1) m.add_triangle(corner(p00, n00, s), corner(p01, n01, s), corner(p11, n11, s));
      if (j != 0) m.add_triangle(corner(p00, n00, s), corner(p11, n11, s), corner(p10, n10, s));
    }
}

void add_tube(Mesh& m, Vec3 a, Vec3 b, float ra, float rb, Swatch s, int segments) {
  Vec3 axis = normalised(b - a);
  Vec3 e1, e2;
  basis(axis, e1, e2);
  float len = length(b - a);
  float slope = (ra - rb) / (len > 0 ? len : 1);
  for (int i = 0; i < segments; ++i) {
    float p0 = 2 * Pi * i / segments, p1 = 2 * Pi * (i + 1) / segments;
    Vec3 d0 = e1 * std::cos(p0) + e2 * std::sin(p0), d1 = e1 * std::cos(p1) + e2 * std::sin(p1);
    Vec3 n0 = d0 + axis * slope, n1 = d1 + axis * slope;
    Corner a0 = corner(a + d0 * ra, n0, s), a1 = corner(a + d1 * ra, n1, s);
    Corner b0 = corner(b + d0 * rb, n0, s), b1 = corner(b + d1 * rb, n1, s);
    m.add_triangle(a0, a1, b1);
    m.add_triangle(a0, b1, b0);
    Vec3 back = axis * -1.0f;
    m.add_triangle(corner(a, back, s), corner(a + d1 * ra, back, s), corner(a + d0 * ra, back, s));
    m.add_triangle(corner(b, axis, s), corner(b + d0 * rb, axis, s), corner(b + d1 * rb, axis, s));
  }
}

void scale_part(Mesh& m, size_t first, Vec3 about, Vec3 k) {
  for (size_t i = first; i < m.corners.size(); ++i) {
    Corner& c = m.corners[i];
    Vec3 d = c.position - about;
    c.position = about + Vec3{d.x * k.x, d.y * k.y, d.z * k.z};
    c.normal = normalised(Vec3{c.normal.x / k.x, c.normal.y / k.y, c.normal.z / k.z});
  }
}

Mesh make_cube() {
  Mesh m;
  const Vec3 axes[3] = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}};
  // Side faces run their texture rows along z so the brick courses lie flat.
  const int u_axis[3] = {1, 0, 0}, v_axis[3] = {2, 2, 1};
  for (int a = 0; a < 3; ++a)
    for (int sign = -1; sign <= 1; sign += 2) {
      Vec3 n = axes[a] * float(sign);
      Vec3 t1 = axes[u_axis[a]], t2 = axes[v_axis[a]];
      Vec3 p[4] = {n - t1 - t2, n + t1 - t2, n + t1 + t2, n - t1 + t2};
      float us[4] = {BrickUvMin, BrickUvMax, BrickUvMax, BrickUvMin};
      // Rows of the brick region: the top of the picture is OBJ v = 1.
      float vs[4] = {1 - BrickUvMax, 1 - BrickUvMax, 1 - BrickUvMin, 1 - BrickUvMin};
      Corner c[4];
      for (int k = 0; k < 4; ++k) c[k] = Corner{p[k], us[k], vs[k], n};
      m.add_triangle(c[0], c[1], c[2]);
      m.add_triangle(c[0], c[2], c[3]);
    }
  return m;
}

bool write_obj(const std::string& path, const Mesh& mesh, const std::string& comment) {
  FILE* f = std::fopen(path.c_str(), "w");
  if (!f) return false;
  std::fprintf(f, "# %s\n# Generated by make_assets; +z up, front toward -y, 2 units per cell.\n", comment.c_str());
  using Key3 = std::tuple<long, long, long>;
  auto key3 = [](Vec3 v) { return Key3{std::lround(v.x * 1e6), std::lround(v.y * 1e6), std::lround(v.z * 1e6)}; };
  std::map<Key3, int> positions, normals;
  std::map<std::pair<long, long>, int> uvs;
  std::vector<int> pi, ti, ni;
  std::string vlines, tlines, nlines;
  char buf[128];
  for (const Corner& c : mesh.corners) {
    auto [p, p_new] = positions.emplace(key3(c.position), int(positions.size()) + 1);
    if (p_new) {
      std::snprintf(buf, sizeof buf, "v %.6f %.6f %.6f\n", c.position.x, c.position.y, c.position.z);
      vlines += buf;
    }
    auto [t, t_new] = uvs.emplace(std::make_pair(std::lround(c.u * 1e5), std::lround(c.v * 1e5)), int(uvs.size()) + 1);
    if (t_new) {
      std::snprintf(buf, sizeof buf, "vt %.5f %.5f\n", c.u, c.v);
      tlines += buf;
    }
    auto [n, n_new] = normals.emplace(key3(c.normal), int(normals.size()) + 1);
    if (n_new) {
      std::snprintf(buf, sizeof buf, "vn %.4f %.4f %.4f\n", c.normal.x, c.normal.y, c.normal.z);
      nlines += buf;
    }
    pi.push_back(p->second);
    ti.push_back(t->second);
    ni.push_back(n->second);
  }
  std::fputs(vlines.c_str(), f);
  std::fputs(tlines.c_str(), f);
  std::fputs(nlines.c_str(), f);
  for (size_t i = 0; i + 2 < pi.size(); i += 3)
    std::fprintf(f, "f %d/%d/%d %d/%d/%d %d/%d/%d\n", pi[i], ti[i], ni[i], pi[i + 1], ti[i + 1], ni[i + 1],
                 pi[i + 2], ti[i + 2], ni[i + 2]);
  return std::fclose(f) == 0;
}

}  // namespace assets
