// The help window: playing instructions and the answers of "faq.dat", one question at a time.
#include "ui/form_inst.h"

#include <algorithm>

#include "core/game_state.h"
#include "platform/services.h"
#include "ui/menu.h"
#include "ui/picture_store.h"
#include "ui/screen_state.h"

namespace ui {

using platform::rgb;

namespace {

constexpr int kClientW = 534;
constexpr int kClientH = 318;

struct Question {
    const char* caption;
    const char* tag;  // "" for the built-in instructions
    int top;
    int height;
};
constexpr std::array<Question, FormInst::kQuestions> kQuestionList{{
    {"How to play this puzzle?", "", 10, 18},
    {"What is linear mode?", "LINEAR", 30, 18},
    {"What is story mode?", "STORY", 50, 18},
    {"About me/ contacts", "ABOUTME", 150, 18},
    {"Why no sound and music?", "NOSOUND", 170, 33},
}};

const char* const kInstructions[4] = {
    "The puzzle area is cut into cells, and a few cells are picked out at random.",
    "To solve the puzzle, you must use the mouse to pinpoint and locate those cells by clicking on "
    "them before the time runs out. If you made the wrong choice, you will gain a \"miss\". ",
    "The faster you solve the puzzle, the more points you will score.",
    "You will only lose the game when you reach a limited number of allowed misses.",
};
constexpr int kInstTop[4] = {0, 55, 150, 190};
constexpr int kInstHeight[4] = {52, 93, 38, 45};

// The answer box lays out a long unbroken line in time that grows with the square of its
// length (a quarter of a megabyte froze it for seconds). The shipped answers are a few hundred
// characters a line and a few thousand in all; anything past these bounds is cut.
constexpr std::size_t kMaxHelpLine = 8000;
constexpr std::size_t kMaxHelpAnswer = 64000;
const char* const kCutMark = " ...";

// At most kMaxHelpLine bytes of a line, never ending inside a UTF-8 character.
std::string bounded_line(const std::string& line) {
    if (line.size() <= kMaxHelpLine) return line;
    std::size_t cut = kMaxHelpLine;
    while (cut > 0 && (static_cast<unsigned char>(line[cut]) & 0xC0) == 0x80) --cut;
    return line.substr(0, cut) + kCutMark;
}

std::string trim_blanks(const std::string& s) {
    const auto first = s.find_first_not_of(' ');
    if (first == std::string::npos) return "";
    return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

}  // namespace

FaqSection faq_section(const std::string& tag) {
    const core::CoreState& s = core::core_state();
    // Only the lines read count, however large the count claims to be.
    const int kept = std::min<int>(s.faq_count, static_cast<int>(s.faq_line.size()) - 1);
    auto line = [&s](int i) -> const std::string& { return s.faq_line[static_cast<std::size_t>(i)]; };

    const std::string header = "[" + trim_blanks(tag) + "]";
    int at = 0;
    for (int i = 1; i <= kept && at == 0; ++i) {
        if (trim_blanks(line(i)) == header) at = i;
    }
    FaqSection out;
    if (at == 0) return out;
    if (at + 1 <= kept) out.title = bounded_line(line(at + 1));
    // The line after the title is a rule for whoever edits the file; it is not shown.
    for (int k = at + 3; k <= kept; ++k) {
        const std::string& body = line(k);
        if (!body.empty() && body[0] == '[') break;
        if (out.text.size() >= kMaxHelpAnswer) {
            out.text += std::string(kCutMark + 1) + "\r\n";
            break;
        }
        out.text += bounded_line(body) + "\r\n";
    }
    return out;
}

FormInst*& FormInst::instance() {
    static FormInst* open = nullptr;
    return open;
}

FormInst::FormInst() : SideWindow("Help and FAQ", kClientW, kClientH) {
    auto* banner = own(new platform::Image(this, 0, 0));
    banner->set_picture(form_clip().help_banner);

    // The marker lies under the questions.
    Shape_cs = own(new platform::Shape(this, 0, 0, 10, 10, platform::Shape::kRoundedRectangle));
    Shape_cs->set_fill_style(platform::Shape::kFillSolid);
    Shape_cs->set_fill_colour(rgb(0, 0, 192));
    Shape_cs->set_back_opaque(true);
    Shape_cs->set_border_colour(rgb(0, 0, 192));

    const platform::FontDesc small = side_font("Tahoma", 8.25);
    for (int i = 0; i < kQuestions; ++i) {
        const Question& q = kQuestionList[static_cast<std::size_t>(i)];
        platform::Label* l = label(this, 50, q.top, 120, q.height, q.caption, rgb(0, 255, 255), small);
        l->on_click = [this, i] { Label_q_Click(i); };
        Label_q[static_cast<std::size_t>(i)] = l;
    }
    label(this, 50, 215, 115, 63,
          "For more information, please click on \"view readme\" button below to open the readme.txt file",
          rgb(224, 224, 224), small);

    Label_title = label(this, 185, 5, 345, 26, "", rgb(128, 128, 255), side_font("Impact", 14.25));

    for (auto& box : PBOX) {
        box = own(new platform::PictureBox(this, 185, 35, 345, 235, platform::PictureBox::kNoBorder, platform::kBlack));
        box->set_visible(false);
    }
    const platform::FontDesc text = side_font("Verdana", 9);
    for (int i = 0; i < 4; ++i) {
        Label_inst[static_cast<std::size_t>(i)] =
            label(PBOX[0], 5, kInstTop[i], 210, kInstHeight[i], kInstructions[i], platform::kWhite, text);
    }
    auto* picture = own(new platform::Image(PBOX[0], 220, 0));
    picture->set_picture(form_clip().help_illustration);

    Text_faq = own(new platform::TextBox(PBOX[1], 0, 0, 340, 230, true, true));
    Text_faq->set_font(side_font("Tahoma", 9.75));
    Text_faq->set_locked(true);

    bt[0] = make_side_button(*this, 415, 290, 110, "OK");
    bt[1] = make_side_button(*this, 290, 290, 110, "view readme");
    for (int i = 0; i < 2; ++i) bt[static_cast<std::size_t>(i)].label->on_click = [this, i] { Label_bt_Click(i); };

    on_key_down = [this](int key_code, int) {
        if (key_code == 27) close();
    };
}

void FormInst::Form_Load() {
    for (const SideButton& b : bt) b.shape->set_fill_colour(rgb(255, 255, 132));
    // A start question that names no question opens the first one.
    const std::int16_t asked = screen().help_question;
    curq_ = asked >= 0 && asked < kQuestions ? asked : 0;
    for (auto* box : PBOX) {
        box->move(185, 35, 345, 235);
        box->set_visible(false);
    }
    Text_faq->move(0, 0, 340, 230);
    update_cs();
    show_question(curq_);
}

void FormInst::visit() { show_modal(side_owner()); }

void FormInst::update_cs() {
    const platform::Label* l = Label_q[static_cast<std::size_t>(curq_)];
    Shape_cs->move(l->left() - 6, l->top() - 2, l->width() + 8, l->height());
}

void FormInst::Label_q_Click(int index) { show_question(index); }

void FormInst::show_question(int q) {
    if (q < 0 || q >= kQuestions) return;
    if (q == 0) {
        PBOX[0]->set_visible(true);
        PBOX[1]->set_visible(false);
        Label_title->set_caption("PLAYING INSTRUCTION");
    } else {
        show_tbox(q);
    }
    curq_ = static_cast<std::int16_t>(q);
    update_cs();
}

void FormInst::show_tbox(int q) {
    // The answer panel covers the instructions, which stay shown beneath it.
    PBOX[1]->set_visible(true);
    const FaqSection section = faq_section(kQuestionList[static_cast<std::size_t>(q)].tag);
    Label_title->set_caption(section.title);
    Text_faq->set_text(section.text);
}

void FormInst::Label_bt_Click(int index) {
    if (index == 0) {
        close();
    } else if (index == 1) {
        open_from_screen(platform::data_path("readme.txt"), "Sorry! readme.txt file failed to be loaded",
                         still_open());
    }
}

}  // namespace ui
