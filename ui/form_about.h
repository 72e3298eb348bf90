// The about box: the game's logo, version, credits and a link to its web page.
#pragma once

#include "ui/side_windows.h"

namespace ui {

class FormAbout : public SideWindow {
public:
    FormAbout();

    // The window while it is up, else null.
    static FormAbout*& instance();

    void Form_Load();
    // Lets the player look until OK or Escape closes the window.
    void visit();
    void Label10_MouseDown();
    void Label10_MouseUp();
    void Label10_Click();

    platform::Label* Label_ver;
    platform::Label* Label10;  // the web page link
    SideButton ok;
};

// The web address as the link shows it: without the scheme and a closing slash.
std::string shown_address(const std::string& url);

}  // namespace ui
