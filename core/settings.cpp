// Saved settings: the Hall of Fame, the background and the stories won, kept between runs.
#include "core/settings.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <limits>
#include <string>

#include "core/game_state.h"
#include "core/hall_of_fame.h"
#include "core/rounding.h"
#include "core/scramble.h"
#include "platform/services.h"

namespace core {

namespace {

const char* const kGeneral = "general";
const char* const kTable = "t10";

const std::string& app() { return core_state().app_name; }

// A stored number that is not a number, or lies outside lo..hi, reads as 0: a damaged value
// must neither fail the start nor wrap into something the game cannot use.
long long stored_whole(std::string raw, long long lo, long long hi) {
    const double v = unscramble_number(raw);
    if (!std::isfinite(v)) return 0;
    const long long n = round_to<long long>(v);
    return (n < lo || n > hi) ? 0 : n;
}

// The count is 16-bit: past the top it would wrap negative, darken the castle and read back as 0.
constexpr long long kMostStoriesWon = std::numeric_limits<std::int16_t>::max();

// n stories and `more` besides; at the top the count stays there.
std::int16_t won_more(long long n, long long more) {
    return static_cast<std::int16_t>(std::min(n + more, kMostStoriesWon));
}

// The stored count of stories won, or `none` when no count is stored yet.
long long stored_stories_won(const platform::SettingsEntry& stored, long long none) {
    const std::string raw = stored.get(kGeneral, "STORYWON", "-");
    return raw == "-" ? none : stored_whole(raw, 0, kMostStoriesWon);
}

// The stored table, read in the game's order; false when none is stored.
bool read_table(const platform::SettingsEntry& stored, HofTable& table) {
    if (stored.get(kTable, "SCORE1", "-1") == "-1") return false;
    for (int i = 1; i <= 10; ++i) {
        const std::string n = std::to_string(i);
        std::string name = stored.get(kTable, "NAME" + n, "K");
        std::string mode = stored.get(kTable, "MODE" + n, "K");
        std::string score = stored.get(kTable, "SCORE" + n, "K");
        HofRec& e = table[static_cast<std::size_t>(i)];
        e.name = unscramble_value(name);
        e.score = static_cast<std::int32_t>(stored_whole(score, std::numeric_limits<std::int32_t>::min(),
                                                          std::numeric_limits<std::int32_t>::max()));
        e.mode = unscramble_value(mode);
    }
    return true;
}

// A value exactly as the game writes it: a width letter, then printable characters. Anything
// else was written by someone else, or cut or garbled on its way.
bool written_by_us(const std::string& raw) {
    if (raw.empty() || raw[0] < 'C' || raw[0] > 'O') return false;
    return std::all_of(raw.begin() + 1, raw.end(), [](char c) { return c >= 32 && c <= 126; });
}

// A number exactly as the game writes it: the number_text of a whole number in lo..hi, scrambled.
bool whole_number(std::string raw, long long lo, long long hi, long long& n) {
    if (!written_by_us(raw)) return false;
    const double v = unscramble_number(raw);
    if (!(v >= static_cast<double>(lo) && v <= static_cast<double>(hi))) return false;
    n = static_cast<long long>(v);
    return number_text(n) == unscramble_value(raw);
}

// For a save: a stored value only when the file finished it, and "", which the game never
// writes, when not. Cut after a leading part of its text, a value can still read as one of ours:
// the leading digits of a number are the game's own text of a smaller one.
std::string finished_value(const platform::SettingsEntry& stored, const std::string& section, const std::string& key) {
    return stored.finished(section, key) ? stored.get(section, key, "") : "";
}

// For a save: the count on disk, or -1 when the file holds none as the game writes it.
long long count_on_disk(const platform::SettingsEntry& stored) {
    long long n = -1;
    return whole_number(finished_value(stored, kGeneral, "STORYWON"), 0, kMostStoriesWon, n) ? n : -1;
}

// The stored table only when it is whole: all ten rows there, every value readable, the scores
// in order. Another writer may have cut the file short or garbled a value; start-up makes do
// with such a table, but a save must not put it in place of the rows this run holds.
bool read_whole_table(const platform::SettingsEntry& stored, HofTable& table) {
    HofTable read;
    for (int i = 1; i <= 10; ++i) {
        const std::string n = std::to_string(i);
        std::string name = finished_value(stored, kTable, "NAME" + n);
        std::string mode = finished_value(stored, kTable, "MODE" + n);
        long long score = 0;
        if (!written_by_us(name) || !written_by_us(mode) ||
            !whole_number(finished_value(stored, kTable, "SCORE" + n), std::numeric_limits<std::int32_t>::min(),
                          std::numeric_limits<std::int32_t>::max(), score))
            return false;
        HofRec& e = read[static_cast<std::size_t>(i)];
        e.score = static_cast<std::int32_t>(score);
        if (i > 1 && e.score > read[static_cast<std::size_t>(i - 1)].score) return false;
        e.name = unscramble_value(name);
        e.mode = unscramble_value(mode);
    }
    table = read;
    return true;
}

// The built-in Hall of Fame.
HofTable built_in_table() {
    HofTable t;
    for (int i = 1; i <= 10; ++i) {
        HofRec& e = t[static_cast<std::size_t>(i)];
        e.name = std::string("Player ") + static_cast<char>(64 + i);
        e.score = clng(10000.0 / i);
        e.mode = "Story";
    }
    return t;
}

bool same_rows(const HofTable& a, const HofTable& b) {
    return std::equal(a.begin() + 1, a.end(), b.begin() + 1, [](const HofRec& x, const HofRec& y) {
        return x.name == y.name && x.score == y.score && x.mode == y.mode;
    });
}

// Whether the file holds any of a table, whole or not.
bool table_stored(const platform::SettingsEntry& stored) {
    const auto& sections = stored.sections();
    return std::any_of(sections.begin(), sections.end(),
                       [](const platform::SettingsEntry::Section& t) { return t.name == kTable && !t.values.empty(); });
}

// Places what this run has added into the stored table, `on_disk` when it is whole, and writes
// that; with no whole table stored, this run's own table, which already holds them. `written` is
// the table the file will hold.
void write_table(platform::SettingsEntry& stored, const HofTable* on_disk, HofTable& written) {
    const CoreState& s = core_state();
    written = s.hof_table;
    if (on_disk) {
        written = *on_disk;
        for (const HofRec& e : s.hof_unsaved) hof_place(written, e);
        written[0] = s.hof_table[0];
    } else if (table_stored(stored)) {
        // The file's table is damaged, and this run's may have been read from it, a garbled
        // score read as 0 among the others: written in order, the next save, this copy's or
        // another's, finds it whole and places its entries into it again.
        std::stable_sort(written.begin() + 1, written.end(),
                         [](const HofRec& a, const HofRec& b) { return a.score > b.score; });
    }
    for (int i = 1; i <= 10; ++i) {
        const std::string n = std::to_string(i);
        const HofRec& e = written[static_cast<std::size_t>(i)];
        stored.set(kTable, "NAME" + n, scramble_value(e.name));
        stored.set(kTable, "MODE" + n, scramble_value(e.mode));
        stored.set(kTable, "SCORE" + n, scramble_number(e.score));
    }
}

void write_background(platform::SettingsEntry& stored) {
    stored.set(kGeneral, "BG", scramble_number(core_state().bg_index));
}

// Every write of the file carries the entries and the won stories an earlier save could not
// write, whatever else it is for: each value reaches the disk when it changes, and a waiting one
// is such a value. So does what the file lost since this run read it (another writer cut it
// short, emptied or garbled it): this run's table when the one on disk is not whole, its count
// and its background when the file holds none of its own. The Hall of Fame's own saves write
// the table always. This run goes on with the table and the count that reached the disk; when
// the write fails, its own and what waits stay for the next save.
bool save_with(bool table, const std::function<void(platform::SettingsEntry&)>& change) {
    CoreState& s = core_state();
    const int wins = s.stories_won_unsaved;
    bool with_table = table || !s.hof_unsaved.empty();
    HofTable written;
    std::int16_t won_written = s.stories_won;
    const bool saved = platform::update_settings(app(), [&](platform::SettingsEntry& stored) {
        HofTable table_on_disk;
        const bool whole = read_whole_table(stored, table_on_disk);
        // A file with no table at all gives the next start the built-in one: a run that holds
        // just that has nothing to put back (and its scrambling would draw random numbers the
        // run's other uses would miss).
        const bool nothing_lost = !table_stored(stored) && same_rows(s.hof_table, built_in_table());
        with_table = with_table || (!whole && !nothing_lost);
        if (with_table) write_table(stored, whole ? &table_on_disk : nullptr, written);
        const long long on_disk = count_on_disk(stored);
        if (wins > 0 || (on_disk < 0 && s.stories_won > 0)) {
            // Another copy may have won a story since this one read the count: the wins go on
            // top of the count on disk, so that none is lost. With none on disk, this run's own
            // count, which holds them, goes on.
            won_written = on_disk < 0 ? s.stories_won : won_more(on_disk, wins);
            stored.set(kGeneral, "STORYWON", scramble_number(won_written));
        }
        if (!stored.finished(kGeneral, "BG") && s.bg_index != 0) write_background(stored);
        if (change) change(stored);
    });
    if (saved && with_table) {
        s.hof_table = written;
        s.hof_unsaved.clear();
    }
    if (saved && wins > 0) {
        s.stories_won = won_written;
        s.stories_won_unsaved = 0;
    }
    return saved;
}

}  // namespace

void default_hall_of_fame() {
    HofTable& t = core_state().hof_table;
    const HofTable built_in = built_in_table();
    std::copy(built_in.begin() + 1, built_in.end(), t.begin() + 1);
}

void load_settings() {
    CoreState& s = core_state();
    // One reading of the file for every value: a large file is parsed once, not 33 times.
    const platform::SettingsEntry stored = platform::read_settings(app());
    s.stories_won = static_cast<std::int16_t>(stored_stories_won(stored, 0));
    const std::string raw = stored.get(kGeneral, "BG", "-");
    s.bg_index = raw == "-" ? 0 : static_cast<std::int16_t>(stored_whole(raw, 0, 9));
    if (!read_table(stored, s.hof_table)) default_hall_of_fame();
}

void save_settings() { save_with(true, write_background); }

void save_hall_of_fame() { save_with(true, nullptr); }

void save_background() { save_with(false, write_background); }

void count_won_story() {
    CoreState& s = core_state();
    // The win counts for this run at once, so the castle turns golden whatever the file does;
    // the disk gets it with this save, or with the next one that works.
    s.stories_won = won_more(s.stories_won, 1);
    ++s.stories_won_unsaved;
    save_with(false, nullptr);
}

void save_and_quit() {
    save_settings();
    platform::end_program();
}

void clear_all_settings() {
    const int answer = platform::msgbox(
        "Do this ONLY when you want to uninstall Quorvel\r"
        "from your PC! This action you are about to perform CANNOT\r"
        "be reversed.\r"
        "\r"
        "ARE YOU SURE YOU WANT TO CONTINUE?",
        platform::kMsgYesNoExclamation, "Clear all settings");
    if (answer != platform::kMsgResultYes) return;
    const bool gone = platform::delete_settings(core_state().app_name);
    platform::msgbox(gone ? "All settings of Quorvel are cleared. The game will now close."
                          : "The settings of Quorvel could not all be removed. The game will now close.",
                     platform::kMsgInfo);
    platform::end_program();
}

}  // namespace core
