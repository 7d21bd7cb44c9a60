// Text and the heads-up display as they reach the screen: the glyph quads,
// the HUD's texts and the looks the settings give them, a glyph that is not
// symmetric read back the right way up and round, and the HUD's values,
// scanner colours and blend modes checked in pixels.
#include <gtest/gtest.h>

#include <glm/glm.hpp>

#include <algorithm>
#include <string>
#include <vector>

#include "actors/hostage.h"
#include "actors/player.h"
#include "app/settings.h"
#include "app/shown_statistics.h"
#include "render/hud.h"
#include "render/text_overlay.h"
#include "gl_context.h"

namespace {

TEST(TextQuads, OneGlyphIsTwoTrianglesOverItsFontCell) {
    TextQuads q = build_text_quads("A", 10, 20, 30);
    const std::vector<float> positions = {10, 568, 10, 538, 40, 568, 40, 538, 40, 568, 10, 538};
    const float u = 1.0f / 16, v = 4.0f / 16, c = 1.0f / 16;
    const std::vector<float> uvs = {u, v, u, v + c, u + c, v, u + c, v + c, u + c, v, u, v + c};
    EXPECT_EQ(q.positions, positions);
    EXPECT_EQ(q.uvs, uvs);
}

std::vector<std::string> words_of(const std::vector<HudText>& texts) {
    std::vector<std::string> words;
    for (const HudText& t : texts) words.push_back(t.text);
    return words;
}

// The looks change only the labels and the scanner: solid labels blend as
// solid strokes, each after a black shadow two units right and down; the
// scanner holds a plus or a minus. The values stay red over the scene, every
// place, size and colour stays.
TEST(HudTexts, LooksChangeOnlyHowLabelsBlendAndWhatTheScannerSays) {
    ShownStatistics shown;
    shown.score = 40;
    shown.rescued = 1;
    Settings settings;
    Player player;
    Hostage hostage;
    player.nearer_hostage = true;
    player.ammo = 5;
    player.health = 17;
    hostage.health = 3;
    const std::vector<HudText> plain = hud_texts(shown, settings, player, hostage, 999);
    const std::vector<std::string> words = {"AMMO", "5",   "GIRL", "17", "BOY ",      "3",
                                            "TIME", "999", "SCAN", "[]", "SCORE  40", "RESCUED  1"};
    ASSERT_EQ(words_of(plain), words);
    const std::vector<size_t> labels = {0, 2, 4, 6, 8, 10, 11};
    for (size_t i : labels) EXPECT_EQ(plain[i].blend, TextBlendStencil) << plain[i].text;

    settings.solid_labels = true;
    settings.scanner_shapes = true;
    std::vector<HudText> looks = hud_texts(shown, settings, player, hostage, 999);
    ASSERT_EQ(looks.size(), plain.size() + labels.size());
    size_t at = 0;
    for (size_t i = 0; i < plain.size(); ++i, ++at) {
        const HudText& a = plain[i];
        const bool label = std::count(labels.begin(), labels.end(), i) > 0;
        if (label) {
            const HudText& shadow = looks[at++];
            EXPECT_EQ(shadow.text, a.text);
            EXPECT_EQ(glm::ivec3(shadow.x, shadow.y, shadow.size),
                      glm::ivec3(a.x + 2, a.y + 2, a.size));
            EXPECT_EQ(glm::vec3(shadow.r, shadow.g, shadow.b), glm::vec3(0, 0, 0));
            EXPECT_EQ(shadow.blend, TextBlendAlpha);
        }
        const HudText& b = looks[at];
        EXPECT_EQ(b.text, i == 9 ? "[+]" : a.text);
        EXPECT_EQ(b.blend, label ? int32_t(TextBlendAlpha) : a.blend) << a.text;
        EXPECT_EQ(glm::vec3(b.r, b.g, b.b), glm::vec3(a.r, a.g, a.b)) << a.text;
        EXPECT_EQ(glm::ivec3(b.x, b.y, b.size), glm::ivec3(a.x, a.y, a.size)) << a.text;
    }
    player.nearer_hostage = false;
    const HudText farther = hud_texts(shown, settings, player, hostage, 999)[14];
    EXPECT_EQ(farther.text, "[-]");
    EXPECT_EQ(glm::vec3(farther.r, farther.g, farther.b), glm::vec3(1, 0, 0));
}

// A box of the picture in text units (x from the left, y down from the top
// of the 612-unit-high text space, as print_text takes them).
struct TextBox {
    int x, y, width, height;
};

struct Pixels {
    std::vector<unsigned char> rgb;
    const unsigned char* at(int x, int y) const {
        return &rgb[(size_t(y) * gl_test::kWidth + size_t(x)) * 3];
    }
    // Calls `f` with every pixel of the box.
    template <typename F>
    void each(TextBox b, F f) const {
        const float sx = gl_test::kWidth / 800.0f, sy = gl_test::kHeight / 612.0f;
        const int left = int(b.x * sx + 0.5f), right = int((b.x + b.width) * sx + 0.5f);
        const int bottom = int((kTextFlip - b.y - b.height) * sy + 0.5f);
        const int top = int((kTextFlip - b.y) * sy + 0.5f);
        for (int y = std::max(bottom, 0); y < std::min(top, gl_test::kHeight); ++y) {
            for (int x = std::max(left, 0); x < std::min(right, gl_test::kWidth); ++x) f(at(x, y));
        }
    }
    std::vector<unsigned char> box(TextBox b) const {
        std::vector<unsigned char> out;
        each(b, [&](const unsigned char* p) { out.insert(out.end(), p, p + 3); });
        return out;
    }
    int count(TextBox b, bool (*test)(const unsigned char*)) const {
        int n = 0;
        each(b, [&](const unsigned char* p) { n += test(p) ? 1 : 0; });
        return n;
    }
};

bool black(const unsigned char* p) { return p[0] < 24 && p[1] < 24 && p[2] < 24; }
bool white(const unsigned char* p) { return p[0] > 230 && p[1] > 230 && p[2] > 230; }
bool red(const unsigned char* p) { return p[0] > 200 && p[1] < 60 && p[2] < 60; }
bool green(const unsigned char* p) { return p[1] > 200 && p[0] < 60 && p[2] < 60; }

struct TextOnScreen : ::testing::Test {
    gl_test::OffscreenTarget* target = nullptr;
    ShownStatistics shown;
    Settings settings;
    TextOverlay text;
    Player player;
    Hostage hostage;

