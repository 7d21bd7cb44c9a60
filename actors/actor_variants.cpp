#include "actors/ant.h"
#include "actors/grenade.h"
#include "actors/hostage.h"
#include "actors/player.h"

Player::Player() { sound = SoundStep; }
Hostage::Hostage() { sound = SoundStep; }
Grenade::Grenade() { sound = SoundExplosion; }
Ant::Ant() { sound = SoundStep; }
