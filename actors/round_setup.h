#pragma once
// Putting the world into the starting state of a round: grenade, player and
// captive in their places, the pack grown or cut to the round's size and
// sent home, and the actor registry filled for the collision rules.
#include <cstdint>
#include <glm/vec3.hpp>
#include <vector>

#include "actors/ant.h"

struct ActorRegistry;
struct CityGrid;
struct Grenade;
struct Hostage;
struct Player;

constexpr int32_t kAntsPerRound = 5;
// The pack grows only while it holds 100 or fewer, so it stops at 101.
constexpr int32_t kMaxAnts = 101;

// The pack a run starts with: the five ants at their fixed start cells. The
// list's room is reserved for the largest pack once, so an ant never moves
// in memory while the run lasts.
void make_first_ants(std::vector<Ant>& ants, std::vector<glm::vec3>& ant_starts);

// A street cell (layer 1) inside the wall ring or on it, holding no block
// and nobody, drawn with the platform's `rand`. When the draws keep finding
// taken cells, the first free cell in column order is taken instead; a
// street without any stops the game with a message.
glm::vec3 random_free_cell(const CityGrid& city, const ActorRegistry& world);

// The round's size of pack is kAntsPerRound for every rescue so far and
// one more (`round_index` counts the rescues); `ant_starts` keeps one start
// cell per ant in list order. Also sets `hero_message_pending`.
void setup_round(const CityGrid& city, Grenade& grenade, Player& player, Hostage& hostage,
                 std::vector<Ant>& ants, std::vector<glm::vec3>& ant_starts, int32_t round_index,
                 bool& hero_message_pending, ActorRegistry& world);
