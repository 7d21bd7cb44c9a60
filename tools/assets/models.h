// The meshes of the game. Model space is the actor's cell: origin at
// the cell centre, +z up, 2 units per cell, feet at z = -1, front toward -y.
// The game turns every part of a character about the vertical axis through
// the origin, so limbs sit to the sides of that axis: one turn swings the
// part on one side forward and the part on the other side back.
#pragma once

#include <string>
#include <vector>

#include "tools/assets/mesh.h"

namespace assets {

struct ModelFile {
  std::string file;  // path relative to the repository root
  std::string what;
  Mesh mesh;
};

constexpr float FeetZ = -1.0f;
constexpr float EyeZ = 0.78f;

Mesh make_girl_body();
Mesh make_boy_body();
// side +1: the arm or leg on the +x side, -1: the -x side.
Mesh make_girl_arm(int side);
Mesh make_boy_arm(int side);
Mesh make_leg(int side);
// The ant at a level of detail: 1 is the full model; far away the game
// draws the same solids with about a third of the segments each (a fifth of
// the triangles), which look the same a few pixels across.
constexpr float FullDetail = 1.0f;
constexpr float FarDetail = 0.35f;
Mesh make_ant_body(float detail);
// Legs 1, 3, 5 and 2, 4, 6 swing together: a tripod gait.
Mesh make_ant_leg(int number, float detail);
Mesh make_grenade();

// All of them, in the order the game registers them: the seventeen the
// game is made of, then the ant's far body and legs.
std::vector<ModelFile> make_all_models();

}  // namespace assets
