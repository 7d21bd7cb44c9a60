// The gamepad read as keys, through a scripted pad: presses counted as the
// keyboard's are, the bound keys followed after a rebinding, the menus and
// the screens that wait, plugging in and pulling out, the controls menu's
// wait for a key; and the player's mappings file through the real GLFW.
#include "app/key_bindings.h"
#include "app/key_codes.h"
#include "app/pad_input.h"
#include "app/pad_layouts.h"
#include "app/pad_mappings.h"
#include "app/platform_glfw.h"
#include "loop_fixture.h"
#include "render/camera.h"
#include "temp_files.h"

namespace {

constexpr double kGate = 0.85;  // a little over the 0.8 s menu gate

struct Gamepad : LoopFixture {
    void SetUp() override {
        LoopFixture::SetUp();
        key_bindings().clear();
        reset_default_bindings(key_bindings());
        input.plug_pad();
    }

    Camera& view() { return session->camera; }
    // One look at the pad as a frame of play takes it.
    void look() {
        InputFrame frame = read_input(false);
        session->pad.feed(frame, pad_keys_for(Playing, false, key_bindings(), view().free_camera,
                                              view().orthographic));
        session->keys.take(frame);
    }
    // A decision pass's reading of the bound keys: what it asks the player for.
    Player pass() {
        Player asked;
        const PassCommands c = poll_bound_actions(session->keys, key_bindings());
        request_actions(c, asked);
        switch_camera(c, view().free_camera, view().orthographic);
        session->keys.flush();
        return asked;
    }
    // Down for one look, up again for the next.
    void tap_in_play(int button) {
        input.press_button(button);
        look();
        input.release_button(button);
        look();
    }
    // The same through the loop, in no time, so no menu gate opens.
    void tap_in_loop(int button) {
        input.press_button(button);
        frame(0.0);
        input.release_button(button);
        frame(0.0);
    }
    void open_menu(int32_t state) {
        game_state() = state;
        session->clock.tick_base = input.now;
    }
};

TEST_F(Gamepad, TapBetweenTwoPassesIsSeenOnceAndAHeldStickAtEveryPass) {
    look();
    tap_in_play(PadA);
    look();
    EXPECT_TRUE(pass().want_jump);
    look();
    EXPECT_FALSE(pass().want_jump);

    input.tilt(PadLeftY, -0.8f);  // up
    for (int i = 0; i < 3; ++i) {
        look();
        look();
        EXPECT_TRUE(pass().want_forward) << "pass " << i;
    }
    // Eased back past the press point the walk goes on; it stops only
    // inside the release point, and starts again only past the press point.
    input.tilt(PadLeftY, -0.4f);
    look();
    EXPECT_TRUE(pass().want_forward);
    input.tilt(PadLeftY, -0.2f);
    look();
    EXPECT_FALSE(pass().want_forward);
    input.tilt(PadLeftY, -0.4f);
    look();
    EXPECT_FALSE(pass().want_forward);

    // Up and left together walk and turn, as W and A together do.
    input.tilt(PadLeftY, -0.7f);
    input.tilt(PadLeftX, -0.7f);
    look();
    const Player asked = pass();
    EXPECT_TRUE(asked.want_forward && asked.want_turn);
    EXPECT_EQ(asked.turn_right, 0);
}

// The pad stands for the action's key as it is bound at the press, so a
// rebound JUMP takes A along; and the shoulder flips the view once a press
// however long it is held.
TEST_F(Gamepad, ReboundActionFollowsItsNewKeyAndTheShoulderFlipsTheView) {
    input.tap(kKeyW);
    look();
    ASSERT_TRUE(capture_rebinding(session->keys, key_bindings(), ActionJump));
    ASSERT_EQ(key_bindings()[ActionJump], kKeyW);
    ASSERT_EQ(key_bindings()[ActionForward], kKeyS);
    look();
    tap_in_play(PadA);
    Player asked = pass();
    EXPECT_TRUE(asked.want_jump);
    EXPECT_FALSE(asked.want_forward);
    input.tilt(PadLeftY, -1.0f);
    look();
    asked = pass();
    EXPECT_TRUE(asked.want_forward);
    EXPECT_FALSE(asked.want_jump);
    input.tilt(PadLeftY, 0.0f);

    tap_in_play(PadLeftShoulder);
    pass();
    EXPECT_TRUE(view().free_camera);
    input.press_button(PadLeftShoulder);
    for (int i = 0; i < 3; ++i) {
        look();
        pass();
        EXPECT_FALSE(view().free_camera) << "pass " << i;
    }
    input.release_button(PadLeftShoulder);
    tap_in_play(PadBack);
    pass();
    EXPECT_TRUE(view().orthographic);
    EXPECT_FALSE(view().free_camera);
}

TEST_F(Gamepad, MenusMoveAndChooseAndTheWaitingScreensTakeAnyButton) {
    start_playing();
    look();
    tap_in_play(PadStart);
    decision_pass(*session, input.now, out);
    ASSERT_EQ(game_state(), OptionsMenu);
    frame(0.0);
    tap_in_loop(PadB);  // back to the game, as Escape
    frame(kGate);
    ASSERT_EQ(game_state(), Playing);

    open_menu(OptionsMenu);
    frame(0.0);
    tap_in_loop(PadDpadDown);
    frame(kGate);
    EXPECT_EQ(session->screens.options_cursor, OptionsDamage);
    frame(kGate);
    EXPECT_EQ(session->screens.options_cursor, OptionsDamage);
    tap_in_loop(PadDpadRight);
    frame(kGate);
    EXPECT_EQ(session->settings.damage, Settings{}.damage + 1);
    input.tilt(PadLeftY, 0.9f);  // held down: one step per gate opening
    for (int i = 0; i < 3; ++i) frame(kGate);
    EXPECT_EQ(session->screens.options_cursor, OptionsControl);
    input.tilt(PadLeftY, 0.0f);
    tap_in_loop(PadA);
    frame(kGate);
    EXPECT_EQ(game_state(), ControlsMenu);

    game_state() = ChooseCharacter;
    tap_in_loop(PadRightShoulder);
    EXPECT_EQ(game_state(), Story);
    EXPECT_FALSE(session->player_is_girl);
    game_state() = ChooseCharacter;
    input.press_button(PadA);  // no choice
    frame(0.0);
    input.release_button(PadA);
    input.press_button(PadX);
    frame(0.0);
    EXPECT_EQ(game_state(), Story);
    EXPECT_TRUE(session->player_is_girl);
    input.release_button(PadX);

    game_state() = StoryWaitKey;
    frame(0.0);
    EXPECT_EQ(game_state(), StoryWaitKey);
    tap_in_loop(PadY);
    EXPECT_EQ(game_state(), Playing);
}

TEST_F(Gamepad, PulledPadLetsGoAndADriftingStickWaitsToBeCentred) {
    look();
    input.tilt(PadLeftY, -1.0f);
    look();
    look();
    EXPECT_TRUE(pass().want_forward);
    input.pull_pad();
    look();
    EXPECT_FALSE(pass().want_forward);
    EXPECT_FALSE(session->pad.connected);

    // Back in with both sticks off centre and A held: none of it counts.
    input.plug_pad();
    input.tilt(PadLeftY, -0.7f);
    input.tilt(PadRightX, 0.6f);
    input.press_button(PadA);
    for (int i = 0; i < 3; ++i) {
        look();
        const Player asked = pass();
        EXPECT_FALSE(asked.want_forward || asked.want_jump) << "pass " << i;
        EXPECT_EQ(session->pad.look.x, 0.0f);
    }
    EXPECT_TRUE(session->pad.connected);
    input.tilt(PadLeftY, -0.1f);
    input.tilt(PadRightX, 0.1f);
    input.release_button(PadA);
    look();
    EXPECT_FALSE(pass().want_forward);
    input.tilt(PadLeftY, -0.7f);
    input.tilt(PadRightX, 0.6f);
    input.press_button(PadA);
    look();
    const Player asked = pass();
    EXPECT_TRUE(asked.want_forward && asked.want_jump);
    EXPECT_GT(session->pad.look.x, 0.0f);

    // Another pad in its place is plugged in anew.
    input.pad.id = 1;
    look();
    EXPECT_FALSE(pass().want_forward);
}

// Only a keyboard key binds: the pad's buttons and sticks, even one held
// from the press that opened the wait, leave it waiting; B cancels.
TEST_F(Gamepad, RebindingWaitIgnoresThePadButBCancels) {
    open_menu(ControlsMenu);
    frame(0.0);
    for (int i = 0; i < 3; ++i) {
        tap_in_loop(PadDpadDown);
        frame(kGate);
    }
    ASSERT_EQ(session->screens.controls_cursor, ActionJump);
    input.press_button(PadA);
    frame(kGate);
    ASSERT_TRUE(session->rebinding);

    input.tilt(PadLeftY, 0.9f);
    tap_in_loop(PadX);
    tap_in_loop(PadStart);
    frame(kGate);
    frame(kGate);
    EXPECT_TRUE(session->rebinding);
    EXPECT_EQ(key_bindings()[ActionJump], kKeyS);
    input.release_button(PadA);
    input.tilt(PadLeftY, 0.0f);

    tap_in_loop(PadB);
    frame(kGate);
    EXPECT_FALSE(session->rebinding);
    EXPECT_EQ(key_bindings()[ActionJump], kKeyS);

    tap_in_loop(PadA);
    frame(kGate);
    ASSERT_TRUE(session->rebinding);
    input.tap(kKeySpace);
    frame(kGate);
    EXPECT_FALSE(session->rebinding);
    EXPECT_EQ(key_bindings()[ActionJump], kKeySpace);
}

// A made-up pad's mapping, in the database's format.
constexpr const char* kGoodMapping =
    "0300000053776172666c6c5061640000,Swarmfall test pad,a:b0,b:b1,x:b2,y:b3,"
    "leftshoulder:b4,rightshoulder:b5,back:b6,start:b7,leftx:a0,lefty:a1,rightx:a3,"
    "righty:a4,lefttrigger:a2,righttrigger:a5,dpup:h0.1,dpright:h0.2,dpdown:h0.4,dpleft:h0.8,";

// GLFW itself judges each line: comments and blank lines pass, a line that
// is no mapping is counted whether GLFW objects or passes over it silently,
// and a file of garbage costs one line naming it.
TEST(PadMappings, GlfwJudgesEachLineAndAGarbageFileCostsOneLine) {
    use_platform(glfw_platform());
    ASSERT_TRUE(start_window_system());
    const std::string text = std::string("# from the database\n\n") + kGoodMapping +
                             "\r\nnot a mapping at all\n0123abcd,half a mapping\n  " + kGoodMapping + "\n";
    const PadMappingLines lines = add_pad_mapping_lines(text);
    EXPECT_EQ(lines.tried, 4);
    EXPECT_EQ(lines.rejected, 2);
    EXPECT_EQ(lines.first_rejected, 4);

    const TempFolder folder("swarmfall-pad");
    const std::string path = (folder.path / "gamecontrollerdb.txt").string();
    std::ostringstream out;
    load_pad_mappings(path, out);
    EXPECT_EQ(out.str(), "");
    const char garbage[] = "\x7f" "ELF\x02\x01\0\0\nbinary\n\xff\xfe";
    write_file(path, std::string(garbage, sizeof garbage - 1));
    load_pad_mappings(path, out);
    EXPECT_EQ(line_count(out.str()), 1) << out.str();
    EXPECT_NE(out.str().find(path + ": 3 of 3 lines are not mappings GLFW can read (the first, line 1: \"?ELF??"),
              std::string::npos) << out.str();
    end_window_system();
    use_platform(PlatformDoors{});
}

}  // namespace
