// The side windows the game's steps open (name entry, Hall of Fame, help, about) and what they share.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/controls.h"
#include "platform/picture_box.h"

namespace ui {

// ---- Entry points --------------------------------------------------------------------------
// Each window is made afresh for every showing, shown modally over the main window and taken
// apart when it closes. Asking for a window that is already showing does nothing.

// Asks for the player's name; returns only when a valid one is in the Hall of Fame's slot 0
// together with the game's score and hof_mode_text().
void show_form_entername();
// The Hall of Fame.
void show_form_topten();
bool form_topten_open();
// Writes row i (1..10) of the open Hall of Fame; nothing when it is closed or i is out of range.
void set_topten_row(int i, const std::string& name, const std::string& score, const std::string& mode);
// The help window (it opens at screen().help_question, its first question when that is -1)
// and the about box.
void show_form_inst();
void show_form_about();
// "Linear - " and the Linear difficulty in a Linear game, else "Story - " and the Story one.
std::string hof_mode_text();

// ---- What the windows are made of ----------------------------------------------------------

// A fixed-size dialog with a black background that owns its controls.
class SideWindow : public platform::Form {
public:
    SideWindow(const std::string& caption, int client_w, int client_h, bool close_box = true);
    ~SideWindow() override;

    template <typename T>
    T* own(T* control) {
        owned_.emplace_back(control);
        return control;
    }

    // A transparent caption in the given colour and font.
    platform::Label* label(platform::Container* c, int x, int y, int w, int h, const std::string& text,
                           platform::Colour fore, const platform::FontDesc& font);

    // True for as long as this window is up, even once a new window stands at its address.
    std::function<bool()> still_open() const;

private:
    std::vector<std::unique_ptr<platform::Control>> owned_;
    std::shared_ptr<const bool> up_ = std::make_shared<const bool>(true);
};

// The windows' push buttons: a caption lying on a rounded shape whose colour shows whether it is
// held down. The shape lies 5 pixels above the caption and is 26 high.
struct SideButton {
    platform::Shape* shape = nullptr;
    platform::Label* label = nullptr;
};
SideButton make_side_button(SideWindow& w, int x, int label_top, int width, const std::string& caption);

platform::FontDesc side_font(const char* name, double size, bool bold = false);

// The main window when there is one: the side windows' owner.
platform::Form* side_owner();

// Makes a W, loads it and lets the player visit it, unless `slot` already holds one; `slot`
// points at the window for as long as it is up.
template <typename W>
void show_single(W*& slot) {
    if (slot) return;
    struct Clear {
        W*& s;
        ~Clear() { s = nullptr; }
    };
    auto w = std::make_unique<W>();
    slot = w.get();
    Clear clear{slot};
    w->Form_Load();
    w->visit();
}

}  // namespace ui