    void SetUp() override {
        REQUIRE_GL();
        target = new gl_test::OffscreenTarget;
        gl_test::close_stdin();
        testing::internal::CaptureStdout();
        init_text_overlay(text, "texture/Holstein.DDS");
        testing::internal::GetCapturedStdout();
    }
    void TearDown() override {
        if (!target) return;
        release_text_overlay(text);
        delete target;
    }
    // A fresh frame of the game's grey, `draw` on it, read back.
    template <typename F>
    Pixels frame(F draw) {
        target->begin();
        draw();
        return Pixels{target->read()};
    }
    Pixels hud(int32_t time_left) {
        return frame([&] { draw_hud(text, shown, settings, player, hostage, time_left); });
    }
    // What `text` alone looks like where a HUD value goes.
    Pixels value_alone(const char* words, int x) {
        return frame([&] { print_text_blended(text, words, x, 528, 30, 1, 0, 0, TextBlendAlpha); });
    }
};

TEST_F(TextOnScreen, AnFReadsTheRightWayUpAndTheRightWayRound) {
    Pixels p = frame([&] { print_text(text, "F", 300, 100, 200, 1, 1, 1); });
    int left = 0, right = 0, top = 0, bottom = 0;
    auto ink = [](const unsigned char* q) { return white(q); };  // the scene behind is grey
    p.each({300, 100, 100, 200}, [&](const unsigned char* q) { left += ink(q); });
    p.each({400, 100, 100, 200}, [&](const unsigned char* q) { right += ink(q); });
    p.each({300, 100, 200, 60}, [&](const unsigned char* q) { top += ink(q); });
    p.each({300, 240, 200, 60}, [&](const unsigned char* q) { bottom += ink(q); });
    ASSERT_GT(left + right, 500) << "no glyph drawn";
    EXPECT_GT(left, 2 * right);   // the stem is on the left
    EXPECT_GT(top, 2 * bottom);   // the long bar is at the top, the stem alone below
}

TEST_F(TextOnScreen, HudShowsTheBoysValuesUnderTheirNamesAndEveryNumberAsWritten) {
    shown.player_is_girl = false;
    player.health = 13;
    hostage.health = 7;
    Pixels with_boy = hud(-1);
    EXPECT_EQ(with_boy.box({220, 528, 90, 30}), value_alone("7", 220).box({220, 528, 90, 30}));
    EXPECT_EQ(with_boy.box({370, 528, 90, 30}), value_alone("13", 370).box({370, 528, 90, 30}));
    EXPECT_EQ(with_boy.box({490, 528, 120, 30}), value_alone("-1", 490).box({490, 528, 120, 30}));

    Pixels full = hud(999);
    EXPECT_EQ(full.box({490, 528, 120, 30}), value_alone("999", 490).box({490, 528, 120, 30}));
    Pixels score_alone = frame([&] {
        print_text_blended(text, "SCORE  0", 100, -13, 20, 1, 1, 1, TextBlendStencil);
    });
    EXPECT_EQ(full.box({100, -13, 200, 20}), score_alone.box({100, -13, 200, 20}));
}

TEST_F(TextOnScreen, ScannerIsGreenWhenNearerRedOtherwiseAndEachItemBlendsItsOwnWay) {
    const TextBox scanner{610, 498, 120, 60}, label{10, 558, 120, 30}, value{70, 528, 60, 30};
    player.nearer_hostage = true;
    Pixels near = hud(999);
    EXPECT_GT(near.count(scanner, green), 100);
    EXPECT_EQ(near.count(scanner, red), 0);
    EXPECT_EQ(near.count(scanner, black), 0);  // added over the scene, cells stay clear

    player.nearer_hostage = false;
    Pixels far = hud(999);
    EXPECT_GT(far.count(scanner, red), 100);
    EXPECT_EQ(far.count(scanner, green), 0);

    // Labels keep the scene inside their strokes and darken the rest of each
    // cell, whatever their colour; values are red strokes over the scene.
    EXPECT_GT(far.count(label, black), 500);
    EXPECT_EQ(far.count(label, white), 0);
    EXPECT_GT(far.count(value, red), 50);
    EXPECT_EQ(far.count(value, black), 0);

    // Solid labels: white strokes over a thin shadow, the cells around them
    // not darkened. With shapes the scanner grows a third glyph, red like
    // the rest.
    const TextBox third_glyph{730, 498, 60, 60};
    EXPECT_EQ(far.count(third_glyph, red), 0);
    settings.solid_labels = true;
    settings.scanner_shapes = true;
    Pixels looks = hud(999);
    EXPECT_GT(looks.count(label, white), 100);
    EXPECT_LT(looks.count(label, black), far.count(label, black) / 2);
    EXPECT_GT(looks.count(third_glyph, red), 20);
    EXPECT_EQ(looks.count(scanner, green), 0);
}

}  // namespace
