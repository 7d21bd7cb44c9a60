#include "app/game_session.h"

#include "actors/round_setup.h"
#include "app/game_loop.h"
#include "app/key_bindings.h"
#include "render/picture_rect.h"

void GameSession::init_world() {
    city.init();
    player_is_girl = true;
    round_index = 0;
    rebinding = false;
    immobilised_ants = 0;
    make_first_ants(ants, ant_starts);
    world.random = &random;
    world.scent = &scent;
    world.bite_time = &bite_time;
    reset_default_bindings(key_bindings);
    screens.init_menus();
}

void start_round(GameSession& s) {
    setup_round(s.city, s.grenade, s.player, s.hostage, s.ants, s.ant_starts, s.round_index,
                s.hero_message_pending, s.world);
    // A bite of the last round must not greet the new one at full health.
    s.bitten_timer = 0;
    s.hostage_bitten_timer = 0;
    s.effects = Effects{};
}

namespace {
// Nothing of the last game's actors carries into a new one but what the
// settings in force gave them: every game starts as the run's first did,
// which is what lets its replay start from the settings alone.
void fresh_actors(GameSession& s) {
    s.player = Player{};
    s.hostage = Hostage{};
    const int32_t radius = s.grenade.blast_radius;
    s.grenade = Grenade{};
    s.grenade.blast_radius = radius;
    for (Ant& ant : s.ants) {
        const int32_t damage = ant.bite_damage;
        ant = Ant{};
        ant.bite_damage = damage;
    }
}
}  // namespace

void begin_game(GameSession& s, RandomSeeds seeds) {
    fresh_actors(s);
    reset_default_bindings(s.key_bindings);
    s.score = 0;
    s.round_index = 0;
    s.immobilised_ants = 0;
    s.rescued_count = 0;
    s.debug_key_used = false;
    s.shown.rescued = s.shown.time = s.shown.score = 0;
    s.time_left = kRoundTime;
    // The countdown's unit and the decision passes start in step with the
    // game, not where the last game left them.
    s.clock.second_accumulator = 0.0;
    s.clock.tick_accumulator = 0.0;
    s.clock.pass_accumulator = 0.0;
    s.random.seed(seeds);
    s.bite_time.ticks = 0;
    for (Ant& ant : s.ants) ant.bite_clock.make_ready(s.bite_time.now());
}
