// The girl and the boy: one body each, two arms each, two shared legs.
#include "tools/assets/models.h"

namespace assets {

namespace {

constexpr float HeadZ = 0.71f;
constexpr float ShoulderZ = 0.42f;
constexpr float ShoulderX = 0.25f;
constexpr float HipX = 0.1f;

// Head, face and neck, shared by both characters.
void add_head(Mesh& m) {
  add_ellipsoid(m, {0, 0, HeadZ}, {0.19f, 0.18f, 0.21f}, SwatchSkin, 20, 12);
  add_ellipsoid(m, {0.072f, -0.158f, EyeZ}, {0.034f, 0.03f, 0.04f}, SwatchEye, 8, 6);
  add_ellipsoid(m, {-0.072f, -0.158f, EyeZ}, {0.034f, 0.03f, 0.04f}, SwatchEye, 8, 6);
  add_ellipsoid(m, {0, -0.185f, 0.7f}, {0.028f, 0.03f, 0.035f}, SwatchSkinShade, 8, 6);
  add_ellipsoid(m, {0, -0.165f, 0.615f}, {0.055f, 0.025f, 0.018f}, SwatchLips, 10, 6);
  add_ellipsoid(m, {0.19f, 0, 0.72f}, {0.025f, 0.04f, 0.055f}, SwatchSkinShade, 8, 6);
  add_ellipsoid(m, {-0.19f, 0, 0.72f}, {0.025f, 0.04f, 0.055f}, SwatchSkinShade, 8, 6);
  add_tube(m, {0, 0, 0.4f}, {0, 0, 0.56f}, 0.07f, 0.065f, SwatchSkin, 12);
}

// An arm hanging from the shoulder on one side; the sleeve covers the top.
void add_arm(Mesh& m, int side, Swatch sleeve, float sleeve_end_z) {
  float x = ShoulderX * side;
  float out = 0.03f * side;
  Vec3 shoulder{x, 0, ShoulderZ}, elbow{x + out, 0.01f, 0.1f}, wrist{x + out * 1.3f, -0.04f, -0.16f};
  add_ellipsoid(m, shoulder, {0.085f, 0.085f, 0.085f}, sleeve, 12, 8);
  Vec3 sleeve_end = shoulder + (elbow - shoulder) * ((ShoulderZ - sleeve_end_z) / (ShoulderZ - elbow.z));
  add_tube(m, shoulder, sleeve_end, 0.075f, 0.07f, sleeve, 12);
  add_tube(m, sleeve_end, elbow, 0.055f, 0.05f, SwatchSkin, 10);
  add_ellipsoid(m, elbow, {0.05f, 0.05f, 0.05f}, SwatchSkin, 8, 6);
  add_tube(m, elbow, wrist, 0.05f, 0.042f, SwatchSkin, 10);
  add_ellipsoid(m, wrist + Vec3{0, -0.01f, -0.05f}, {0.045f, 0.055f, 0.065f}, SwatchSkinShade, 10, 8);
}

}  // namespace

Mesh make_girl_body() {
  Mesh m;
  add_head(m);
  // Long auburn hair: a cap over the back of the head, a fringe, a fall down
  // the back and two bunches at the sides.
  add_ellipsoid(m, {0, 0.04f, HeadZ + 0.04f}, {0.205f, 0.19f, 0.2f}, SwatchGirlHair, 20, 12);
  add_ellipsoid(m, {0, -0.12f, HeadZ + 0.16f}, {0.16f, 0.07f, 0.07f}, SwatchGirlHair, 14, 8);
  add_ellipsoid(m, {0, 0.12f, 0.46f}, {0.19f, 0.09f, 0.3f}, SwatchGirlHair, 16, 10);
  add_ellipsoid(m, {0.2f, 0.06f, 0.56f}, {0.06f, 0.07f, 0.16f}, SwatchGirlHair, 10, 8);
  add_ellipsoid(m, {-0.2f, 0.06f, 0.56f}, {0.06f, 0.07f, 0.16f}, SwatchGirlHair, 10, 8);
  add_ellipsoid(m, {0.13f, 0.02f, 0.89f}, {0.05f, 0.05f, 0.04f}, SwatchGirlTrim, 8, 6);
  // Dress: bodice, yellow belt and a wide skirt down to the knees.
  size_t first = m.corners.size();
  add_tube(m, {0, 0, 0.0f}, {0, 0, ShoulderZ + 0.04f}, 0.16f, 0.2f, SwatchGirlDress, 16);
  scale_part(m, first, {0, 0, 0}, {1.0f, 0.7f, 1.0f});
  add_ellipsoid(m, {0, 0, ShoulderZ + 0.02f}, {0.21f, 0.14f, 0.06f}, SwatchGirlDress, 16, 6);
  first = m.corners.size();
  add_tube(m, {0, 0, 0.0f}, {0, 0, 0.05f}, 0.17f, 0.17f, SwatchGirlTrim, 16);
  scale_part(m, first, {0, 0, 0}, {1.0f, 0.72f, 1.0f});
  first = m.corners.size();
  add_tube(m, {0, 0, 0.02f}, {0, 0, -0.44f}, 0.17f, 0.33f, SwatchGirlDress, 20);
  scale_part(m, first, {0, 0, 0}, {1.0f, 0.8f, 1.0f});
  first = m.corners.size();
  add_tube(m, {0, 0, -0.41f}, {0, 0, -0.47f}, 0.325f, 0.335f, SwatchGirlTrim, 20);
  scale_part(m, first, {0, 0, 0}, {1.0f, 0.8f, 1.0f});
  return m;
}

Mesh make_boy_body() {
  Mesh m;
  add_head(m);
  // Short dark hair with a fringe swept to one side.
  add_ellipsoid(m, {0, 0.03f, HeadZ + 0.06f}, {0.2f, 0.19f, 0.17f}, SwatchBoyHair, 20, 12);
  add_ellipsoid(m, {0.04f, -0.13f, HeadZ + 0.15f}, {0.14f, 0.06f, 0.06f}, SwatchBoyHair, 12, 8);
  // T-shirt with a white collar, belt and the top of the trousers.
  size_t first = m.corners.size();
  add_tube(m, {0, 0, -0.12f}, {0, 0, ShoulderZ + 0.04f}, 0.18f, 0.21f, SwatchBoyShirt, 16);
  scale_part(m, first, {0, 0, 0}, {1.0f, 0.68f, 1.0f});
  add_ellipsoid(m, {0, 0, ShoulderZ + 0.02f}, {0.22f, 0.145f, 0.06f}, SwatchBoyShirt, 16, 6);
  add_tube(m, {0, 0, ShoulderZ + 0.04f}, {0, 0, ShoulderZ + 0.09f}, 0.09f, 0.085f, SwatchBoyCollar, 12);
  first = m.corners.size();
  add_tube(m, {0, 0, -0.16f}, {0, 0, -0.1f}, 0.185f, 0.185f, SwatchShoes, 16);
  scale_part(m, first, {0, 0, 0}, {1.0f, 0.7f, 1.0f});
  first = m.corners.size();
  add_tube(m, {0, 0, -0.3f}, {0, 0, -0.15f}, 0.18f, 0.18f, SwatchTrousers, 16);
  scale_part(m, first, {0, 0, 0}, {1.0f, 0.68f, 1.0f});
  // A stripe across the chest.
  first = m.corners.size();
  add_tube(m, {0, 0, 0.16f}, {0, 0, 0.22f}, 0.197f, 0.2f, SwatchBoyCollar, 16);
  scale_part(m, first, {0, 0, 0}, {1.0f, 0.69f, 1.0f});
  return m;
}

Mesh make_girl_arm(int side) {
  Mesh m;
  add_arm(m, side, SwatchGirlDress, 0.3f);
  return m;
}

Mesh make_boy_arm(int side) {
  Mesh m;
  add_arm(m, side, SwatchBoyShirt, 0.22f);
  return m;
}

// A leg in trousers from the hip down to a shoe resting on z = -1.
Mesh make_leg(int side) {
  Mesh m;
  float x = HipX * side;
  add_ellipsoid(m, {x, 0, -0.2f}, {0.09f, 0.09f, 0.09f}, SwatchTrousers, 10, 8);
  add_tube(m, {x, 0, -0.2f}, {x, 0, -0.58f}, 0.085f, 0.075f, SwatchTrousers, 12);
  add_tube(m, {x, 0, -0.58f}, {x, 0, -0.88f}, 0.075f, 0.065f, SwatchTrousers, 12);
  add_ellipsoid(m, {x, -0.04f, -0.925f}, {0.08f, 0.14f, 0.075f}, SwatchShoes, 12, 8);
  return m;
}

}  // namespace assets
