// The name entry that opens when a game's score has placed in the Hall of Fame.
#include "ui/form_entername.h"

#include <QLineEdit>
#include <QTimer>

#include "core/game_state.h"
#include "platform/services.h"
#include "ui/picture_store.h"

namespace ui {

using platform::rgb;

namespace {

constexpr int kClientW = 361;
constexpr int kClientH = 182;
constexpr int kMaxName = 15;

const char* const kInvalidName =
    "Invalid characters in name! It is recommended\r"
    "that your name should contain alphabets and \r"
    "numbers only.";

}  // namespace

bool nameok(std::string& name) {
    const auto first = name.find_first_not_of(' ');
    if (first == std::string::npos) {
        name.clear();
        return false;
    }
    name = name.substr(first, name.find_last_not_of(' ') - first + 1);
    if (name.size() > static_cast<std::size_t>(kMaxName)) return false;
    // Text arrives as UTF-8: any letter outside ASCII shows up as bytes above 126.
    for (const char c : name) {
        const auto code = static_cast<unsigned char>(c);
        if (code < 32 || code > 126) return false;
    }
    return true;
}

FormEntername*& FormEntername::instance() {
    static FormEntername* open = nullptr;
    return open;
}

FormEntername::FormEntername() : SideWindow("Congratulations!", kClientW, kClientH, false) {
    set_picture(form_clip().entername_bg);
    // Only OK may end the entry: the close box and the desktop's close keys are refused, and
    // so is any close asked for before a name is in.
    set_closable(false);
    on_query_unload = [this](std::int16_t& cancel) {
        if (!entered_) cancel = 1;
    };

    platform::Label* prompt = label(this, 15, 112, 128, 22, "Enter your name", platform::kWhite, side_font("Impact", 12));
    prompt->set_alignment(platform::kAlignRight);
    auto* frame = own(new platform::Shape(this, 150, 106, 176, 33));
    frame->set_border_colour(rgb(0, 0, 255));
    frame->set_border_width(2);
    Tbox_name = own(new platform::TextBox(this, 155, 110, 166, 25));
    Tbox_name->set_font(side_font("Century Gothic", 11.25, true));
    Tbox_name->set_max_length(kMaxName);

    ok = make_side_button(*this, 245, 155, 110, "OK");
    ok.label->on_click = [this] { ok_click(); };
}

void FormEntername::Form_Load() {
    ok.shape->set_fill_colour(rgb(255, 255, 132));
    Tbox_name->set_text("Your name");
}

void FormEntername::visit() {
    while (!entered_) {
        // Once the window is up, the name box takes the keys with its text selected, so the
        // player can type a name straight over the suggestion.
        if (auto* edit = qobject_cast<QLineEdit*>(Tbox_name->widget())) {
            QTimer::singleShot(0, edit, [edit] {
                edit->setFocus(Qt::OtherFocusReason);
                edit->selectAll();
            });
        }
        show_modal(side_owner());
    }
}

void FormEntername::ok_click() {
    const std::string mode = hof_mode_text();
    std::string name = Tbox_name->text();
    if (nameok(name)) {
        core::CoreState& s = core::core_state();
        s.hof_table[0] = core::HofRec{name, s.score, mode};
        entered_ = true;
        close();
    } else {
        platform::msgbox(kInvalidName, platform::kMsgInfo);
    }
}

}  // namespace ui
