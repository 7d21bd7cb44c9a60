#include "app/round_rules.h"

#include <ostream>

#include "app/game_session.h"
#include "app/game_state.h"
#include "app/key_codes.h"
#include "app/state_table.h"

namespace {
bool hostage_outside(const Hostage& h) {
    return h.cell_x > kCityInsideLast || h.cell_y > kCityInsideLast ||
           h.cell_x < kCityInsideFirst || h.cell_y < kCityInsideFirst;
}
}  // namespace

void read_cheat_keys(GameSession& s, std::ostream& out) {
    if (s.keys.read(kKeyF8)) {
        s.cheat_code = CheatWin;
        out << "Cheat activated! WON GAME" << std::endl;
    }
    if (s.keys.read(kKeyF11)) {
        s.cheat_code = CheatTimeOut;
        out << "Cheat activated! LOOSE BY TIME" << std::endl;
    }
    if (s.keys.read(kKeyF10)) {
        s.cheat_code = CheatDie;
        out << "Cheat activated! DIE!" << std::endl;
    }
    if (s.cheat_code != CheatNone) s.debug_key_used = true;
}

void count_down(GameSession& s) {
    --s.time_left;
    --s.hostage_bitten_timer;
    --s.bitten_timer;
    --s.paralysed_timer;
}

void apply_round_rules(GameSession& s) {
    if (s.hostage.state != HostageCaptive && s.hero_message_pending) {
        s.hero_message_pending = false;
        enter_state(s, HostageFound);
    }

    bool player_died = false;
    if (s.player.state == PlayerDead) {
        s.death_cause = DeathPlayer;
        player_died = true;
        enter_state(s, DeathMessage);
    } else if (s.player.state == PlayerBitten) {
        s.bitten_timer = kMessageUnits;
    }

    if (s.hostage.state == HostageDead || s.cheat_code == CheatDie) {
        enter_state(s, DeathMessage);
        if (!player_died) s.death_cause = s.hostage.state == HostageDead ? DeathHostage : DeathOther;
    } else if (s.hostage.state == HostageBitten) {
        s.hostage_bitten_timer = kMessageUnits;
    }

    for (Ant& ant : s.ants) {
        if (ant.state == AntStomped) {
            s.paralysed_timer = kMessageUnits;
            ++s.immobilised_ants;
            ant.state = AntParalysed;
        } else if (ant.state == AntBlasted) {
            ++s.immobilised_ants;
            ant.state = AntDestroyed;
        }
    }

    bool bonus_added = false;
    if (s.time_left == 0 || s.cheat_code == CheatTimeOut) {
        s.score += kPointsPerImmobilisedAnt * s.immobilised_ants + s.time_left;
        bonus_added = true;
        enter_state(s, TimeUpScreen);
    }

    if (hostage_outside(s.hostage) || s.cheat_code == CheatWin) {
        if (!bonus_added) s.score += kPointsPerImmobilisedAnt * s.immobilised_ants + s.time_left;
        s.immobilised_ants = 0;
        ++s.rescued_count;
        ++s.round_index;
        enter_state(s, RescueMessage);
    }
}

PlayMessage play_message(const GameSession& s) {
    if (s.bitten_timer > 0) return {" BITTEN! ", 221, kMessageRow};
    if (s.hostage_bitten_timer > 0) return {" 'THEY GOT ME' ", 131, kMessageRow};
    if (s.paralysed_timer > 0) return {" PARALYSED AN ANT !", 71, kMessageRow};
    if (s.player.state == PlayerStunned) return {" STUNNED !", 71, kMessageRow};
    return {};
}
