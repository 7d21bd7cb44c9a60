// The picture from the player's start: grey sky, lit faces, and shadows
// where the city blocks the light. What each sampled pixel should show is
// worked out independently by marching rays through the grid on the CPU.
#include <gtest/gtest.h>

#include <glm/gtc/matrix_transform.hpp>

#include <cmath>

#include "actors/player.h"
#include "render/city_mesh.h"
#include "render_gl_helpers.h"
#include "world/city_grid.h"
#include "world/level_landmarks.h"

namespace {

constexpr int kSampleStep = 8;          // pixels between samples
constexpr float kMaxDistance = 140.0f;  // nearer than the fog
constexpr float kMaxSkyDistance = 450.0f;  // the far plane
constexpr float kAboveCity = 15.0f;       // nothing is drawn higher
constexpr float kMarchStep = 0.05f;
constexpr float kEdgeMargin = 0.8f;     // samples this close to a face edge are skipped

enum Seen { SeenSky, SeenLit, SeenShadowed, SeenTurnedAway, SeenUnsure };

struct Hit {
    Seen seen = SeenUnsure;
    bool floor = false;
};

int cell_of(float v) { return int(std::floor((v + 1.0f) / 2.0f)); }

bool solid_at(const CityGrid& city, const glm::vec3& p) {
    return city_cube_drawn(city, cell_of(p.x), cell_of(p.y), cell_of(p.z));
}

bool blocked_towards_light(const CityGrid& city, glm::vec3 p) {
    const glm::vec3 step = glm::normalize(glm::vec3(0.0f, -1.0f, 1.0f)) * kMarchStep;
    for (int i = 0; i < 2000 && p.z < 16.0f; ++i) {
        p += step;
        if (solid_at(city, p)) return true;
    }
    return false;
}

Hit trace(const CityGrid& city, const glm::vec3& origin, const glm::vec3& direction) {
    Hit hit;
    glm::vec3 p = origin;
    for (float t = 0.0f; t < kMaxSkyDistance; t += kMarchStep) {
        glm::vec3 next = origin + direction * (t + kMarchStep);
        if (next.z > kAboveCity && direction.z >= 0.0f) {
            hit.seen = SeenSky;
            return hit;
        }
        if (!solid_at(city, next)) {
            p = next;
            continue;
        }
        if (t > kMaxDistance) return hit;
        // The face entered is the one whose axis changed cell.
        int axis = -1;
        for (int a = 0; a < 3; ++a) {
            if (cell_of(p[a]) != cell_of(next[a])) axis = axis < 0 ? a : 3;
        }
        if (axis < 0 || axis == 3) return hit;  // through an edge: unsure
        glm::vec3 normal(0.0f);
        normal[axis] = direction[axis] > 0.0f ? -1.0f : 1.0f;
        for (int a = 0; a < 3; ++a) {
            float local = next[a] - 2.0f * float(cell_of(next[a]));
            if (a != axis && std::fabs(local) > kEdgeMargin) return hit;
        }
        hit.floor = cell_of(next.z) == 0;
        if (glm::dot(normal, glm::vec3(0.0f, -1.0f, 1.0f)) <= 0.0f) {
            hit.seen = SeenTurnedAway;
            return hit;
        }
        // Away from shadow borders only: nearby points must agree.
        glm::vec3 surface = p + normal * 0.05f;
        bool shadowed = blocked_towards_light(city, surface);
        for (int a = 0; a < 3; ++a) {
            if (a == axis) continue;
            for (float d : {-0.6f, 0.6f}) {
                glm::vec3 q = surface;
                q[a] += d;
                if (blocked_towards_light(city, q) != shadowed) return hit;
            }
        }
        hit.seen = shadowed ? SeenShadowed : SeenLit;
        return hit;
    }
    return hit;
}

struct Tally {
    int sky = 0, sky_grey = 0;
    std::vector<float> lit_floor, shadowed_floor, lit_block, turned_block;
};

float brightness(const unsigned char* p) { return (float(p[0]) + float(p[1]) + float(p[2])) / 3.0f; }

float mean(const std::vector<float>& v) {
    float sum = 0.0f;
    for (float x : v) sum += x;
    return v.empty() ? 0.0f : sum / float(v.size());
}

void sample_view(Renderer& r, const CityGrid& city, const gl_test::OffscreenTarget& target,
                 const FrameView& view, Tally& tally) {
    target.begin();
    r.draw_city(city, MeshCube, view);
    std::vector<unsigned char> pixels = target.read();
    glm::mat4 inverse_clip = glm::inverse(view.projection * view.view);
    for (int y = kSampleStep / 2; y < gl_test::kHeight; y += kSampleStep) {
        for (int x = kSampleStep / 2; x < gl_test::kWidth; x += kSampleStep) {
            glm::vec2 ndc((x + 0.5f) / gl_test::kWidth * 2.0f - 1.0f, (y + 0.5f) / gl_test::kHeight * 2.0f - 1.0f);
            glm::vec4 near = inverse_clip * glm::vec4(ndc, -1.0f, 1.0f);
            glm::vec4 far = inverse_clip * glm::vec4(ndc, 1.0f, 1.0f);
            glm::vec3 origin = glm::vec3(near) / near.w;
            glm::vec3 direction = glm::normalize(glm::vec3(far) / far.w - origin);
            Hit hit = trace(city, origin, direction);
            const unsigned char* p = &pixels[size_t(y * gl_test::kWidth + x) * 3];
            switch (hit.seen) {
            case SeenSky:
                ++tally.sky;
                tally.sky_grey += std::abs(int(p[0]) - 191) <= 1 && p[0] == p[1] && p[1] == p[2];
                break;
            case SeenLit: (hit.floor ? tally.lit_floor : tally.lit_block).push_back(brightness(p)); break;
            case SeenShadowed: if (hit.floor) tally.shadowed_floor.push_back(brightness(p)); break;
            case SeenTurnedAway: if (!hit.floor) tally.turned_block.push_back(brightness(p)); break;
            default: break;
            }
        }
    }
}

// Share of `values` on the wrong side of `threshold`.
float share_wrong(const std::vector<float>& values, float threshold, bool should_be_above) {
    int wrong = 0;
    for (float v : values) wrong += should_be_above ? v <= threshold : v >= threshold;
    return values.empty() ? 1.0f : float(wrong) / float(values.size());
}

}  // namespace

