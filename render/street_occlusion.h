#pragma once
// Leaving out actors hidden behind street-level blocks, before any drawing.
// While the eye and an actor's cell box both lie within the street layer's
// height (world z 1 to 3), every sight line between them stays within it,
// so a line is blocked exactly where its ground plan crosses a street-level
// block: the question becomes flat. The test only ever answers "hidden"
// when every sight line is blocked; actors off the street layer, and eyes
// above it, are never left out.
#include <glm/glm.hpp>

#include <vector>

#include "render/draw_list.h"

struct CityGrid;

// Whether every sight line from `eye` to the ground plan of the cell-sized
// box (half-size 1) centred at `centre` crosses a street-level block before
// it reaches the box. World units.
bool hidden_behind_street_blocks(const CityGrid& city, const glm::vec3& eye,
                                 const glm::vec3& centre);

// The draws less those of actors hidden that way from `eye`; the parts of
// one actor share its position, so each actor is tested once.
std::vector<MeshDraw> draws_not_hidden(const std::vector<MeshDraw>& draws, const CityGrid& city,
                                       const glm::vec3& eye);
