#include "actors/ant.h"
#include "actors/grenade.h"
#include "actors/hostage.h"
#include "actors/player.h"

namespace {
constexpr const char* kStepSound = "sounds/step.wav";
constexpr const char* kExplosionSound = "sounds/Explosion.wav";
}  // namespace

Player::Player() { load_sound(kStepSound); }
Hostage::Hostage() { load_sound(kStepSound); }
Grenade::Grenade() { load_sound(kExplosionSound); }
Ant::Ant() { load_sound(kStepSound); }
