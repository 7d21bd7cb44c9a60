#pragma once
// Short effects that show the player what the rules just did: a grenade's
// blast over the cells it reaches, and the picture's edges flashing red when
// the player is bitten. The session notes when each began, in simulation
// ticks; every frame describes them as plain data for the tick it shows, so
// they last the same game time however many ticks a frame runs, and stand
// still while play does (menus, messages).
#include <glm/glm.hpp>

#include <cstdint>
#include <vector>

#include "world/city_grid.h"

struct Grenade;

constexpr int64_t kBlastTicks = 50;      // half a second of game time
constexpr int64_t kBiteFlashTicks = 50;

// What happened and when; kept by the session, cleared by round set-up.
struct Effects {
    bool blast = false;
    int32_t blast_x = 0, blast_y = 0, blast_z = 0;  // the grenade's cell
    int32_t blast_radius = 0;
    int64_t blast_tick = 0;
    bool bite = false;
    int64_t bite_tick = 0;
};

// The grenade going off where it is now, with its radius.
void start_blast(Effects& effects, const Grenade& grenade, int64_t tick);
void start_bite_flash(Effects& effects, int64_t tick);

struct BlastPicture {
    glm::vec3 centre{0.0f};  // cell units, the grenade's cell
    float reach = 0.0f;      // cells from the centre where the glow fades out
    float radius = 0.0f;     // of the fireball, in cells
    float strength = 0.0f;   // 0..1
    float heat = 0.0f;       // 1 white-hot, 0 orange
    std::vector<CellCoord> cells;  // the open floors the glow covers so far
};

struct EffectsPicture {
    std::vector<BlastPicture> blasts;  // none or one: there is one grenade
    float edge_flash = 0.0f;           // the red at the picture's edges, 0..1
};

// The effects as they look at `tick`. A blast's glow spreads from the
// grenade's cell over the cells its rule reaches, within a fifth of its
// time, on floors that are open (no block) and have ground or a block under
// them; the fireball grows and cools, and both fade out.
EffectsPicture describe_effects(const Effects& effects, const CityGrid& city, int64_t tick);
