#include "app/state_report.h"

#include <ostream>

namespace {
const char* const kStateNames[] = {
    "Intro",        "ChooseCharacter", "Story",         "StoryWaitKey",   "Playing",
    "HaveAnotherGo", "RescueMessage",  "ScoreScreen",   "ScoreWaitKey",   "OptionsMenu",
    "ControlsMenu", "TimeUpScreen",    "TimeUpWaitKey", "DeathMessage",   "HostageFound",
};
constexpr int32_t kStateCount = int32_t(sizeof kStateNames / sizeof kStateNames[0]);
}  // namespace

void report_state_change(int32_t& last_reported, int32_t current, std::ostream& out) {
    if (current == last_reported) return;
    last_reported = current;
    out << "state " << current;
    if (current >= 0 && current < kStateCount) out << ' ' << kStateNames[current];
    out << std::endl;  // flushed: the reader may be waiting on this line
}
