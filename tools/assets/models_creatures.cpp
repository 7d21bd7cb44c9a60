// The ant (body and six legs), the grenade and the list of all meshes.
#include "tools/assets/models.h"

#include <cmath>
#include <string>

namespace assets {

namespace {

constexpr float AntBodyZ = -0.42f;

// Where each ant leg leaves the thorax: +1 for the +x side, and the y of its root.
struct LegPlace {
  int side;
  float root_y;
  float reach_y;  // how far forward (-) or back (+) the foot lands
};

// Legs 1, 3 and 5 form one tripod (front and back on +x, middle on -x), so
// the game's two swing tables move the tripods in turn.
const LegPlace AntLegs[6] = {
    {+1, -0.26f, -0.3f}, {-1, -0.26f, -0.3f}, {-1, -0.12f, 0.0f},
    {+1, -0.12f, 0.0f},  {+1, 0.02f, 0.34f},  {-1, 0.02f, 0.34f},
};

// Segments of a solid at a level of detail: the full count scaled, never
// fewer than a solid can be made of.
int segments(int full, float detail, int least = 3) {
  int n = int(std::lround(float(full) * detail));
  return n < least ? least : n;
}

}  // namespace

Mesh make_ant_body(float detail) {
  Mesh m;
  // Head with red eyes, jaws and feelers.
  add_ellipsoid(m, {0, -0.62f, AntBodyZ + 0.08f}, {0.19f, 0.17f, 0.16f}, SwatchAntBlack, segments(16, detail), segments(10, detail, 2));
  add_ellipsoid(m, {0.15f, -0.68f, AntBodyZ + 0.13f}, {0.05f, 0.06f, 0.05f}, SwatchAntEye, segments(8, detail), segments(6, detail, 2));
  add_ellipsoid(m, {-0.15f, -0.68f, AntBodyZ + 0.13f}, {0.05f, 0.06f, 0.05f}, SwatchAntEye, segments(8, detail), segments(6, detail, 2));
  for (int side = -1; side <= 1; side += 2) {
    float s = float(side);
    add_tube(m, {0.08f * s, -0.74f, AntBodyZ}, {0.1f * s, -0.9f, AntBodyZ - 0.03f}, 0.03f, 0.02f, SwatchAntShine, segments(6, detail));
    add_tube(m, {0.1f * s, -0.9f, AntBodyZ - 0.03f}, {0.03f * s, -0.96f, AntBodyZ - 0.04f}, 0.02f, 0.012f,
             SwatchAntShine, segments(6, detail));
    add_tube(m, {0.07f * s, -0.7f, AntBodyZ + 0.2f}, {0.2f * s, -0.82f, AntBodyZ + 0.45f}, 0.018f, 0.015f,
             SwatchAntBlack, segments(6, detail));
    add_tube(m, {0.2f * s, -0.82f, AntBodyZ + 0.45f}, {0.26f * s, -0.97f, AntBodyZ + 0.4f}, 0.015f, 0.01f,
             SwatchAntBlack, segments(6, detail));
  }
  // Thorax, waist and a red, banded abdomen.
  add_ellipsoid(m, {0, -0.2f, AntBodyZ}, {0.13f, 0.24f, 0.12f}, SwatchAntBlack, segments(14, detail), segments(10, detail, 2));
  add_ellipsoid(m, {0, 0.08f, AntBodyZ + 0.01f}, {0.07f, 0.07f, 0.08f}, SwatchAntShine, segments(10, detail), segments(8, detail, 2));
  add_ellipsoid(m, {0, 0.5f, AntBodyZ + 0.08f}, {0.28f, 0.38f, 0.26f}, SwatchAntRed, segments(18, detail), segments(12, detail, 2));
  for (int band = 0; band < 2; ++band) {
    float y = 0.5f + 0.12f * band;
    float r = 0.28f * std::sqrt(1.0f - std::pow((y - 0.5f) / 0.38f, 2.0f)) + 0.01f;
    size_t first = m.corners.size();
    add_tube(m, {0, y, AntBodyZ + 0.08f}, {0, y + 0.05f, AntBodyZ + 0.08f}, r, r * 0.97f, SwatchAntBlack, segments(18, detail));
    scale_part(m, first, {0, 0, AntBodyZ + 0.08f}, {1.0f, 1.0f, 0.26f / 0.28f});
  }
  add_ellipsoid(m, {0, 0.86f, AntBodyZ + 0.06f}, {0.1f, 0.06f, 0.09f}, SwatchAntBlack, segments(10, detail), segments(8, detail, 2));
  return m;
}

Mesh make_ant_leg(int number, float detail) {
  const LegPlace& p = AntLegs[(number - 1) % 6];
  float s = float(p.side);
  Vec3 root{0.1f * s, p.root_y, AntBodyZ - 0.02f};
  Vec3 knee{0.5f * s, p.root_y + p.reach_y * 0.5f, AntBodyZ + 0.22f};
  Vec3 foot{0.78f * s, p.root_y + p.reach_y, FeetZ + 0.02f};
  Mesh m;
  add_tube(m, root, knee, 0.04f, 0.032f, SwatchAntBlack, segments(8, detail));
  add_ellipsoid(m, knee, {0.04f, 0.04f, 0.04f}, SwatchAntShine, segments(8, detail), segments(6, detail, 2));
  add_tube(m, knee, foot, 0.032f, 0.018f, SwatchAntBlack, segments(8, detail));
  add_ellipsoid(m, foot, {0.025f, 0.025f, 0.02f}, SwatchAntShine, segments(6, detail), segments(4, detail, 2));
  return m;
}

Mesh make_grenade() {
  Mesh m;
  const float cz = -0.72f;
  // A ribbed green body resting on the floor, with a metal cap, lever and pin ring.
  add_ellipsoid(m, {0, 0, cz}, {0.2f, 0.2f, 0.26f}, SwatchGrenadeGreen, 16, 12);
  for (int i = -2; i <= 2; ++i) {
    float z = cz + 0.085f * i;
    float r = 0.2f * std::sqrt(1.0f - std::pow(0.085f * i / 0.26f, 2.0f)) + 0.008f;
    add_tube(m, {0, 0, z - 0.012f}, {0, 0, z + 0.012f}, r, r, SwatchGrenadeDark, 16);
  }
  add_tube(m, {0, 0, cz + 0.22f}, {0, 0, cz + 0.33f}, 0.07f, 0.065f, SwatchMetal, 12);
  add_box(m, {0.09f, 0, cz + 0.2f}, {0.02f, 0.035f, 0.13f}, SwatchMetal);
  add_box(m, {0.04f, 0, cz + 0.34f}, {0.07f, 0.035f, 0.015f}, SwatchMetal);
  const int ring_parts = 12;
  Vec3 ring_centre{-0.1f, 0, cz + 0.34f};
  for (int i = 0; i < ring_parts; ++i) {
    float a0 = 6.2831853f * i / ring_parts, a1 = 6.2831853f * (i + 1) / ring_parts;
    Vec3 p0 = ring_centre + Vec3{0.06f * std::cos(a0), 0, 0.06f * std::sin(a0)};
    Vec3 p1 = ring_centre + Vec3{0.06f * std::cos(a1), 0, 0.06f * std::sin(a1)};
    add_tube(m, p0, p1, 0.012f, 0.012f, SwatchMetal, 6);
  }
  return m;
}

std::vector<ModelFile> make_all_models() {
  std::vector<ModelFile> all;
  all.push_back({"model/Cube.obj", "city cube, edge 2", make_cube()});
  all.push_back({"model/Cuerpo.obj", "ant body", make_ant_body(FullDetail)});
  for (int leg = 1; leg <= 6; ++leg)
    all.push_back({"model/Pata" + std::to_string(leg) + ".obj", "ant leg " + std::to_string(leg),
                   make_ant_leg(leg, FullDetail)});
  all.push_back({"model/Grenade.obj", "grenade", make_grenade()});
  all.push_back({"model/Brazo1.obj", "girl, arm 1", make_girl_arm(+1)});
  all.push_back({"model/Brazo2.obj", "girl, arm 2", make_girl_arm(-1)});
  all.push_back({"model/Chica.obj", "girl, body", make_girl_body()});
  all.push_back({"model/Brazo1Chico.obj", "boy, arm 1", make_boy_arm(+1)});
  all.push_back({"model/Brazo2Chico.obj", "boy, arm 2", make_boy_arm(-1)});
  all.push_back({"model/Chico.obj", "boy, body", make_boy_body()});
  all.push_back({"model/Pierna1.obj", "leg 1 of girl and boy", make_leg(+1)});
  all.push_back({"model/Pierna2.obj", "leg 2 of girl and boy", make_leg(-1)});
  all.push_back({"model/CuerpoLejos.obj", "ant body, far", make_ant_body(FarDetail)});
  for (int leg = 1; leg <= 6; ++leg)
    all.push_back({"model/Pata" + std::to_string(leg) + "Lejos.obj", "ant leg " + std::to_string(leg) + ", far",
                   make_ant_leg(leg, FarDetail)});
  return all;
}

}  // namespace assets
