#include "app/replay.h"

#include <charconv>
#include <sstream>

#include "app/pass_commands.h"
#include "app/settings.h"
#include "app/user_files.h"
#include "world/city_grid.h"

namespace {
constexpr const char* kFirstWord = "swarmfall-replay";
constexpr int32_t kMostScore = 1000000000;
constexpr int32_t kMostScent = 1000000000;

// Idle passes (no command) are written as one line per run.
void write_passes(std::ostringstream& out, const Replay& r) {
    size_t menu = 0;
    auto menus_after = [&](size_t passes) {
        for (; menu < r.menus.size() && r.menus[menu].passes == int64_t(passes); ++menu) {
            out << "menu " << r.menus[menu].damage << ' ' << r.menus[menu].radius << '\n';
        }
    };
    menus_after(0);
    size_t i = 0;
    while (i < r.passes.size()) {
        if (r.passes[i] == 0) {
            size_t run = 0;
            while (i < r.passes.size() && r.passes[i] == 0 && (run == 0 || menu == r.menus.size() ||
                                                             r.menus[menu].passes != int64_t(i))) {
                ++run;
                ++i;
            }
            out << "idle " << run << '\n';
        } else {
            out << "pass " << std::hex << r.passes[i] << std::dec << '\n';
            ++i;
        }
        menus_after(i);
    }
}
}  // namespace

bool Replay::operator==(const Replay& o) const {
    return player_is_girl == o.player_is_girl && seeds.ants == o.seeds.ants &&
           seeds.draws == o.seeds.draws && damage == o.damage && radius == o.radius &&
           scent == o.scent && passes == o.passes && menus == o.menus && ended == o.ended &&
           score == o.score && rescues == o.rescues;
}

std::string replay_text(const Replay& r) {
    std::ostringstream out;
    out << kFirstWord << ' ' << kReplayVersion << '\n';
    out << "character " << (r.player_is_girl ? "girl" : "boy") << '\n';
    out << "seeds " << r.seeds.ants << ' ' << r.seeds.draws << '\n';
    out << "settings damage " << r.damage << " radius " << r.radius << '\n';
    out << "scent " << r.scent.size() << '\n';
    for (const ScentCell& c : r.scent) out << c.x << ' ' << c.y << ' ' << c.value << '\n';
    write_passes(out, r);
    if (r.ended) out << "end " << r.score << ' ' << r.rescues << '\n';
    return out.str();
}

namespace {
// The reader: one line at a time, each checked word by word.
struct Reader {
    std::vector<std::string_view> lines;
    size_t next = 0;
    std::string problem;

