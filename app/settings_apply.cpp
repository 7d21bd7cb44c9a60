#include "app/settings_apply.h"

#include "app/game_session.h"
#include "app/settings_file.h"

void apply_settings(GameSession& s, std::ostream&) {
    const Settings& settings = s.screens.settings;
    s.music.setVolume(float(settings.volume));
    // Only the ants there are now: later rounds add ants with their own start damage.
    for (int32_t i = 0; i < s.ant_count; ++i) s.ants[i].bite_damage = settings.damage;
    s.grenade.blast_radius = settings.radius;
}

void return_from_options(GameSession& s, std::ostream& out) {
    apply_settings(s, out);
    save_settings(s.settings_path, s.screens.settings, out);
}
