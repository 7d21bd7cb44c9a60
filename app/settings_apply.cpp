#include "app/settings_apply.h"

#include <ostream>

#include "app/game_session.h"
#include "app/platform.h"
#include "app/settings_file.h"

namespace {
// Only a change is applied. Returns whether the window is full screen now.
bool apply_fullscreen(bool wanted, std::ostream& out) {
    if (wanted == window_is_fullscreen()) return wanted;
    if (wanted && !enter_fullscreen()) {
        out << "Full screen is not available here; the game goes on in its window" << std::endl;
        return false;
    }
    if (!wanted) leave_fullscreen();
    // Mouse look measures against the new centre: start the cursor there,
    // or the first play frame turns the view by half the size change.
    const WindowPoint centre = cursor_centre();
    set_cursor_pos(centre.x, centre.y);
    return wanted;
}
}  // namespace

void apply_settings(GameSession& s, std::ostream& out) {
    Settings& settings = s.settings;
    // A refused switch shows OFF in the menu and is kept as OFF.
    settings.fullscreen = apply_fullscreen(settings.fullscreen, out);
    s.music_volume = settings.volume;
    // Only the ants there are now: later rounds add ants with their own start damage.
    for (Ant& ant : s.ants) ant.bite_damage = settings.damage;
    s.grenade.blast_radius = settings.radius;
}

void return_from_options(GameSession& s, std::ostream& out) {
    apply_settings(s, out);
    save_settings(s.settings_path, s.settings, out);
}

void apply_swap_interval(const Settings& settings) {
    if (settings.pace == PaceReal) set_swap_interval(settings.vsync ? 1 : 0);
}
