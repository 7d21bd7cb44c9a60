#include "actors/ant_pass.h"

#include <vector>

#include "actors/ant.h"
#include "actors/hostage.h"
#include "world/collision.h"

void hostage_and_ants_decision_pass(ActorRegistry& world) {
    if (world.hostage != nullptr) world.hostage->decision_update(world);
    if (world.ants == nullptr) return;
    std::vector<Ant>& ants = *world.ants;
    for (int32_t i = 0; i < world.ant_count; ++i) ants.at(size_t(i)).decision_update(world);
    // The fading rate is the first ant's.
    if (!ants.empty()) ants.front().decay_scent();
}
