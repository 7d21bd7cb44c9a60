#pragma once
// The part of the decision pass that follows the player's and the grenade's
// updates: the hostage, each live ant in list order, then the scent fading.
struct ActorRegistry;

void hostage_and_ants_decision_pass(ActorRegistry& world);
