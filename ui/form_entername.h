// The name entry that opens when a game's score has placed in the Hall of Fame.
#pragma once

#include <string>

#include "ui/side_windows.h"

namespace ui {

// Trims blanks off both ends of name in place; true when what is left is 1 to 15 characters,
// each printable ASCII (codes 32 to 126).
bool nameok(std::string& name);

class FormEntername : public SideWindow {
public:
    FormEntername();

    // The window while it is up, else null.
    static FormEntername*& instance();

    void Form_Load();
    // Shows the window until the player has entered a valid name. Only OK ends it: Escape, the
    // close request and the desktop's close keys do nothing. A visit cut short some other way
    // (the desktop hiding the window) shows it again with what was typed. A test's modal
    // runner is called again until it presses OK with a valid name.
    void visit();
    // OK: fills the Hall of Fame's slot 0 and closes, or says why the name is refused.
    void ok_click();
    bool entered() const { return entered_; }

    platform::TextBox* Tbox_name;
    SideButton ok;

private:
    bool entered_ = false;
};

}  // namespace ui
