#pragma once
// Whole games played through the real loop by a script, as a player would
// press the keys, recorded as the game records them at the real pace. The
// committed test replays (tests/replays/) were written by record_games from
// these plans; test_replays plays them again and records them anew.
#include <cstdint>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "app/game_loop.h"
#include "app/game_session.h"
#include "app/game_state.h"
#include "app/key_codes.h"
#include "app/replay_session.h"
#include "scripted_platform.h"

// A key tapped, or held for `hold` seconds, once `frame` frames of play of
// this game have passed.
struct PlayStep {
    int frame = 0;
    int key = 0;
    double hold = 0.0;
};

struct GamePlan {
    const char* name = "";
    bool girl = true;
    std::vector<PlayStep> steps;
    // Keys for the options menu, one per opening of its gate, used in turn
    // each time play opens the menu.
    std::vector<int> menu_keys;
};

struct RecordedGame {
    Replay replay;
    std::vector<uint64_t> pass_hashes;
};

constexpr double kRecordingFrame = 0.05;  // 20 frames a second
constexpr double kMenuKeyGap = 0.9;       // one key per opening of the gate

// The two games of tests/replays: walks, turns, climbs and throws; the
// girl's with a rescue, the options menu changing DAMAGE and RADIUS, and a
// death, ended by the time-up key; the boy's, played after hers in the same
// run (so it starts on the trail her ants left), up the street into the
// ants' bites and on to the end of its countdown.
inline std::vector<GamePlan> scripted_plans() {
    using P = PlayStep;
    GamePlan girl{"girl-rescue-menu", true, {}, {}};
    girl.steps = {P{10, kKeyW, 6.0}, P{80, kKeyD}, P{90, kKeyW, 2.0}, P{140, kKeyH},
                  P{160, kKeyA}, P{170, kKeyS}, P{175, kKeyW, 1.2}, P{200, kKeyK},
                  P{260, kKeyF8}, P{300, kKeyW, 4.0}, P{320, kKeyEscape}, P{420, kKeyL},
                  P{440, kKeyD}, P{450, kKeyW, 6.0}, P{600, kKeyJ}, P{700, kKeyF10},
                  P{760, kKeyW, 2.0}, P{900, kKeyF11}};
    girl.menu_keys = {kKeyDown, kKeyRight, kKeyRight, kKeyDown, kKeyLeft, kKeyDown, kKeyDown,
                      kKeyDown, kKeyEnter};
    GamePlan boy{"boy-countdown", false, {}, {}};
    boy.steps.push_back(P{10, kKeyW, 7.0});  // up the street, into the ants' sight
    for (int i = 0; i < 400; ++i) {
        const int at = 200 + i * 50;
        boy.steps.push_back(P{at, kKeyW, 1.5});
        boy.steps.push_back(P{at + 35, i % 3 == 0 ? kKeyA : kKeyD, 0.0});
        if (i % 4 == 1) boy.steps.push_back(P{at + 40, kKeyH + (i / 4) % 4, 0.0});
    }
    return {girl, boy};
}

// A session on a scripted platform, fed one 20 fps frame at a time.
struct ScriptedRun {
    ScriptedPlatform input;
    std::unique_ptr<GameSession> session;
    std::ostringstream out;

    ScriptedRun() {
        use_scripted_platform(&input);
        session = std::make_unique<GameSession>();
        session->init_world();
    }
    ~ScriptedRun() { use_scripted_platform(nullptr); }
    ScriptedRun(const ScriptedRun&) = delete;
    ScriptedRun& operator=(const ScriptedRun&) = delete;

    void frame(double dt) {
        input.advance(dt);
        run_logic_pass(*session, out);
    }

    // From the title to the time-up screen and its key; the game's record.
    RecordedGame play(const GamePlan& plan) {
        GameSession& s = *session;
        int play_frames = 0;
        size_t step = 0, menu_key = 0;
        double next_menu_key = 0.0;
        for (int guard = 0; guard < 100000; ++guard) {
            frame(kRecordingFrame);
            if (s.state == ChooseCharacter) input.tap(plan.girl ? kKeyG : kKeyB);
            if (s.state == StoryWaitKey || s.state == ScoreWaitKey) input.tap(kKeyEnter);
            if (s.state == OptionsMenu && menu_key < plan.menu_keys.size() &&
                input.now >= next_menu_key) {
                input.tap(plan.menu_keys[menu_key++]);
                next_menu_key = input.now + kMenuKeyGap;
            }
            if (s.state == TimeUpWaitKey) {
                input.tap(kKeyEnter);
                frame(kRecordingFrame);
                break;
            }
            if (s.state != Playing) continue;
            ++play_frames;
            for (; step < plan.steps.size() && plan.steps[step].frame <= play_frames; ++step) {
                const PlayStep& p = plan.steps[step];
                if (p.hold > 0.0) {
                    input.hold(p.key, input.now, input.now + p.hold);
                } else {
                    input.tap(p.key);
                }
            }
        }
        return {s.recording.replay, s.recording.pass_hashes};
    }
};

// The hashes file: one hash a line, in hex.
inline std::string hashes_text(const std::vector<uint64_t>& hashes) {
    std::ostringstream text;
    for (uint64_t h : hashes) text << std::hex << h << '\n';
    return text.str();
}
