#pragma once
// The keys as the game's readers see them, fed by each pass's input record:
// a key reads as pressed while it is down, and once more at the first read
// after a press, however short the press was; a read empties what it saw.
// So a press between two menu gates or two decision passes is seen once at
// the next one, a held key at every one, and a key that was read while
// down and then let go is not seen again.
#include <array>

#include "app/input_frame.h"

struct KeyReads {
    std::array<bool, kKeySlots> unread{};  // went down since its last read
    std::array<bool, kKeySlots> down{};    // down at the last pass

    // Once per loop pass: the pass's presses are added, what is down replaced.
    void take(const InputFrame& frame);
    // Down, or pressed since the last read of this key; the read empties
    // its press. Codes outside 32..348 read as released.
    bool read(int key);
    // Empties every press, as reading every key would.
    void flush() { unread.fill(false); }
    // True at the first code from -1 up that reads pressed; the codes above
    // it are not read, so their presses wait.
    bool read_any();
    // Reads every code and answers the highest that read pressed;
    // kKeyScanFirst - 1 when none did.
    int read_highest();
};
