// Reading the praise quotes "quotes.txt" and the help lines "faq.dat" (the map has its own reader).
#include "core/data_files.h"

#include <cstdio>
#include <string>

#include "core/game_state.h"
#include "core/map_file.h"
#include "platform/services.h"

namespace core {
namespace {

constexpr int kMaxQuotes = 99;
constexpr std::size_t kMaxQuoteChars = 50;
constexpr int kMaxFaqLines = 239;

bool is_blank(char c) { return c == ' ' || c == '\t'; }

std::string trimmed(const std::string& s) {
    std::size_t first = 0;
    std::size_t last = s.size();
    while (first < last && is_blank(s[first])) ++first;
    while (last > first && is_blank(s[last - 1])) --last;
    return s.substr(first, last - first);
}

// The first n characters of a UTF-8 text. Counting bytes instead could cut a letter in half
// and leave the pop-up an invalid sequence to draw.
std::string first_chars(const std::string& s, std::size_t n) {
    std::size_t chars = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const bool continuation = (static_cast<unsigned char>(s[i]) & 0xC0) == 0x80;
        if (!continuation) {
            if (chars == n) return s.substr(0, i);
            ++chars;
        }
    }
    return s;
}

// The game plays on without these files, so a missing one is only noted for whoever runs it
// from a terminal; a box at every start would be no help to the player.
void note_missing(const platform::TextFile& file, const char* name, const char* fallback) {
    if (!file.ok()) std::fprintf(stderr, "%s could not be read; %s\n", name, fallback);
}

// An editor may put a byte-order mark in front of the first line; it is not text.
std::string without_bom(const std::string& line) {
    return line.rfind("\xEF\xBB\xBF", 0) == 0 ? line.substr(3) : line;
}

}  // namespace

void load_map_and_quotes() {
    load_map();
    load_quotes();
}

void load_quotes() {
    CoreState& s = core_state();
    s.quote.fill(std::string());
    platform::TextFile file(platform::data_path("quotes.txt"));
    note_missing(file, "quotes.txt", "using the built-in quotes");

    int count = 0;
    bool first_line = true;
    while (!file.eof() && count < kMaxQuotes) {
        std::string line = file.read_line();
        if (first_line) line = without_bom(line);
        first_line = false;
        line = first_chars(trimmed(line), kMaxQuoteChars);
        if (line.empty()) continue;
        s.quote[++count] = line;
    }
    s.quote_count = static_cast<std::uint8_t>(count);

    if (count == 0) {
        s.quote_count = 4;
        s.quote[1] = "Good Job";
        s.quote[2] = "Well done!";
        s.quote[3] = "Wow!";
        s.quote[4] = "Excellent!";
    }
}

void load_faq() {
    CoreState& s = core_state();
    s.faq_line.fill(std::string());
    platform::TextFile file(platform::data_path("faq.dat"));
    note_missing(file, "faq.dat", "the help answers will be empty");

    int count = 0;
    while (!file.eof() && count < kMaxFaqLines) {
        const std::string line = file.read_line();
        ++count;
        s.faq_line[count] = count == 1 ? without_bom(line) : line;
    }
    s.faq_count = static_cast<std::uint8_t>(count);
}

}  // namespace core
