#include "app/startup.h"

#include <GL/glew.h>

#include <cstdio>
#include <iostream>
#include <memory>

#include "app/best_scores_file.h"
#include "app/game_draw.h"
#include "app/game_loop.h"
#include "app/game_session.h"
#include "app/game_state.h"
#include "app/replay_check.h"
#include "app/replay_session.h"
#include "app/replay_watch.h"
#include "app/pad_mappings.h"
#include "app/platform.h"
#include "app/presentation.h"
#include "app/settings_apply.h"
#include "app/settings_file.h"
#include "app/state_report.h"
#include "render/frame_picture.h"
#include "render/mesh_handles.h"
#include "render/text_overlay.h"

namespace {
constexpr const char* kWindowTitle = "Swarmfall";
constexpr const char* kFontPath = "texture/Holstein.DDS";

// Start-up failures wait for one character (end of input counts), so a
// console window stays open long enough to be read.
void wait_for_key() { std::getchar(); }

void set_gl_state() {
    glClearColor(kClearRed, kClearGreen, kClearBlue, kClearAlpha);
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LESS);
    glEnable(GL_CULL_FACE);
}

// The meshes in their fixed order; a handle is its position.
void register_meshes(Presentation& p) {
    p.mesh_handles.clear();
    for (const char* path : kMeshFiles) p.mesh_handles.push_back(p.renderer.add_mesh(path));
}

// Ends the window system and the game.
void end_game(RunningGame& game) {
    end_window_system();
    game.presentation.reset();
    game.session.reset();
}

// A start-up failure's one line: how it always began, then the reason in
// the failing library's own words when it gave one. The same text goes
// where a player without a console sees it (a message box on Windows).
void report_failure(const char* message, const std::string& reason) {
    const std::string line = reason.empty() ? message : std::string(message) + " (" + reason + ")";
    std::cerr << line << "\n";
    show_failure(line.c_str());
}

// A window or GLEW failure: report, wait, and undo what was built.
bool fail_after_window_system(const char* message, const std::string& reason, RunningGame& game) {
    report_failure(message, reason);
    wait_for_key();
    end_game(game);
    return false;
}

// The settings, where the best scores are kept and the pad mappings, each
// read as the player left them.
void read_user_files(GameSession& s) {
    s.settings_path = settings_file_path();
    s.settings = load_settings(s.settings_path, std::cout);
    s.best_scores_path = best_scores_file_path();
    if (s.best_scores_path.empty()) {
        std::cout << "Best scores are not kept: neither XDG_DATA_HOME nor HOME is set" << std::endl;
    }
    load_pad_mappings(pad_mappings_path(), std::cout);
}

// The music takes the volume the session asks for when it changes.
void follow_music_volume(Presentation& p, int32_t volume) {
    if (volume == p.music_volume) return;
    p.music_volume = volume;
    p.audio.set_music_volume(float(volume));
}
}  // namespace

RunningGame::RunningGame() = default;
RunningGame::~RunningGame() = default;

bool start_up(RunningGame& game) {
    if (!start_window_system()) {
        report_failure("Failed to initialize GLFW", window_system_error());
        wait_for_key();
        return false;
    }
    game.session = std::make_unique<GameSession>();
    game.presentation = std::make_unique<Presentation>();
    GameSession& s = *game.session;
    Presentation& p = *game.presentation;
    s.init_world();
    read_user_files(s);

    const Settings& settings = s.settings;
    if (!open_window(WindowRequest{kPictureWidth, kPictureHeight, kWindowTitle,
                                   settings.antialiasing})) {
        return fail_after_window_system(
            "Failed to open GLFW window. If you have an Intel GPU, they are not 3.3 compatible. "
            "Try the 2.1 version of the tutorials.",
            window_system_error(), game);
    }
    glewExperimental = GL_TRUE;
    const GLenum glew = glewInit();
    if (glew != GLEW_OK) {
        const auto* reason = reinterpret_cast<const char*>(glewGetErrorString(glew));
        return fail_after_window_system("Failed to initialize GLEW", reason ? reason : "", game);
    }

    apply_swap_interval(settings);
    prepare_input();
    const WindowPoint centre = cursor_centre();
    set_cursor_pos(centre.x, centre.y);
    set_gl_state();

    p.renderer = Renderer{};
    p.renderer.shadows = settings.shadows;
    p.renderer.init(float(kPictureWidth), float(kPictureHeight));
    register_meshes(p);
    p.renderer.render_shadow_map(s.city, p.mesh_handles[MeshCube]);
    const double frame_time_base = platform_time();
    s.time_left = kRoundTime;
    s.hero_message_pending = true;
    start_round(s);
    init_text_overlay(p.text, kFontPath);
    s.clock = LoopClock{};
    s.clock.frame_time_base = frame_time_base;
    p.audio.open(std::cout);
    p.audio.start_music(float(s.settings.volume));
    p.music_volume = s.settings.volume;
    s.bitten_timer = s.hostage_bitten_timer = s.paralysed_timer = 0;
    init_screen_images(p.images);
    // The settings read from the file take effect as they did at the last RETURN.
    apply_settings(s, std::cout);

    return true;
}

void main_loop(RunningGame& game, ReplayWatch* watch) {
    GameSession& s = *game.session;
    Presentation& p = *game.presentation;
    int32_t reported_state = -1;  // so the first state is reported too
    for (;;) {
        // The framebuffer is read every frame: a maximised, tiled or full
        // screen window, or a high-density display, changes it.
        int framebuffer_width = 0, framebuffer_height = 0;
        get_framebuffer_size(framebuffer_width, framebuffer_height);
        const PictureRect picture = begin_frame_picture(framebuffer_width, framebuffer_height);
        const bool going = watch ? watch_replay_pass(s, *watch, std::cout) : run_logic_pass(s, std::cout);
        if (!going) break;
        follow_music_volume(p, s.music_volume);
        draw_game_state(p, s, picture, std::cout);
        show_frame();
        // After the swap, so the state's first frame is already on screen.
        report_state_change(reported_state, s.state, std::cout);
        take_events();
        if (window_should_close()) break;
    }
}

void shut_down(RunningGame& game) {
    game.presentation->renderer.release();
    release_screen_images(game.presentation->images);
    release_text_overlay(game.presentation->text);
    end_game(game);
}

int run_game() {
    RunningGame game;
    if (!start_up(game)) return -1;
    main_loop(game);
    shut_down(game);
    return 0;
}

int run_replay(const std::string& path) {
    Replay replay;
    if (!load_replay_file(path, replay, std::cout)) return 1;
    RunningGame game;
    if (!start_up(game)) return -1;
    start_playback(*game.session, replay);
    ReplayWatch watch;
    main_loop(game, &watch);
    shut_down(game);
    return 0;
}