TEST(ScenePicture, SkyLitFacesAndShadowsFromThePlayerStart) {
    REQUIRE_GL();
    Renderer r;
    render_test::set_up(r, render_test::flat_texture());
    CityGrid city;
    city.init();
    r.render_shadow_map(city, MeshCube);
    gl_test::OffscreenTarget target;
    Tally tally;

    // First person at the start cell, through the camera itself.
    Player player;
    player.cell_x = kPlayerStartCell.x;
    player.cell_y = kPlayerStartCell.y;
    player.cell_z = kPlayerStartCell.z;
    player.snap_to_cell();
    Camera camera;
    update_camera(camera, CameraInputs{}, player);
    sample_view(r, city, target, camera_frame_view(camera), tally);
    // And from above the start, looking over the city, for more block tops.
    glm::vec3 above(2.0f * kPlayerStartCell.x, 2.0f * kPlayerStartCell.y + 20.0f, 60.0f);
    sample_view(r, city, target,
                render_test::look(camera.projection_matrix, above,
                                  glm::normalize(glm::vec3(0.0f, -1.0f, -0.9f))),
                tally);

    ASSERT_GT(tally.sky, 50);
    EXPECT_GE(tally.sky_grey, tally.sky * 98 / 100);
    ASSERT_GT(tally.lit_floor.size(), 50u);
    ASSERT_GT(tally.shadowed_floor.size(), 20u);
    ASSERT_GT(tally.lit_block.size(), 20u);
    ASSERT_GT(tally.turned_block.size(), 20u);
    float lit = mean(tally.lit_floor), shadowed = mean(tally.shadowed_floor);
    EXPECT_GT(lit, shadowed * 1.3f);
    float middle = (lit + shadowed) / 2.0f;
    EXPECT_LT(share_wrong(tally.lit_floor, middle, true), 0.03f);
    EXPECT_LT(share_wrong(tally.shadowed_floor, middle, false), 0.03f);
    EXPECT_GT(mean(tally.lit_block), mean(tally.turned_block) * 1.3f);
    r.release();
}
