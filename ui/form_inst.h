// The help window: playing instructions and the answers of "faq.dat", one question at a time.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "ui/side_windows.h"

namespace ui {

// The title and text of the section of "faq.dat" headed "[tag]" (blanks around the header and
// the tag do not count): the title is the line after the header, the text every line from the
// third after it up to the next line that starts with "[", each ended by CR LF. A missing
// section, or one cut short by the end of the file, gives empty parts; nothing past the lines
// read is looked at. So that the window opens at once whatever the file holds, a line longer
// than 8000 bytes is cut and marked " ...", and an answer ends with a line "..." once it holds
// 64000 bytes.
struct FaqSection {
    std::string title;
    std::string text;
};
FaqSection faq_section(const std::string& tag);

class FormInst : public SideWindow {
public:
    FormInst();

    // The window while it is up, else null.
    static FormInst*& instance();

    void Form_Load();
    // Lets the player read until OK or Escape closes the window.
    void visit();
    // Question 0 shows the instructions, 1 to 4 their "faq.dat" sections; any other number
    // changes nothing.
    void show_question(int q);
    void Label_q_Click(int index);
    void Label_bt_Click(int index);
    int current_question() const { return curq_; }

    static constexpr int kQuestions = 5;
    std::array<platform::Label*, kQuestions> Label_q{};
    platform::Shape* Shape_cs;
    platform::Label* Label_title;
    std::array<platform::PictureBox*, 2> PBOX{};
    std::array<platform::Label*, 4> Label_inst{};
    platform::TextBox* Text_faq;
    std::array<SideButton, 2> bt{};  // 0 "OK", 1 "view readme"

private:
    void update_cs();
    void show_tbox(int q);
    std::int16_t curq_ = 0;
};

}  // namespace ui
