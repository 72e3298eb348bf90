// Reading the Story map file "mappath.dat" and checking that a Story game can be played on it.
#include "core/map_file.h"

#include <array>
#include <charconv>
#include <optional>
#include <string>
#include <vector>

#include "core/game_state.h"
#include "core/rounding.h"
#include "platform/services.h"

namespace core {
namespace {

constexpr int kMapCols = 21;
constexpr int kMapRows = 16;
constexpr int kRecords = 11;
constexpr int kSecretRecords = 10;  // record 11 only marks its anchor
const std::string kFileName = "mappath.dat";

struct Square {
    int col = 0;
    int row = 0;
    bool operator==(const Square&) const = default;
};

bool on_map(Square s) { return s.col >= 1 && s.col <= kMapCols && s.row >= 1 && s.row <= kMapRows; }

std::string text_of(Square s) {
    return "(" + std::to_string(s.col) + ", " + std::to_string(s.row) + ")";
}

std::uint8_t square_code(char ch) {
    switch (ch) {
        case ' ': return map_square::kBlank;
        case '*': return map_square::kPath;
        case 'X': return map_square::kRound;
        case '@': return map_square::kStar;
        default: return map_square::kOther;
    }
}

// The square a secret takes for one direction letter. A letter the game does not know moves
// nowhere, which is where the game itself then leaves the secret: on its anchor.
Square step_from(Square anchor, char letter) {
    switch (letter) {
        case 'L': return {anchor.col - 1, anchor.row};
        case 'R': return {anchor.col + 1, anchor.row};
        case 'U': return {anchor.col, anchor.row - 1};
        case 'D': return {anchor.col, anchor.row + 1};
        default: return anchor;
    }
}

// Plain decimal numbers only: from_chars alone would also take "inf", "nan" and exponents.
std::optional<double> parse_number(const std::string& text) {
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    const std::size_t sign = i;
    std::size_t digits = 0;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') { ++i; ++digits; }
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9') { ++i; ++digits; }
    }
    if (digits == 0 || i != text.size()) return std::nullopt;
    double value = 0.0;
    const auto [end, error] = std::from_chars(text.data() + sign, text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return text[0] == '-' ? -value : value;
}

// A field as quoted in a message: one line, short, printable.
std::string shown(const std::string& field) {
    std::string out;
    for (const char ch : field.substr(0, 20)) out += (ch >= ' ' && ch <= '~') ? ch : '?';
    return field.size() > 20 ? out + "..." : out;
}

// What stopped the reading: "" while all is well.
using Problem = std::string;

class MapReader {
public:
    explicit MapReader(CoreState& s) : s_(s), file_(platform::data_path(kFileName)) {}

    Problem read() {
        if (!file_.ok()) return kFileName + " is missing or cannot be read.";
        for (int row = 1; row <= kMapRows; ++row) {
            if (file_.eof()) {
                return kFileName + " ends after " + std::to_string(row - 1) + " of its " +
                       std::to_string(kMapRows) + " map lines.";
            }
            // A short line ends in blank squares; characters past the 21st are ignored.
            const std::string line = file_.read_line() + std::string(27, ' ');
            for (int col = 1; col <= kMapCols; ++col) {
                s_.map_grid[static_cast<std::size_t>(col)][static_cast<std::size_t>(row)] =
                    square_code(line[static_cast<std::size_t>(col - 1)]);
            }
        }
        for (int i = 1; i <= kRecords; ++i) {
            if (Problem p = read_record(i); !p.empty()) return p;
        }
        return {};
    }

private:
    Problem read_record(int i) {
        const auto slot = static_cast<std::size_t>(i);
        std::uint8_t col = 0, row = 0;
        if (Problem p = read_byte(i, "anchor column", col); !p.empty()) return p;
        if (Problem p = read_byte(i, "anchor row", row); !p.empty()) return p;
        std::string text, pic, dirs;
        if (!read_text(text) || !read_text(pic) || !read_text(dirs)) return ended(i);
        s_.anchor_col[slot] = col;
        s_.anchor_row[slot] = row;
        s_.secret_text[slot] = text;
        s_.secret_pic[slot] = pic;
        s_.secret_dirs[slot] = dirs;

        // The anchor is marked on the map, so it must lie on it: the border stays blank and
        // a secret next to the anchor cannot fall outside the grid.
        if (!on_map({col, row})) {
            return kFileName + ": the anchor of record " + std::to_string(i) + ", square " +
                   text_of({col, row}) + ", lies outside the map (columns 1 to 21, rows 1 to 16).";
        }
        s_.map_grid[col][row] = map_square::kPath;
        if (i <= kSecretRecords && dirs.empty()) {
            return kFileName + ": record " + std::to_string(i) + " has no direction letters.";
        }
        return {};
    }

