#include "render/street_occlusion.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

#include "render/city_mesh.h"

namespace {

constexpr float kStreetBottom = 1.0f;  // world z of the street layer's cells
constexpr float kStreetTop = 3.0f;
constexpr float kHeightSlack = 1e-4f;
constexpr float kBoxHalfSize = 1.0f;   // the box the frustum test uses
constexpr int kStreetLayer = 1;
// Sight lines walked through the grid to find the blocks in the way; the
// answer itself is worked out exactly from the blocks found, so fewer lines
// only find fewer hidden actors.
constexpr int kProbeLines = 7;
constexpr float kPi = 3.14159265f;

struct Span {
    float from, to;  // bearing, radians, relative to the bearing of the box
};

float wrap(float a) {
    while (a > kPi) a -= 2.0f * kPi;
    while (a < -kPi) a += 2.0f * kPi;
    return a;
}

// The bearings a square covers seen from `eye` (outside it), relative to
// `ahead`, and its farthest corner's distance.
Span bearings(const glm::vec2& eye, const glm::vec2& lo, const glm::vec2& hi, float ahead,
              float* farthest) {
    Span s{kPi, -kPi};
    float far = 0.0f;
    for (int c = 0; c < 4; ++c) {
        glm::vec2 corner((c & 1) ? hi.x : lo.x, (c & 2) ? hi.y : lo.y);
        glm::vec2 d = corner - eye;
        float a = wrap(std::atan2(d.y, d.x) - ahead);
        s.from = std::min(s.from, a);
        s.to = std::max(s.to, a);
        far = std::max(far, glm::length(d));
    }
    if (farthest) *farthest = far;
    return s;
}

int cell_of(float v) { return int(std::floor((v + 1.0f) * 0.5f)); }

// The first street-level block along the ray, within `reach`, if any.
bool first_block(const CityGrid& city, const glm::vec2& from, float angle, float reach,
                 glm::ivec2& block) {
    glm::vec2 dir(std::cos(angle), std::sin(angle));
    glm::ivec2 cell(cell_of(from.x), cell_of(from.y));
    glm::ivec2 step(dir.x > 0.0f ? 1 : -1, dir.y > 0.0f ? 1 : -1);
    // Distance along the ray to the next cell border on each axis, and
    // between borders (cells are 2 units wide, borders at odd coordinates).
    glm::vec2 next, across;
    for (int a = 0; a < 2; ++a) {
        if (dir[a] == 0.0f) {
            next[a] = across[a] = INFINITY;
            continue;
        }
        float border = 2.0f * float(cell[a]) + (step[a] > 0 ? 1.0f : -1.0f);
        next[a] = (border - from[a]) / dir[a];
        across[a] = 2.0f / std::fabs(dir[a]);
    }
    for (;;) {
        int a = next.x < next.y ? 0 : 1;
        if (next[a] > reach) return false;
        cell[a] += step[a];
        next[a] += across[a];
        if (city_cube_drawn(city, cell.x, cell.y, kStreetLayer)) {
            block = cell;
            return true;
        }
    }
}

}  // namespace

bool hidden_behind_street_blocks(const CityGrid& city, const glm::vec3& eye,
                                 const glm::vec3& centre) {
    if (!(eye.z > kStreetBottom && eye.z < kStreetTop)) return false;
    if (centre.z - kBoxHalfSize < kStreetBottom - kHeightSlack ||
        centre.z + kBoxHalfSize > kStreetTop + kHeightSlack) {
        return false;
    }
    glm::vec2 e(eye), lo(glm::vec2(centre) - kBoxHalfSize), hi(glm::vec2(centre) + kBoxHalfSize);
    glm::vec2 nearest = glm::clamp(e, lo, hi);
    float reach = glm::length(nearest - e);
    if (reach <= 0.0f) return false;
    float ahead = std::atan2(centre.y - e.y, centre.x - e.x);
    Span box = bearings(e, lo, hi, ahead, nullptr);

    // Blocks wholly nearer than the box's nearest point hide every bearing
    // they cover; the box is hidden when such blocks cover all of its own.
    std::vector<Span> cover;
    glm::ivec2 last(std::numeric_limits<int>::min());
    for (int i = 0; i < kProbeLines; ++i) {
        float t = float(i) / float(kProbeLines - 1);
        glm::ivec2 block;
        if (!first_block(city, e, ahead + box.from + t * (box.to - box.from), reach, block)) {
            return false;  // a probe reached the box unblocked: it is in sight
        }
        if (block == last) continue;
        last = block;
        glm::vec2 blo(2.0f * glm::vec2(block) - 1.0f), bhi(2.0f * glm::vec2(block) + 1.0f);
        float farthest = 0.0f;
        Span s = bearings(e, blo, bhi, ahead, &farthest);
        if (farthest <= reach && s.to - s.from < kPi) cover.push_back(s);
    }
    std::sort(cover.begin(), cover.end(), [](const Span& a, const Span& b) { return a.from < b.from; });
    float covered = box.from;
    for (const Span& s : cover) {
        if (s.from > covered) return false;
        covered = std::max(covered, s.to);
        if (covered >= box.to) return true;
    }
    return false;
}

std::vector<MeshDraw> draws_not_hidden(const std::vector<MeshDraw>& draws, const CityGrid& city,
                                       const glm::vec3& eye) {
    return draws_of_actors_where(draws, [&](const glm::vec3& position) {
        return !hidden_behind_street_blocks(city, eye, 2.0f * position);
    });
}
