#include "bench/late_game.h"

#include <GL/glew.h>

#include <cstdio>
#include <functional>
#include <memory>

#include "actors/random_source.h"
#include "actors/round_setup.h"
#include "actors/scent_map.h"
#include "bench/bench_timing.h"
#include "render/detail.h"
#include "render/frustum.h"
#include "render/mesh_handles.h"
#include "render/renderer.h"
#include "render/scene.h"
#include "world/city_grid.h"
#include "actors/collision.h"

namespace {

constexpr int kRounds = 5;
constexpr int kLastRound = 20;  // after 20 rescues the pack is full
constexpr int kFirstPack = 5;

std::vector<Ant> ants_in_view(const std::vector<Ant>& ants, const FrameView& view) {
    std::vector<Ant> seen;
    for (const Ant& ant : ants) {
        glm::vec3 centre(2.0f * ant.pos_x, 2.0f * ant.pos_y, 2.0f * ant.pos_z);
        if (cube_in_frustum(view.frustum, centre, 1.0f)) seen.push_back(ant);
    }
    return seen;
}

}  // namespace

std::unique_ptr<Pack> round_pack(CityGrid& city, int round_index) {
    auto pack = std::make_unique<Pack>();
    ActorRegistry world;
    GameRandom random;
    ScentMap scent;
    const BiteTime bite_time;
    world.random = &random;
    world.scent = &scent;
    world.bite_time = &bite_time;
    std::vector<glm::vec3> starts;
    bool hero_message = false;
    make_first_ants(pack->ants, starts);
    setup_round(city, pack->grenade, pack->player, pack->hostage, pack->ants, starts, round_index,
                hero_message, world);
    for (Actor* a : std::initializer_list<Actor*>{&pack->player, &pack->hostage, &pack->grenade}) {
        a->snap_to_cell();
    }
    pack->grenade.visible = true;
    for (Ant& ant : pack->ants) {
        ant.snap_to_cell();
        ant.motion_mode = MotionSlide;
    }
    return pack;
}

namespace {

enum Kind { City, CityNoPixels, Pack5, Pack101, Seen101, Pack101NoPixels, Pack101Full, KindCount };

}  // namespace

void bench_late_game(GLFWwindow* window, Renderer& renderer, CityGrid& city,
                     const std::vector<BenchView>& views, int block,
                     const std::string& snapshot_dir) {
    std::unique_ptr<Pack> pack = round_pack(city, kLastRound);
    std::vector<Ant> first(pack->ants.begin(), pack->ants.begin() + kFirstPack);
    int frame = 0;
    FrameView eye;
    auto scene = [&](const std::vector<Ant>& ants, bool pixels) {
        glDisable(GL_SCISSOR_TEST);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        // One pixel left to draw: what remains is the work before the pixels.
        if (!pixels) {
            glEnable(GL_SCISSOR_TEST);
            glScissor(0, 0, 1, 1);
        }
        draw_scene(renderer, eye, city, pack->player, pack->hostage, pack->grenade, ants, true,
                   frame);
        frame = (frame + 1) % kAnimationFrames;
        glDisable(GL_SCISSOR_TEST);
    };
    auto city_only = [&](bool pixels) {
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        if (!pixels) {
            glEnable(GL_SCISSOR_TEST);
            glScissor(0, 0, 1, 1);
        }
        renderer.draw_city(city, MeshCube, eye);
        glDisable(GL_SCISSOR_TEST);
    };

    std::printf("\nlate game: %zu ants at their start cells against the first %d, walking; "
                "player (free camera only), hostage, grenade\n", pack->ants.size(), kFirstPack);
    std::printf("%-26s %9s %6s %8s | %9s %6s %8s %5s | %6s | %8s %8s %8s %8s | %9s %8s %6s\n",
                "view", "5 ants", "calls", "vertices", "101 ants", "calls", "vertices", "seen",
                "x 5", "city", "culled", "pixels", "drawn", "full", "vertices", "x 5");
    for (const BenchView& view : views) {
        eye = frame_view_of(view, pack->player);
        std::vector<Ant> seen = ants_in_view(pack->ants, eye);
        std::vector<std::function<void()>> draws(KindCount);
        draws[City] = [&] { city_only(true); };
        draws[CityNoPixels] = [&] { city_only(false); };
        draws[Pack5] = [&] { scene(first, true); };
        draws[Pack101] = [&] { scene(pack->ants, true); };
        draws[Seen101] = [&] { scene(seen, true); };
        draws[Pack101NoPixels] = [&] { scene(pack->ants, false); };
        draws[Pack101Full] = [&] {
            renderer.use_far_detail = false;
            scene(pack->ants, true);
            renderer.use_far_detail = true;
        };
        std::vector<std::vector<Timing>> timings(KindCount);
        for (int round = 0; round < kRounds; ++round) {
            for (int k = 0; k < KindCount; ++k) timings[k].push_back(time_frames(window, renderer.stats, draws[k], block));
        }
        std::vector<Timing> t(KindCount);
        for (int k = 0; k < KindCount; ++k) t[k] = median(timings[k]);
        double ms = t[Pack101].ms_per_frame;
        double culled = ms - t[Seen101].ms_per_frame;
        double pixels = (ms - t[Pack101NoPixels].ms_per_frame) -
                        (t[City].ms_per_frame - t[CityNoPixels].ms_per_frame);
        double drawn = t[Seen101].ms_per_frame - t[City].ms_per_frame - pixels;
        const Timing& full = t[Pack101Full];
        std::printf("%-26s %6.2f ms %6.1f %8.0f | %6.2f ms %6.1f %8.0f %5zu | %6.2f | %5.2f ms "
                    "%5.2f ms %5.2f ms %5.2f ms | %6.2f ms %8.0f %6.2f\n",
                    view.name.c_str(), t[Pack5].ms_per_frame, t[Pack5].draws_per_frame,
                    t[Pack5].vertices_per_frame, ms, t[Pack101].draws_per_frame,
                    t[Pack101].vertices_per_frame, seen.size(), ms / t[Pack5].ms_per_frame,
                    t[City].ms_per_frame, culled, pixels, drawn, full.ms_per_frame,
                    full.vertices_per_frame, full.ms_per_frame / t[Pack5].ms_per_frame);
        if (!snapshot_dir.empty()) {
            GLint box[4] = {0, 0, 0, 0};
            glGetIntegerv(GL_VIEWPORT, box);
            draws[Pack101]();
            std::string stem = snapshot_dir + "/" + view.name.substr(0, view.name.find(','));
            for (char& c : stem) c = c == ' ' ? '_' : c;
            write_ppm(stem + "_101_ants.ppm", box[2], box[3], read_back_frame(box[2], box[3]));
        }
    }
    std::printf("(%d rounds of %d frames per kind, median round; culled: the 101-ant frame less "
                "the same frame without the ants out of view; pixels: what a one-pixel scissor "
                "saves beyond the city's share; drawn: the rest of the actors in view; full: the "
                "101-ant frame with every ant's full model, no far ones)\n",
                kRounds, block);
}
