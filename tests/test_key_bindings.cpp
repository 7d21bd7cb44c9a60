// The binding table, the per-pass poll, what the reads and scans consume
// and the rebinding capture, driven by a scripted keyboard.
#include <gtest/gtest.h>

#include "app/key_bindings.h"
#include "app/key_codes.h"
#include "app/key_reads.h"
#include "scripted_platform.h"
#include "scene_builder.h"

namespace {

class KeyBindingsTest : public ::testing::Test {
protected:
    void SetUp() override {
        use_scripted_platform(&keys);
        key_bindings.clear();
        reset_default_bindings(key_bindings);
    }
    void TearDown() override { use_scripted_platform(nullptr); }

    // One loop pass's record taken in, as the loop takes it.
    void take() { reads.take(read_input(false)); }
    void poll() {
        take();
        act(player);
    }
    // What a decision pass does with the bound keys that read pressed.
    void act(Player& asked) {
        const PassCommands c = poll_bound_actions(reads, key_bindings);
        request_actions(c, asked);
        switch_camera(c, free_camera, orthographic);
    }
    bool capture(int32_t action) {
        take();
        return capture_rebinding(reads, key_bindings, action);
    }

    ScriptedPlatform keys;
    KeyReads reads;
    KeyBindings key_bindings;
    Player player;
    bool free_camera = false;
    bool orthographic = false;
};
}  // namespace

TEST_F(KeyBindingsTest, DefaultsAndResetOverwriteWithoutRemoving) {
    ASSERT_EQ(key_bindings.size(), size_t(kBindableActionCount));
    EXPECT_EQ(key_bindings[ActionForward], 87);
    EXPECT_EQ(key_bindings[ActionJump], 83);
    EXPECT_EQ(key_bindings[ActionCam3], 328);
    EXPECT_EQ(key_bindings[ActionGra3], 76);
    key_bindings[ActionForward] = kKeyUp;
    key_bindings[20] = 99;
    reset_default_bindings(key_bindings);
    EXPECT_EQ(key_bindings[ActionForward], kKeyW);
    EXPECT_EQ(key_bindings[20], 99);
}

TEST_F(KeyBindingsTest, PollOnAnEmptyTableInsertsUnboundActions) {
    key_bindings.clear();
    keys.press(kKeyW);
    poll();
    EXPECT_EQ(key_bindings.size(), size_t(kBindableActionCount));
    for (const auto& entry : key_bindings) EXPECT_EQ(entry.second, 0);
    EXPECT_FALSE(player.want_forward);
}

TEST_F(KeyBindingsTest, LeftAndRightTogetherTurnLeftAndDropTheRightLatch) {
    keys.tap(kKeyA);
    keys.tap(kKeyD);
    poll();
    EXPECT_TRUE(player.want_turn);
    EXPECT_EQ(player.turn_right, 0);
    EXPECT_FALSE(reads.read(kKeyD));

    player.clear_requests();
    keys.tap(kKeyD);
    poll();
    EXPECT_TRUE(player.want_turn);
    EXPECT_EQ(player.turn_right, 1);
}

TEST_F(KeyBindingsTest, LastThrowKeyReadWinsAndCamerasEndOnTheLaterKey) {
    keys.press(kKeyH);
    keys.press(kKeyL);
    keys.press(kKeyKeypad2);
    keys.press(kKeyKeypad4);
    keys.press(kKeyKeypad6);
    keys.press(kKeyKeypad8);
    poll();
    EXPECT_TRUE(player.want_throw);
    EXPECT_EQ(player.throw_range, 3);
    EXPECT_TRUE(free_camera);
    EXPECT_TRUE(orthographic);

    keys.release(kKeyKeypad4);
    keys.release(kKeyKeypad8);
    poll();
    EXPECT_FALSE(free_camera);
    EXPECT_FALSE(orthographic);
    EXPECT_FALSE(player.want_forward);
    EXPECT_FALSE(player.want_jump);
}

TEST_F(KeyBindingsTest, AShortTapIsSeenOnceAHeldKeyEveryPass) {
    keys.tap(kKeyW);
    poll();
    reads.flush();
    EXPECT_TRUE(player.want_forward);
    player.clear_requests();
    poll();
    EXPECT_FALSE(player.want_forward);

    keys.press(kKeyS);
    for (int pass = 0; pass < 3; ++pass) {
        player.clear_requests();
        poll();
        reads.flush();
        EXPECT_TRUE(player.want_jump) << "pass " << pass;
    }
}

TEST_F(KeyBindingsTest, FlushClearsEveryLatchAnyKeyStopsAtTheFirst) {
    keys.tap(kKeyA);
    keys.tap(kKeyEscape);
    take();
    reads.flush();
    EXPECT_FALSE(reads.read_any());

    keys.tap(kKeyA);
    keys.tap(kKeyW);
    take();
    EXPECT_TRUE(reads.read_any());
    EXPECT_FALSE(reads.read(kKeyA));
    EXPECT_TRUE(reads.read(kKeyW));
}

TEST_F(KeyBindingsTest, BindingATakenKeySwaps) {
    keys.tap(kKeyW);
    EXPECT_TRUE(capture(ActionJump));
    EXPECT_EQ(key_bindings[ActionJump], kKeyW);
    EXPECT_EQ(key_bindings[ActionForward], kKeyS);

    keys.tap(kKeyS);
    EXPECT_TRUE(capture(ActionForward));
    EXPECT_EQ(key_bindings[ActionForward], kKeyS);
    EXPECT_EQ(key_bindings[ActionJump], kKeyW);

    // A free key just moves the binding.
    keys.tap(kKeyUp);
    EXPECT_TRUE(capture(ActionLeft));
    EXPECT_EQ(key_bindings[ActionLeft], kKeyUp);
    EXPECT_EQ(key_bindings.size(), size_t(kBindableActionCount));
}

TEST_F(KeyBindingsTest, CaptureTakesTheHighestCodeAndClearsAllLatches) {
    keys.tap(kKeyA);
    keys.tap(kKeySpace);
    EXPECT_TRUE(capture(ActionGra0));
    EXPECT_EQ(key_bindings[ActionGra0], kKeyA);
    EXPECT_FALSE(reads.read_any());
}

TEST_F(KeyBindingsTest, EscapeCancelsNothingPressedKeepsWaiting) {
    KeyBindings before = key_bindings;
    EXPECT_FALSE(capture(ActionJump));
    keys.tap(kKeyEscape);
    EXPECT_TRUE(capture(ActionJump));
    EXPECT_EQ(key_bindings, before);
}

TEST_F(KeyBindingsTest, HeldForwardWalksThePlayerOutOfTheGate) {
    Scene s;
    s.city.init();
    s.before_pass = [&] {
        take();
        act(s.player);
        reads.flush();
    };
    keys.press(kKeyW);
    s.run_passes(5);
    EXPECT_EQ(s.player.cell_y, 133);
    keys.release(kKeyW);
    s.run_passes(2);
    EXPECT_EQ(s.player.cell_y, 132);

    // A tap between two passes still makes a step.
    keys.tap(kKeyW);
    s.run_passes(2);
    EXPECT_EQ(s.player.cell_y, 131);
}
