#include "app/replay_session.h"

#include "app/game_loop.h"
#include "app/game_session.h"
#include "app/key_codes.h"
#include "app/round_rules.h"
#include "app/state_table.h"

void start_recording(GameSession& s) {
    ReplayRecording& rec = s.recording;
    rec.pass_hashes.clear();
    rec.active = s.settings.pace == PaceReal;
    if (!rec.active) return;
    Replay& r = rec.replay;
    r = Replay{};
    r.player_is_girl = s.player_is_girl;
    r.seeds = s.random.seeds;
    r.damage = s.settings.damage;
    r.radius = s.settings.radius;
    for (int y = 0; y < kCityRows; ++y) {
        for (int x = 0; x < kCityColumns; ++x) {
            if (s.scent.at(x, y) != 0) r.scent.push_back({x, y, s.scent.at(x, y)});
        }
    }
}

namespace {
PassCommands recorded_pass(ReplayPlayback& play) {
    PassCommands c;
    if (play.next_pass >= play.replay.passes.size()) {
        play.ran_out = true;
        return c;
    }
    unpack_commands(play.replay.passes[play.next_pass++], c);
    return c;
}

// The keys in the order a pass always read them: a read consumes a press.
PassCommands keyboard_pass(GameSession& s, std::ostream& out) {
    const bool escape = s.keys.read(kKeyEscape);
    read_cheat_keys(s, out);
    PassCommands c = poll_bound_actions(s.keys, s.key_bindings);
    c.escape = escape;
    c.cheat = s.cheat_code;
    s.keys.flush();
    return c;
}
}  // namespace

PassCommands take_pass_commands(GameSession& s, std::ostream& out) {
    if (s.playback.active) return recorded_pass(s.playback);
    const PassCommands c = keyboard_pass(s, out);
    if (s.recording.active) s.recording.replay.passes.push_back(pack_commands(c));
    return c;
}

void record_menu_left(GameSession& s) {
    if (!s.recording.active) return;
    Replay& r = s.recording.replay;
    r.menus.push_back({int64_t(r.passes.size()), s.settings.damage, s.settings.radius});
}

void leave_menu_as_recorded(GameSession& s, std::ostream&) {
    ReplayPlayback& play = s.playback;
    const std::vector<ReplayMenu>& menus = play.replay.menus;
    if (play.next_menu < menus.size() && menus[play.next_menu].passes == int64_t(play.next_pass)) {
        const ReplayMenu& m = menus[play.next_menu++];
        s.settings.damage = m.damage;
        s.settings.radius = m.radius;
        // As RETURN applies them: the ants there are now, and the grenade.
        for (Ant& ant : s.ants) ant.bite_damage = m.damage;
        s.grenade.blast_radius = m.radius;
    } else {
        play.ran_out = true;
    }
    enter_state(s, Playing);
}

void end_recording(GameSession& s) {
    Replay& r = s.recording.replay;
    r.ended = true;
    r.score = s.score;
    r.rescues = s.rescued_count;
}

void start_playback(GameSession& s, const Replay& r) {
    s.settings.pace = PaceReal;
    s.settings.damage = r.damage;
    s.settings.radius = r.radius;
    for (Ant& ant : s.ants) ant.bite_damage = r.damage;
    s.grenade.blast_radius = r.radius;
    // Nothing of a played-back game is kept: no settings, no best scores.
    s.settings_path.clear();
    s.best_scores_path.clear();
    s.scent = ScentMap{};
    for (const ScentCell& c : r.scent) s.scent.at(c.x, c.y) = c.value;
    begin_game(s, r.seeds);
    s.player_is_girl = r.player_is_girl;
    s.shown.player_is_girl = r.player_is_girl;
    start_round(s);
    s.recording.active = false;
    s.playback = ReplayPlayback{};
    s.playback.active = true;
    s.playback.replay = r;
    s.clock.resync_clock = true;
    enter_state(s, Playing);
}

namespace {
constexpr uint64_t kHashStart = 14695981039346656037ull;  // FNV-1a, 64 bits
constexpr uint64_t kHashPrime = 1099511628211ull;

struct Hash {
    uint64_t value = kHashStart;
    template <typename T>
    void add(const T& field) {
        const unsigned char* bytes = reinterpret_cast<const unsigned char*>(&field);
        for (size_t i = 0; i < sizeof(T); ++i) value = (value ^ bytes[i]) * kHashPrime;
    }
    void add_actor(const Actor& a) {
        for (int32_t v : {a.cell_x, a.cell_y, a.cell_z, a.facing, a.motion_mode}) add(v);
        for (float v : {a.pos_x, a.pos_y, a.pos_z, a.facing_angle, a.step_x, a.step_y, a.step_z}) add(v);
        add(a.visible);
    }
};
}  // namespace

uint64_t actors_hash(const GameSession& s) {
    Hash h;
    h.add_actor(s.player);
    for (int32_t v : {s.player.state, s.player.health, s.player.ammo}) h.add(v);
    h.add_actor(s.hostage);
    for (int32_t v : {s.hostage.state, s.hostage.health}) h.add(v);
    h.add_actor(s.grenade);
    for (int32_t v : {s.grenade.phase, s.grenade.blast_radius}) h.add(v);
    for (const Ant& ant : s.ants) {
        h.add_actor(ant);
        for (int32_t v : {ant.state, ant.target_facing, ant.bite_damage}) h.add(v);
        h.add(ant.bite_clock.elapsed_seconds(s.bite_time.now()));
    }
    for (int32_t v : {s.time_left, s.score, s.rescued_count, s.immobilised_ants}) h.add(v);
    return h.value;
}

void note_pass_hash(GameSession& s) {
    if (s.recording.active) s.recording.pass_hashes.push_back(actors_hash(s));
    if (s.playback.active) s.playback.pass_hashes.push_back(actors_hash(s));
}

double looker_time(const GameSession& s, double now) {
    return s.playback.watcher_time >= 0.0 ? s.playback.watcher_time : now;
}
