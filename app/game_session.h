#pragma once
// Every object and counter of the game's flow for the whole run: the world
// and its actors, the clock, the camera, the menus, the settings and the
// scores. Built once by the entry point; the other modules get references
// into it. What draws and plays it is the presentation's (app/presentation.h).
#include <cstdint>
#include <string>
#include <glm/vec3.hpp>
#include <vector>

#include "actors/ant.h"
#include "actors/grenade.h"
#include "actors/hostage.h"
#include "actors/player.h"
#include "actors/random_source.h"
#include "actors/scent_map.h"
#include "app/key_bindings.h"
#include "app/best_scores.h"
#include "app/camera_input.h"
#include "app/game_state.h"
#include "app/input_frame.h"
#include "app/key_reads.h"
#include "app/loop_clock.h"
#include "app/menu_escape.h"
#include "app/replay_session.h"
#include "app/pad_input.h"
#include "app/settings.h"
#include "app/shown_statistics.h"
#include "app/slow_frames.h"
#include "render/camera.h"
#include "render/effects.h"
#include "ui/screen_resources.h"
#include "world/city_grid.h"
#include "actors/collision.h"
#include "world/level_landmarks.h"

constexpr int32_t kRoundTime = 999;

enum DeathCause : int32_t { DeathNone = 0, DeathPlayer = 1, DeathHostage = 2, DeathOther = 3 };

enum CheatCode : int32_t { CheatNone = 0, CheatWin = 1, CheatTimeOut = 2, CheatDie = 3 };

struct GameSession {
    int32_t state = Intro;  // changed by enter_state alone
    CityGrid city;
    Grenade grenade;
    Player player;
    Hostage hostage;
    bool player_is_girl = true;
    int32_t round_index = 0;
    bool rebinding = false;
    int32_t rebinding_action = 0;
    MenuEscape options_escape;  // fresh each time the options menu is left
    int32_t immobilised_ants = 0;
    std::vector<Ant> ants;
    std::vector<glm::vec3> ant_starts;
    ActorRegistry world;
    // What the rules read besides the actors: the random sources (seeded
    // per game), the ants' trail (kept for the run) and the bite clocks' time.
    GameRandom random;
    ScentMap scent;
    BiteTime bite_time;
    KeyBindings key_bindings;
    ReplayRecording recording;  // this game's, at the real pace
    ReplayPlayback playback;    // a recorded game played back instead of the keys
    int32_t time_left = kRoundTime;
    bool hero_message_pending = true;
    LoopClock clock;
    SlowFrameWatch slow_frames;  // the once-a-run line about slow play
    Camera camera;
    InputFrame input;  // what the player did since the last pass, read at this one
    KeyReads keys;     // the keys as the states read them, fed by each pass's record
    PadReader pad;     // the pad between two passes
    int32_t bitten_timer = 0;
    int32_t hostage_bitten_timer = 0;
    int32_t paralysed_timer = 0;
    Effects effects;  // the last blast and bite, timed in play ticks
    int32_t score = 0;
    int32_t rescued_count = 0;
    int32_t death_cause = DeathNone;
    int32_t cheat_code = CheatNone;
    bool debug_key_used = false;  // in this game, which is then not ranked
    ScreenResources screens;
    Settings settings;  // the options menu's values; they take effect at RETURN
    // The music's volume as the settings in effect ask for it; the
    // presentation follows it.
    int32_t music_volume = Settings{}.volume;
    ShownStatistics shown;
    // Where the settings are kept between runs; empty: not kept (tests).
    std::string settings_path;
    // Where the best scores are kept between runs; empty: for this run only (tests).
    std::string best_scores_path;
    BestScoresShown best_scores;  // as the time-up screens show them

    // Builds the world without any window: city, actors, ants and their
    // start cells, the default bindings and the menu data. Start-up adds
    // the window, the renderer and the music on top.
    void init_world();
    // The pack's size is the ant list's own.
    int32_t ant_count() const { return int32_t(ants.size()); }

    GameSession() = default;
    // The registry points into the session itself.
    GameSession(const GameSession&) = delete;
    GameSession& operator=(const GameSession&) = delete;
};

// A new game's start, before its character is chosen: the counters, the
// default bindings, the countdown and pass clocks from zero, the random
// sources from `seeds`, the bite time from zero and the pack ready to bite
// (the screens before a game always outlast the bite interval).
void begin_game(GameSession& session, RandomSeeds seeds);
