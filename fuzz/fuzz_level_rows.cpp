// The level-row parser and the file checker on any text. The parser either
// hands back exactly 1036 rows of at least 148 characters, or no rows and a
// message naming the source; a text the strict checker accepts parses too.
#include <string>
#include <string_view>

#include "fuzz/fuzz_support.h"
#include "world/level_check.h"
#include "world/level_rows.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const LevelRows parsed = parse_level_rows(text, "fuzz.txt");
    if (parsed.ok) {
        fuzz::must(parsed.error.empty(), "a parsed level has no message");
        fuzz::must(parsed.rows.size() == size_t(kLevelRowCount), "a parsed level has 1036 rows");
        for (const std::string& row : parsed.rows) {
            fuzz::must(row.size() >= size_t(kLevelRowLength), "every row holds 148 characters");
        }
    } else {
        fuzz::must(parsed.rows.empty(), "a refused level hands back no rows");
        fuzz::must(parsed.error.rfind("fuzz.txt: ", 0) == 0, "the message names the file");
    }
    const LevelCheck checked = check_level_text(text);
    fuzz::must(!checked.ok() || parsed.ok, "what the checker accepts, the parser accepts");
    return 0;
}
