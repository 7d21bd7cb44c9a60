// Triangle meshes built from simple solids, written as OBJ with every corner
// carrying position, texture and normal indices.
#pragma once

#include <string>
#include <vector>

#include "tools/assets/block_atlas.h"

namespace assets {

struct Vec3 {
  float x = 0, y = 0, z = 0;
};

Vec3 operator+(Vec3 a, Vec3 b);
Vec3 operator-(Vec3 a, Vec3 b);
Vec3 operator*(Vec3 a, float s);
float dot(Vec3 a, Vec3 b);
Vec3 cross(Vec3 a, Vec3 b);
Vec3 normalised(Vec3 a);
float length(Vec3 a);

struct Corner {
  Vec3 position;
  float u = 0, v = 0;  // as written to the file (before the loader's flip)
  Vec3 normal;
};

struct Mesh {
  std::vector<Corner> corners;  // three per triangle

  size_t triangle_count() const { return corners.size() / 3; }
  // Adds a triangle, swapping two corners if needed so it winds
  // counter-clockwise seen from the side its normals point to.
  void add_triangle(Corner a, Corner b, Corner c);
  void append(const Mesh& other);
};

// Solids. Every corner gets the centre of the swatch as its texture coordinate.
void add_box(Mesh& m, Vec3 centre, Vec3 half, Swatch s);
void add_ellipsoid(Mesh& m, Vec3 centre, Vec3 radii, Swatch s, int slices = 16, int stacks = 10);
// A closed tube from a to b whose radius goes from ra to rb.
void add_tube(Mesh& m, Vec3 a, Vec3 b, float ra, float rb, Swatch s, int segments = 12);
// Flattens or stretches the triangles from index first_corner on about a point.
void scale_part(Mesh& m, size_t first_corner, Vec3 about, Vec3 scale);

// The cube of edge 2 centred on the origin, mapped onto the brick region.
Mesh make_cube();

bool write_obj(const std::string& path, const Mesh& mesh, const std::string& comment);

}  // namespace assets