    Problem read_byte(int i, const char* what, std::uint8_t& out) {
        if (file_.eof()) return ended(i);
        const std::string field = file_.read_field();
        if (field.empty() && file_.eof()) return ended(i);
        // The number goes into an unsigned byte, rounded the way every conversion is.
        const std::optional<double> value = parse_number(field);
        const std::int32_t whole = value ? round_to<std::int32_t>(*value) : -1;
        if (whole < 0 || whole > 255) {
            return kFileName + ": the " + what + " of record " + std::to_string(i) + " (\"" +
                   shown(field) + "\") is not a number from 0 to 255.";
        }
        out = static_cast<std::uint8_t>(whole);
        return {};
    }

    bool read_text(std::string& out) {
        if (file_.eof()) return false;
        out = file_.read_field();
        return true;
    }

    Problem ended(int i) const {
        return kFileName + " ends early: record " + std::to_string(i) + " of " +
               std::to_string(kRecords) + " is missing or incomplete.";
    }

    CoreState& s_;
    platform::TextFile file_;
};

bool walkable(const CoreState& s, Square q) {
    return on_map(q) &&
           s.map_grid[static_cast<std::size_t>(q.col)][static_cast<std::size_t>(q.row)] != map_square::kBlank;
}

// Every square each secret may take must be a path square, and no two secrets may be able to
// take the same square: either would put a secret where the game cannot handle it.
Problem check_secret_squares(const CoreState& s) {
    std::vector<std::vector<Square>> squares(kSecretRecords + 1);
    for (int i = 1; i <= kSecretRecords; ++i) {
        const auto slot = static_cast<std::size_t>(i);
        const Square anchor{s.anchor_col[slot], s.anchor_row[slot]};
        for (const char letter : s.secret_dirs[slot]) {
            const Square q = step_from(anchor, letter);
            if (!on_map(q)) {
                return kFileName + ": record " + std::to_string(i) + " can put its secret off the map, at square " +
                       text_of(q) + ".";
            }
            if (!walkable(s, q)) {
                return kFileName + ": record " + std::to_string(i) + " can put its secret on square " + text_of(q) +
                       ", which is not on a path.";
            }
            squares[slot].push_back(q);
        }
    }
    for (int i = 1; i <= kSecretRecords; ++i) {
        for (int j = i + 1; j <= kSecretRecords; ++j) {
            for (const Square& a : squares[static_cast<std::size_t>(i)]) {
                for (const Square& b : squares[static_cast<std::size_t>(j)]) {
                    if (a == b) {
                        return kFileName + ": records " + std::to_string(i) + " and " + std::to_string(j) +
                               " can both put their secret on square " + text_of(a) + ".";
                    }
                }
            }
        }
    }
    return {};
}

// A trip may not turn straight back, so a road square with one way out holds the pawn there
// for good; and a secret the road cannot reach could never be found. Both are judged from the
// square every Story game starts on.
Problem check_roads(const CoreState& s) {
    const Square start{11, 8};
    if (!walkable(s, start)) {
        return kFileName + ": the start square " + text_of(start) + " is not on a path.";
    }
    std::array<std::array<bool, 18>, 23> seen{};
    std::vector<Square> todo{start};
    seen[11][8] = true;
    while (!todo.empty()) {
        const Square q = todo.back();
        todo.pop_back();
        int ways = 0;
        for (const char letter : std::string("LRUD")) {
            const Square n = step_from(q, letter);
            if (!walkable(s, n)) continue;
            ++ways;
            bool& mark = seen[static_cast<std::size_t>(n.col)][static_cast<std::size_t>(n.row)];
            if (!mark) {
                mark = true;
                todo.push_back(n);
            }
        }
        if (ways < 2) {
            return kFileName + ": square " + text_of(q) + " is a dead end, where the pawn would be trapped.";
        }
    }
    for (int i = 1; i <= kSecretRecords; ++i) {
        const auto slot = static_cast<std::size_t>(i);
        for (const char letter : s.secret_dirs[slot]) {
            const Square q = step_from({s.anchor_col[slot], s.anchor_row[slot]}, letter);
            if (!seen[static_cast<std::size_t>(q.col)][static_cast<std::size_t>(q.row)]) {
                return kFileName + ": record " + std::to_string(i) + " can put its secret on square " + text_of(q) +
                       ", which the road from the start square " + text_of(start) + " does not reach.";
            }
        }
    }
    return {};
}

}  // namespace

void load_map() {
    CoreState& s = core_state();
    s.map_grid = {};
    s.anchor_col = {};
    s.anchor_row = {};
    s.secret_text = {};
    s.secret_pic = {};
    s.secret_dirs = {};

    Problem problem = MapReader(s).read();
    if (problem.empty()) problem = check_secret_squares(s);
    if (problem.empty()) problem = check_roads(s);
    s.story_available = problem.empty();
    s.map_problem = problem;
}

}  // namespace core
