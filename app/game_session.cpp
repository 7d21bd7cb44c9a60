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

void begin_game(GameSession& s, RandomSeeds seeds) {
    s.random.seed(seeds);
    s.bite_time.ticks = 0;
    for (Ant& ant : s.ants) ant.bite_clock.make_ready(s.bite_time.now());
}
