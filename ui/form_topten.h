// The Hall of Fame window: the ten best games and the number of stories won.
#pragma once

#include <array>
#include <string>

#include "ui/side_windows.h"

namespace ui {

class FormTopten : public SideWindow {
public:
    FormTopten();

    // The window while it is up, else null.
    static FormTopten*& instance();

    void Form_Load();
    // Lets the player look until OK or Escape closes the window.
    void visit();
    void set_row(int i, const std::string& name, const std::string& score, const std::string& mode);

    // Rows are indexed 1..10 as the table is; slot 0 is unused.
    std::array<platform::Label*, 11> Label_rank{};
    std::array<platform::Label*, 11> Label_ttname{};
    std::array<platform::Label*, 11> Label_ttscore{};
    std::array<platform::Label*, 11> Label_ttmode{};
    platform::Label* Label_storywon;
    platform::Label* Label_swon;
    SideButton ok;

private:
    void Form_KeyDown(int key_code);
};

}  // namespace ui
