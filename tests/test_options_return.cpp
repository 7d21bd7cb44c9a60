// RETURN in the options menu, driven through the menu gate: the settings
// take effect and are kept in the settings file (in a temporary folder).
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "app/key_codes.h"
#include "app/settings.h"
#include "app/settings_apply.h"
#include "loop_fixture.h"
#include "temp_files.h"

namespace fs = std::filesystem;

namespace {

constexpr double kSixtyFps = 1.0 / 60.0;

struct OptionsReturn : LoopFixture {
    TempFolder temp{"swarmfall-options"};
    fs::path folder = temp.path;

    void SetUp() override {
        LoopFixture::SetUp();
        ASSERT_FALSE(folder.empty());
        session->settings_path = (folder / "swarmfall" / "settings.conf").string();
        start_round(*session);
        game_state() = OptionsMenu;
        session->clock.tick_base = input.now;
    }
    // One key through the menu gate.
    void gate(int key) {
        input.tap(key);
        frames(50, kSixtyFps);
    }
    // FULLSCREEN flipped, then RETURN.
    void switch_fullscreen() {
        game_state() = OptionsMenu;
        for (int i = 0; i < 3; ++i) gate(kKeyDown);
        gate(kKeyRight);
        gate(kKeyDown);
        gate(kKeyDown);
        gate(kKeyEnter);
    }
    void choose_return() {
        game_state() = OptionsMenu;
        for (int i = 0; i < 2; ++i) gate(kKeyUp);  // from VOLUMEN round to RETURN
        gate(kKeyEnter);
    }
    // Lines of output holding `needle` (the frame-time lines run beside them).
    int reported(const std::string& needle) const {
        const std::string text = out.str();
        int count = 0;
        for (size_t at = text.find(needle); at != std::string::npos; at = text.find(needle, at + 1)) {
            ++count;
        }
        return count;
    }
    SettingsText kept() const {
        std::ifstream file(session->settings_path, std::ios::binary);
        return parse_settings(std::string(std::istreambuf_iterator<char>(file), {}));
    }
};

TEST_F(OptionsReturn, ReturnAppliesTheMenuValuesAndKeepsThem) {
    // Set by hand in the file: the menu keeps them as they are.
    session->settings.pace = PaceFrame;
    session->settings.shadows = false;
    session->settings.solid_labels = true;
    gate(kKeyRight);  // VOLUMEN 30
    gate(kKeyDown);
    gate(kKeyDown);
    gate(kKeyLeft);   // RADIUS 1
    gate(kKeyEnter);  // only puts the cursor back on VOLUMEN
    choose_return();
    EXPECT_EQ(game_state(), Playing);
    EXPECT_EQ(session->grenade.blast_radius, 1);
    SettingsText kept_now = kept();
    EXPECT_TRUE(kept_now.faults.empty());
    EXPECT_EQ(kept_now.settings, (Settings{30, 1, 1, false, PaceFrame, true, 4, false, true}));
}

// Start-up asks for vsync only with the real pace; the frame pace leaves
// the swap interval as the driver has it.
TEST_F(OptionsReturn, SwapIntervalFollowsThePaceAndVsync) {
    Settings settings;
    apply_swap_interval(settings);
    EXPECT_EQ(input.swap_interval, 1);
    settings.vsync = false;
    apply_swap_interval(settings);
    EXPECT_EQ(input.swap_interval, 0);
    input.swap_interval = -1;
    settings.pace = PaceFrame;
    settings.vsync = true;
    apply_swap_interval(settings);
    EXPECT_EQ(input.swap_interval, -1);
}

// Escape leaves as RETURN does, once the key is up again. The Escape that
// opened the menu, still down when the menu came up, never closes it; and
// the one that closes it leaves nothing latched to open it again in play.
TEST_F(OptionsReturn, EscapeLeavesAsReturnDoesButNotWithThePressThatOpenedTheMenu) {
    game_state() = Playing;
    session->clock.resync_clock = true;
    input.press(kKeyEscape);  // still down at the decision pass
    for (int i = 0; i < 100 && game_state() == Playing; ++i) frame(kSixtyFps);
    ASSERT_EQ(game_state(), OptionsMenu);
    frames(20, kSixtyFps);  // the first gate opens at once
    input.release(kKeyEscape);
    frames(120, kSixtyFps);
    ASSERT_EQ(game_state(), OptionsMenu);

    gate(kKeyDown);
    gate(kKeyDown);
    gate(kKeyLeft);  // RADIUS 1
    input.press(kKeyEscape);
    frames(120, kSixtyFps);  // held: the menu stays
    EXPECT_EQ(game_state(), OptionsMenu);
    input.release(kKeyEscape);
    frames(50, kSixtyFps);
    EXPECT_EQ(game_state(), Playing);
    EXPECT_EQ(session->grenade.blast_radius, 1);
    EXPECT_EQ(kept().settings, (Settings{20, 1, 1, false}));
    EXPECT_EQ(session->screens.options_cursor, OptionsVolume);
    frames(200, kSixtyFps);  // five decision passes
    EXPECT_EQ(game_state(), Playing);
}

TEST_F(OptionsReturn, FolderThatCannotBeWrittenCostsOneLineAndPlayGoesOn) {
    std::ofstream(folder / "swarmfall") << "a file in the folder's place";
    choose_return();
    EXPECT_EQ(game_state(), Playing);
    EXPECT_EQ(reported("Settings file"), 1) << out.str();
}

TEST_F(OptionsReturn, FullscreenFollowsTheSwitchOnlyWhenItChanges) {
    switch_fullscreen();
    EXPECT_TRUE(input.fullscreen);
    EXPECT_EQ(input.window_width, input.screen_width);
    EXPECT_EQ(input.framebuffer_height, input.screen_height);
    EXPECT_EQ(input.cursor_x, input.screen_width / 2);  // the view does not jump
    EXPECT_TRUE(kept().settings.fullscreen);
    choose_return();  // nothing changed: the window is left alone
    EXPECT_EQ(input.window_mode_changes, 1);
    switch_fullscreen();
    EXPECT_FALSE(input.fullscreen);
    EXPECT_EQ(input.window_width, 1024);
    EXPECT_EQ(input.window_height, 768);
    EXPECT_EQ(input.window_mode_changes, 2);
}

TEST_F(OptionsReturn, RefusedFullscreenCostsOneLineAndStaysOff) {
    input.refuse_fullscreen = true;
    switch_fullscreen();
    EXPECT_EQ(game_state(), Playing);
    EXPECT_EQ(reported("Full screen is not available here; the game goes on in its window\n"), 1);
    EXPECT_FALSE(session->settings.fullscreen);  // the menu shows OFF again
    EXPECT_FALSE(kept().settings.fullscreen);
    EXPECT_EQ(input.window_width, 1024);
}

}  // namespace
