// Desktop services: message boxes, opening documents, the settings store, files, ending the program.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

namespace platform {

// ---- Message boxes -------------------------------------------------------------------------
// Styles: 0 OK, 64 OK with the information icon, 36 Yes/No with the question icon,
// 52 Yes/No with the exclamation icon. Lines are joined by a bare CR.
enum MsgStyle { kMsgOk = 0, kMsgYesNoQuestion = 36, kMsgYesNoExclamation = 52, kMsgInfo = 64 };
// Results as the old toolkit numbered them.
enum MsgResult { kMsgResultOk = 1, kMsgResultYes = 6, kMsgResultNo = 7 };

struct MsgBoxCall {
    std::string text;
    int style = 0;
    std::string title;  // as shown: the program's title when none was given
};

// Shows a modal box and returns the button pressed.
int msgbox(const std::string& text, int style = kMsgOk, const std::string& title = "");
// The title shown when a box is given none.
void set_program_title(const std::string& title);
const std::string& program_title();
// Replaces the real boxes (tests script answers and look at the calls); empty restores them.
void set_msgbox_handler(std::function<int(const MsgBoxCall&)> handler);
// From now on no real box waits for an answer: its text goes to the error output and it takes
// the cautious answer (No, or OK). A session that is ending has nobody to answer it.
void stop_asking();

// ---- Opening documents ---------------------------------------------------------------------
// Opens a file or web address with the user's default program. The verdict comes as the old
// shell call's result, 32 or less meaning failure: at once when it is known at once (a local
// file that does not exist or cannot be read fails), otherwise later from the event loop,
// once the opener has answered, so the window never waits for it.
using DocumentVerdict = std::function<void(std::int32_t result)>;
void open_document(const std::string& path, DocumentVerdict verdict);
void set_open_document_handler(std::function<std::int32_t(const std::string&)> handler);
// How long the desktop's opener has to fail before it is taken to be starting the program
// (2 s). Tests on a busy machine give it longer, so a slow failure is not taken for success,
// and set back what this returns: the patience before.
int set_opener_patience(int ms);

// ---- Settings store ------------------------------------------------------------------------
// Text values addressed by application, section and key, kept per user in one INI file per
// application. Nothing is cached: every read sees the file as it is now, so a value written by
// another copy of the game is seen at once.

// One application's entry as read from its file: its sections and keys in file order.
class SettingsEntry {
public:
    // The value stored under section/key, or default_value when there is none.
    std::string get(const std::string& section, const std::string& key,
                    const std::string& default_value) const;
    // Sets a value in this copy; update_settings writes it. Only the file's reader sets a value
    // the file did not finish.
    void set(const std::string& section, const std::string& key, const std::string& value, bool finished = true);
    // Whether the file finished the value stored under section/key: false for none, and for one
    // cut short (a last line without its line break, a quote never closed). A value cut after a
    // leading part of its text can read as a value of its own; a save must not take it for one.
    bool finished(const std::string& section, const std::string& key) const;
    bool empty() const { return sections_.empty(); }

    struct Section {
        std::string name;
        std::vector<std::pair<std::string, std::string>> values;  // key, text, in file order
        std::unordered_map<std::string, std::size_t> index;       // key -> place in values
        std::vector<bool> finished;                                // by place in values
    };
    const std::vector<Section>& sections() const { return sections_; }

private:
    std::vector<Section> sections_;
    std::unordered_map<std::string, std::size_t> index_;  // section name -> place in sections_
};

// Reads the whole entry at once (empty when there is no file or it cannot be used).
SettingsEntry read_settings(const std::string& app);
// Reads the entry as it is on disk now, lets `change` edit it and writes it back as one
// replacement of the file: after a crash at any moment the file holds the old entry or the
// new one, whole. Other copies of the game wait while one of them does this. Returns whether
// the new entry reached the disk.
bool update_settings(const std::string& app, const std::function<void(SettingsEntry&)>& change);
// One value, by the same whole replacement of the file.
bool save_setting(const std::string& app, const std::string& section, const std::string& key,
                  const std::string& value);
// Deletes the whole application entry; deleting one that does not exist is not an error.
// Returns whether it is gone afterwards.
bool delete_settings(const std::string& app);
// Where the entries live: one file per application in this folder. Tests point it at a
// scratch folder; the default is the user's configuration folder. Setting it also forgets
// that the player was told about a settings file that cannot be used.
void set_settings_folder(const std::string& folder);
std::string settings_folder();
std::string settings_file(const std::string& app);

// The settings file is only ever read or replaced when it is a regular file, or a symbolic
// link to one. Anything else in its place (a folder, a pipe, a device) reads as no settings,
// is never written, and the player is told once; so is the first save that fails.

// ---- Files beside the program --------------------------------------------------------------
// The folder the data files are read from (the program's own folder unless replaced).
std::string data_folder();
void set_data_folder(const std::string& folder);
std::string data_path(const std::string& name);

// Sequential reading of a text file, by whole lines or by comma-separated fields. CR, CR LF
// or LF ends a line; there is no phantom empty line after the last line end.
class TextFile {
public:
    // Opening a missing or unreadable file gives a file that is at its end; ok() tells.
    explicit TextFile(const std::string& path);
    bool ok() const { return ok_; }
    bool eof() const;
    // The next line without its line end; "" at the end.
    std::string read_line();
    // The next field: leading blanks skipped; a quoted field may hold commas and ends at its
    // closing quote; an unquoted field ends at a comma or the line end, trailing blanks
    // dropped. "" at the end.
    std::string read_field();
    // The next field read as a number; text that is not a number gives nullopt.
    std::optional<double> read_number();

private:
    std::string data_;
    std::size_t pos_ = 0;
    bool ok_ = false;
    bool after_comma_ = false;  // a line end right after a comma still closes an empty field
};

// ---- Watching reads -----------------------------------------------------------------------
// Tests see the order in which the game reads its files and settings: the observer gets
// ("file", path) for every text file opened and ("setting", section/key) for every setting read.
void set_read_observer(std::function<void(const std::string& kind, const std::string& what)> observer);
void notify_read(const std::string& kind, const std::string& what);

// ---- Ending the program --------------------------------------------------------------------
// Ends the program at once: no further handler runs. The caller saves what must be saved
// first. Tests replace the ending to observe it (typically by throwing ProgramEnded).
[[noreturn]] void end_program();
struct ProgramEnded {};
void set_end_program_handler(std::function<void()> handler);
// From now on SIGTERM and SIGHUP (a logout, a kill request) call `handler` from the event
// loop, where it may save and end the game as its own exit does. Needs the application object;
// returns whether the signals are taken.
bool on_end_signals(std::function<void()> handler);

// ---- Fonts ---------------------------------------------------------------------------------
// Maps the font names the game uses onto free fonts that are installed.
void register_font_substitutes();
// Start-up reads the fonts on a thread while the window is being built, so that the first
// text drawn does not wait for them. The first call goes first thing, before the application
// object (the system's font configuration: making the application waits mostly on the
// display, leaving the processor free); the second right after it (the toolkit's list of the
// installed fonts, which needs the application).
void begin_reading_font_configuration();
void begin_listing_fonts();

}  // namespace platform