    bool fail(const std::string& what, const std::string& expected, std::string_view found) {
        const bool words = found == "an empty file" || found.find("the end of the file") == 0;
        problem = what + ": expected " + expected + ", found " +
                  (words ? std::string(found) : shown_in_report(found));
        return false;
    }
    std::string where() const { return "line " + std::to_string(next); }
    // The next line's words; false at the end of the text.
    bool line(std::vector<std::string_view>& words) {
        if (next >= lines.size()) return false;
        words.clear();
        std::string_view rest = lines[next++];
        while (!rest.empty()) {
            const size_t start = rest.find_first_not_of(' ');
            if (start == std::string_view::npos) break;
            rest.remove_prefix(start);
            const size_t end = std::min(rest.find(' '), rest.size());
            words.push_back(rest.substr(0, end));
            rest.remove_prefix(end);
        }
        return true;
    }
    template <typename Number>
    bool number(std::string_view word, Number low, Number high, Number& value, int base = 10) {
        const char* end = word.data() + word.size();
        const auto [ptr, ec] = std::from_chars(word.data(), end, value, base);
        if (ec != std::errc{} || ptr != end || value < low || value > high) {
            const std::string range = base == 16 ? "a hex number up to " + to_hex(high)
                                                 : "a number from " + std::to_string(low) +
                                                       " to " + std::to_string(high);
            return fail(where(), range, word);
        }
        return true;
    }
    template <typename Number>
    static std::string to_hex(Number n) {
        std::ostringstream out;
        out << std::hex << n;
        return out.str();
    }
    // A line of exactly `count` words, the first being `keyword`.
    bool keyed(std::vector<std::string_view>& words, const char* keyword, size_t count,
               const std::string& form) {
        if (!line(words)) return fail(where(), "\"" + form + "\"", "the end of the file");
        if (words.size() != count || words[0] != keyword) {
            return fail(where(), "\"" + form + "\"", lines[next - 1]);
        }
        return true;
    }
};

bool read_header(Reader& in, Replay& r) {
    std::vector<std::string_view> w;
    if (!in.line(w) || w.size() != 2 || w[0] != kFirstWord) {
        return in.fail("first line", std::string("\"") + kFirstWord + " " +
                                          std::to_string(kReplayVersion) + "\"",
                       in.lines[0].empty() && in.lines.size() == 1 ? std::string_view("an empty file")
                                                                   : in.lines[0]);
    }
    if (w[1] != std::to_string(kReplayVersion)) {
        return in.fail("version", std::to_string(kReplayVersion), w[1]);
    }
    if (!in.keyed(w, "character", 2, "character girl|boy")) return false;
    if (w[1] != "girl" && w[1] != "boy") return in.fail(in.where(), "girl or boy", w[1]);
    r.player_is_girl = w[1] == "girl";
    if (!in.keyed(w, "seeds", 3, "seeds ANTS DRAWS")) return false;
    if (!in.number(w[1], 0u, 4294967295u, r.seeds.ants)) return false;
    if (!in.number(w[2], 0u, 4294967295u, r.seeds.draws)) return false;
    if (!in.keyed(w, "settings", 5, "settings damage D radius R")) return false;
    if (w[1] != "damage" || w[3] != "radius") {
        return in.fail(in.where(), "\"settings damage D radius R\"", in.lines[in.next - 1]);
    }
    return in.number(w[2], kDamageRange.low, kDamageRange.high, r.damage) &&
           in.number(w[4], kRadiusRange.low, kRadiusRange.high, r.radius);
}

bool read_scent(Reader& in, Replay& r) {
    std::vector<std::string_view> w;
    int32_t count = 0;
    if (!in.keyed(w, "scent", 2, "scent COUNT") ||
        !in.number(w[1], 0, kMostReplayScentCells, count)) {
        return false;
    }
    r.scent.resize(size_t(count));
    for (ScentCell& c : r.scent) {
        if (!in.line(w)) return in.fail(in.where(), "\"X Y SCENT\"", "the end of the file");
        if (w.size() != 3) return in.fail(in.where(), "\"X Y SCENT\"", in.lines[in.next - 1]);
        if (!in.number(w[0], 0, kCityColumns - 1, c.x) || !in.number(w[1], 0, kCityRows - 1, c.y) ||
            !in.number(w[2], 1, kMostScent, c.value)) {
            return false;
        }
    }
    return true;
}

bool read_entry(Reader& in, Replay& r, const std::vector<std::string_view>& w) {
    if (w.size() == 2 && w[0] == "idle") {
        int64_t run = 0;
        if (!in.number(w[1], int64_t(1), kMostReplayPasses - int64_t(r.passes.size()), run)) {
            return false;
        }
        r.passes.resize(r.passes.size() + size_t(run), 0);
        return true;
    }
    if (w.size() == 2 && w[0] == "pass") {
        uint32_t packed = 0;
        PassCommands commands;
        if (!in.number(w[1], 1u, kMostPackedCommands, packed, 16)) return false;
        if (!unpack_commands(packed, commands)) return in.fail(in.where(), "a pass's commands", w[1]);
        if (int64_t(r.passes.size()) >= kMostReplayPasses) {
            return in.fail(in.where(), "at most " + std::to_string(kMostReplayPasses) + " passes", w[1]);
        }
        r.passes.push_back(packed);
        return true;
    }
    if (w.size() == 3 && w[0] == "menu") {
        ReplayMenu menu{int64_t(r.passes.size()), 0, 0};
        if (!in.number(w[1], kDamageRange.low, kDamageRange.high, menu.damage) ||
            !in.number(w[2], kRadiusRange.low, kRadiusRange.high, menu.radius)) {
            return false;
        }
        r.menus.push_back(menu);
        return true;
    }
    if (w.size() == 3 && w[0] == "end") {
        r.ended = true;
        return in.number(w[1], 0, kMostScore, r.score) && in.number(w[2], 0, kMostScore, r.rescues);
    }
    return in.fail(in.where(), "idle, pass, menu or end", in.lines[in.next - 1]);
}
}  // namespace

bool parse_replay(std::string_view text, Replay& r, std::string& problem) {
    r = Replay{};
    Reader in;
    in.lines = user_file_lines(text);
    bool ok = read_header(in, r) && read_scent(in, r);
    std::vector<std::string_view> words;
    while (ok && !r.ended) {
        if (!in.line(words)) {
            ok = in.fail("last line", "\"end SCORE RESCUES\"", "the end of the file (cut short)");
            break;
        }
        if (!words.empty()) ok = read_entry(in, r, words);
    }
    while (ok && in.next < in.lines.size() && in.lines[in.next].empty()) ++in.next;
    if (ok && in.next < in.lines.size()) ok = in.fail("after end", "nothing", in.lines[in.next]);
    if (!ok) problem = in.problem;
    return ok;
}
