#pragma once
// Cells of the city that the actors are placed on. The level is built so that
// every one of them is free (and, for the captive spots, standing on
// something); the level checker holds it to that.
#include "world/city_grid.h"

// Where the player enters the city: the middle of the gate.
constexpr CellCoord kPlayerStartCell{62, 137, 1};

// Where the grenade lies when nobody carries it.
constexpr CellCoord kGrenadeRestCell{52, 126, 1};

// The five cells the ants of a round start from, in placement order.
constexpr int kAntStartCount = 5;
constexpr CellCoord kAntStartCells[kAntStartCount] = {
    {60, 103, 1}, {61, 103, 1}, {62, 103, 1}, {63, 103, 1}, {64, 103, 1},
};

// The captive's possible spots, in table order (a round picks one by index).
constexpr int kHostageSpotCount = 22;
constexpr CellCoord kHostageSpots[kHostageSpotCount] = {
    {18, 101, 4}, {111, 109, 4}, {45, 78, 7},  {121, 29, 1}, {63, 39, 1},
    {62, 55, 1},  {28, 57, 1},   {82, 95, 4},  {87, 131, 4}, {89, 55, 5},
    {86, 29, 2},  {52, 70, 1},   {127, 18, 1}, {123, 65, 2}, {129, 125, 1},
    {42, 20, 2},  {59, 51, 3},   {28, 60, 2},  {123, 103, 2}, {59, 103, 1},
    {103, 32, 1}, {33, 21, 1},
};
