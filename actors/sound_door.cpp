#include "actors/sound_door.h"

#include <utility>

namespace {
SoundPlayer& sound_player() {
    static SoundPlayer player;
    return player;
}
}  // namespace

void set_sound_player(SoundPlayer player) { sound_player() = std::move(player); }

void request_sound(int32_t sound) {
    if (sound < 0 || sound >= kSoundCount) return;
    if (sound_player()) sound_player()(sound);
}
