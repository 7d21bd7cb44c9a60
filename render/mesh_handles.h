#pragma once
// The models, in the order start-up registers them; a model's position in
// this list is its mesh handle. The seventeen the game is made of come
// first, then the ant's far body and legs (see render/detail.h).
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
    MeshAntBodyFar = 17,
    MeshAntLeg1Far = 18,  // far legs 1..6 are handles 18..23
};

constexpr int kMeshCount = 24;
constexpr int kAntLegs = 6;

constexpr std::array<const char*, kMeshCount> kMeshFiles = {
    "model/Cube.obj",       "model/Cuerpo.obj",      "model/Pata1.obj",
    "model/Pata2.obj",      "model/Pata3.obj",       "model/Pata4.obj",
    "model/Pata5.obj",      "model/Pata6.obj",       "model/Grenade.obj",
    "model/Brazo1.obj",     "model/Brazo2.obj",      "model/Chica.obj",
    "model/Brazo1Chico.obj", "model/Brazo2Chico.obj", "model/Chico.obj",
    "model/Pierna1.obj",    "model/Pierna2.obj",     "model/CuerpoLejos.obj",
    "model/Pata1Lejos.obj", "model/Pata2Lejos.obj",  "model/Pata3Lejos.obj",
    "model/Pata4Lejos.obj", "model/Pata5Lejos.obj",  "model/Pata6Lejos.obj",
};

// Each mesh that has a far twin, with it.
struct FarTwin {
    int32_t mesh, far;
};

constexpr std::array<FarTwin, 1 + kAntLegs> kFarTwins = {{
    {MeshAntBody, MeshAntBodyFar},
    {MeshAntLeg1, MeshAntLeg1Far},
    {MeshAntLeg1 + 1, MeshAntLeg1Far + 1},
    {MeshAntLeg1 + 2, MeshAntLeg1Far + 2},
    {MeshAntLeg1 + 3, MeshAntLeg1Far + 3},
    {MeshAntLeg1 + 4, MeshAntLeg1Far + 4},
    {MeshAntLeg1 + 5, MeshAntLeg1Far + 5},
}};
