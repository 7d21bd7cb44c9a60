// The options and controls menus: values and cursors wrapping round, the key
// names, the default controls lines, and the controls menu driven through
// the loop's gate.
#include <algorithm>
#include <map>
#include <sstream>
#include <string>

#include "app/key_bindings.h"
#include "app/key_codes.h"
#include "app/settings.h"
#include "loop_fixture.h"
#include "ui/screen_resources.h"

namespace {

struct Menus : ::testing::Test {
    ScreenResources screens;
    Settings settings;
    void SetUp() override { screens.init_menus(); }

    // Presses Right (or Left) `count` times on `item`; the values seen after each press.
    std::string walk(int32_t item, int count, bool up) {
        screens.options_cursor = item;
        std::string seen;
        for (int i = 0; i < count; ++i) {
            up ? options_value_up(screens, settings) : options_value_down(screens, settings);
            seen += options_line(settings, item).substr(20) + " ";
        }
        return seen;
    }
};

TEST_F(Menus, EveryValueWrapsRoundItsOwnRangeAndCommandsHaveNone) {
    EXPECT_EQ(walk(OptionsVolume, 11, true), "30 40 50 60 70 80 90 100 0 10 20 ");
    EXPECT_EQ(walk(OptionsVolume, 3, false), "10 0 100 ");
    EXPECT_EQ(walk(OptionsDamage, 21, true),
              "2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20 0 1 ");
    EXPECT_EQ(walk(OptionsDamage, 2, false), "0 20 ");
    EXPECT_EQ(walk(OptionsRadius, 3, false), "1 0 3 ");
    EXPECT_EQ(walk(OptionsRadius, 2, true), "0 1 ");
    EXPECT_EQ(walk(OptionsFullscreen, 2, true), "ON OFF ");
    const Settings before = settings;
    for (int32_t item : {OptionsControl, OptionsReturn, OptionsExit}) {
        screens.options_cursor = item;
        options_value_up(screens, settings);
        options_value_down(screens, settings);
    }
    EXPECT_TRUE(settings == before);
}

TEST_F(Menus, CursorsWrapAtBothEndsAndSelectGoesBackToTheTop) {
    options_cursor_up(screens);
    EXPECT_EQ(screens.options_cursor, OptionsExit);
    EXPECT_EQ(screens.options_cursor_label.y, 289.0f);
    options_cursor_down(screens);
    EXPECT_EQ(screens.options_cursor, OptionsVolume);
    EXPECT_EQ(screens.options_cursor_label.y, 97.0f);
    options_cursor_down(screens);
    EXPECT_EQ(options_select(screens), OptionsDamage);
    EXPECT_EQ(screens.options_cursor, 0);
    EXPECT_EQ(screens.options_cursor_label.y, 97.0f);

    controls_cursor_up(screens);
    EXPECT_EQ(screens.controls_cursor, kControlsReturn);
    EXPECT_EQ(screens.controls_cursor_label.y, 320.0f);
    controls_cursor_down(screens);
    EXPECT_EQ(screens.controls_cursor, 0);
    EXPECT_EQ(screens.controls_cursor_label.y, 99.0f);
}

// The whole naming table as a property over every code the scans can see
// (and some they cannot): named codes by name, ranges by rule, the rest "Unknow".
TEST(KeyNames, EveryCodeHasItsNameAndTheRestAreUnknow) {
    const std::map<int32_t, std::string> named = {
        {32, "Space"},      {44, "Comma"},      {46, "Period"},    {47, "Slash"},
        {59, "SemiColon"},  {61, "Equal"},      {91, "LBracket"},  {92, "BackSlash"},
        {93, "RBracket"},   {256, "Escape"},    {257, "Return"},   {258, "Tab"},
        {259, "BackSpace"}, {260, "Insert"},    {261, "Delete"},   {262, "Right"},
        {263, "Left"},      {264, "Down"},      {265, "Up"},       {266, "PageUp"},
        {267, "PageDown"},  {268, "Home"},      {269, "End"},      {284, "Pause"},
        {331, "Divide"},    {332, "Multiply"},  {333, "Subtract"}, {334, "Add"},
        {340, "LShift"},    {341, "LControl"},  {342, "LAlt"},     {343, "LSystem"},
        {344, "RShift"},    {345, "RControl"},  {346, "RAlt"},     {347, "RSystem"},
        {348, "Menu"},
    };
    for (int32_t code = -300; code <= 400; ++code) {
        std::string expected = "Unknow";
        if (code >= 'A' && code <= 'Z') expected = std::string(1, char(code));
        else if (code >= '0' && code <= '9') expected = "Num" + std::to_string(code - '0');
        else if (code >= 320 && code <= 329) expected = "Numpad" + std::to_string(code - 320);
        else if (code >= 290 && code <= 304) expected = "F" + std::to_string(code - 289);
        else if (named.count(code)) expected = named.at(code);
        EXPECT_EQ(key_name(code), expected) << "code " << code;
    }
}

TEST(ControlsLines, DefaultKeysReadAfterTheirPrefixesAndTheTwoCommandsHaveNone) {
    const char* const expected[kControlsItemCount] = {
        "  FORWARD         W",       "  RIGHT           D",       "  LEFT            A",
        "  JUMP            S",       "  CAM0            Numpad2", "  CAM1            Numpad4",
        "  CAM2            Numpad6", "  CAM3            Numpad8", "  GRA0            H",
        "  GRA1            J",       "  GRA2            K",       "  GRA3            L",
        "  RESET                ",   "  RETURN                ",
    };
    for (int32_t item = 0; item < kControlsItemCount; ++item) {
        const int32_t key = item < kBindableActionCount ? kDefaultKeys[item] : 0;
        EXPECT_EQ(controls_line(item, key), expected[item]) << "item " << item;
    }
}

constexpr double kGate = 0.85;  // a little over the 0.8 s gate

// The controls menu as the loop runs it: one key per gate opening.
struct ControlsMenuLoop : LoopFixture {
    void SetUp() override {
        LoopFixture::SetUp();
        key_bindings().clear();
        reset_default_bindings(key_bindings());
        game_state() = ControlsMenu;
        session->clock.tick_base = input.now;
    }
    void gate(int key) {
        input.tap(key);
        frame(kGate);
    }
};

// The options cursor's line on standard output: once when the menu comes on
// screen and once per move of its cursor, never for frames that change
// nothing (a fast machine would write a thousand lines a second).
TEST_F(ControlsMenuLoop, OptionsCursorLineWhenTheMenuComesOnScreenAndWhenTheCursorMoves) {
    std::ostringstream lines;
    auto run = [&](int count) {
        for (int i = 0; i < count; ++i) {
            frame(1.0 / 60.0);
            report_options_cursor(session->screens, game_state() == OptionsMenu, lines);
        }
    };
    auto count = [&] {
        const std::string text = lines.str();
        return std::count(text.begin(), text.end(), '\n');
    };
    game_state() = OptionsMenu;
    run(120);  // two gate openings with nothing pressed
    EXPECT_EQ(lines.str(), "114\n");
    for (int key : {kKeyDown, kKeyLeft, kKeyEnter}) {  // DAMAGE 0; Enter goes back to VOLUMEN
        input.tap(key);
        run(50);
    }
    EXPECT_EQ(count(), 3);
    for (int key : {kKeyUp, kKeyUp, kKeyUp, kKeyEnter}) {  // CONTROL
        input.tap(key);
        run(50);
    }
    ASSERT_EQ(game_state(), ControlsMenu);
    EXPECT_EQ(count(), 6);
    for (int key : {kKeyUp, kKeyEnter}) {  // RETURN: the options menu again, on VOLUMEN
        input.tap(key);
        run(50);
    }
    ASSERT_EQ(game_state(), OptionsMenu);
    EXPECT_EQ(count(), 7);
}

// Keys pressed as people press them, down for about 0.15 s with a gate
// opening meanwhile: Down moves the cursor once, and the Enter that starts
// the wait for a key is not taken as that key once it comes up.
TEST_F(ControlsMenuLoop, AKeyDownAcrossAGateActsOnceAndIsNotTheKeyItWaitsFor) {
    const auto across_the_next_gate = [&](int key) {
        const double opens = session->clock.tick_base + 0.8;
        input.hold(key, opens - 0.1, opens + 0.05);
        frames(60, 1.0 / 60.0);
    };
    across_the_next_gate(kKeyDown);
    EXPECT_EQ(session->screens.controls_cursor, ActionRight);
    across_the_next_gate(kKeyEnter);
    ASSERT_TRUE(session->rebinding);
    frames(100, 1.0 / 60.0);
    EXPECT_TRUE(session->rebinding);
    EXPECT_EQ(session->screens.controls_cursor, ActionRight);
    across_the_next_gate(kKeyW);
    EXPECT_FALSE(session->rebinding);
    EXPECT_EQ(key_bindings()[ActionRight], kKeyW);
    EXPECT_EQ(key_bindings()[ActionForward], kKeyD);
}

TEST_F(ControlsMenuLoop, EnterWaitsForAKeyTheNextGateBindsItResetAndReturn) {
    for (int i = 0; i < 3; ++i) gate(kKeyDown);  // JUMP
    gate(kKeyEnter);
    EXPECT_TRUE(session->rebinding);
    EXPECT_EQ(key_bindings()[ActionJump], kKeyS);
    frame(kGate);  // nothing pressed: still waiting
    EXPECT_TRUE(session->rebinding);
    gate(kKeyW);
    EXPECT_FALSE(session->rebinding);
    EXPECT_EQ(key_bindings()[ActionJump], kKeyW);
    EXPECT_EQ(key_bindings()[ActionForward], kKeyS);
    EXPECT_EQ(game_state(), ControlsMenu);

    gate(kKeyUp);
    gate(kKeyUp);
    gate(kKeyUp);
    gate(kKeyUp);
    gate(kKeyUp);  // from JUMP round to RESET
    ASSERT_EQ(session->screens.controls_cursor, kControlsReset);
    gate(kKeyEnter);
    EXPECT_EQ(key_bindings()[ActionJump], kKeyS);
    EXPECT_EQ(key_bindings()[ActionForward], kKeyW);
    EXPECT_EQ(session->screens.controls_cursor, kControlsReset);
    EXPECT_FALSE(session->rebinding);

    gate(kKeyDown);
    gate(kKeyEnter);
    EXPECT_EQ(game_state(), OptionsMenu);
    EXPECT_EQ(session->screens.controls_cursor, 0);
    EXPECT_EQ(session->screens.controls_cursor_label.y, 99.0f);
}

}  // namespace
