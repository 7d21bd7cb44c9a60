#pragma once
// The seventeen models, in the order start-up registers them; a model's
// position in this list is its mesh handle.
#include <array>
#include <cstdint>

enum MeshHandle : int32_t {
    MeshCube = 0,
    MeshAntBody = 1,
    MeshAntLeg1 = 2,  // legs 1..6 are handles 2..7
    MeshGrenade = 8,
    MeshGirlArm1 = 9,
    MeshGirlArm2 = 10,
    MeshGirlBody = 11,
    MeshBoyArm1 = 12,
    MeshBoyArm2 = 13,
    MeshBoyBody = 14,
    MeshLeg1 = 15,
    MeshLeg2 = 16,
};

constexpr int kMeshCount = 17;
constexpr int kAntLegs = 6;

constexpr std::array<const char*, kMeshCount> kMeshFiles = {
    "model/Cube.obj",       "model/Cuerpo.obj",      "model/Pata1.obj",
    "model/Pata2.obj",      "model/Pata3.obj",       "model/Pata4.obj",
    "model/Pata5.obj",      "model/Pata6.obj",       "model/Grenade.obj",
    "model/Brazo1.obj",     "model/Brazo2.obj",      "model/Chica.obj",
    "model/Brazo1Chico.obj", "model/Brazo2Chico.obj", "model/Chico.obj",
    "model/Pierna1.obj",    "model/Pierna2.obj",
};
