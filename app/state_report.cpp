#include "app/state_report.h"

#include <ostream>

#include "app/state_table.h"

void report_state_change(int32_t& last_reported, int32_t current, std::ostream& out) {
    if (current == last_reported) return;
    last_reported = current;
    out << "state " << current;
    if (const GameStateEntry* entry = game_state_entry(current)) out << ' ' << entry->name;
    out << std::endl;  // flushed: the reader may be waiting on this line
}
