// The side windows the game's steps open (name entry, Hall of Fame, help, about) and what they share.
#include "ui/side_windows.h"

#include <QWidget>

#include "core/game_state.h"
#include "ui/form_about.h"
#include "ui/form_entername.h"
#include "ui/form_inst.h"
#include "ui/form_topten.h"
#include "ui/label_buttons.h"
#include "ui/mainform.h"
#include "ui/screen_state.h"

namespace ui {

std::string hof_mode_text() {
    const core::CoreState& s = core::core_state();
    if (s.game_mode == core::GameMode::Linear) return "Linear - " + s.cur_diff.name;
    return "Story - " + s.cur_story_diff.name;
}

void show_form_entername() { show_single(FormEntername::instance()); }
void show_form_topten() { show_single(FormTopten::instance()); }
void show_form_inst() { show_single(FormInst::instance()); }
void show_form_about() { show_single(FormAbout::instance()); }

bool form_topten_open() { return FormTopten::instance() != nullptr; }

void set_topten_row(int i, const std::string& name, const std::string& score, const std::string& mode) {
    if (FormTopten* f = FormTopten::instance()) f->set_row(i, name, score, mode);
}

platform::Form* side_owner() { return mainform_exists() ? &mainform() : nullptr; }

// ---- SideWindow ----------------------------------------------------------------------------

SideWindow::SideWindow(const std::string& caption, int client_w, int client_h, bool close_box)
    : platform::Form(caption, client_w, client_h, platform::kBlack) {
    // A fixed dialog frame; the name entry has neither a close box nor a window menu, since
    // only its OK button may end it.
    Qt::WindowFlags flags = Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                            Qt::WindowTitleHint;
    if (close_box) flags |= Qt::WindowCloseButtonHint | Qt::WindowSystemMenuHint;
    if (QWidget* w = widget()) w->setWindowFlags(flags);
}

std::function<bool()> SideWindow::still_open() const {
    return [up = std::weak_ptr<const bool>(up_)] { return !up.expired(); };
}

SideWindow::~SideWindow() {
    // Controls inside a picture box were made after it and must go before it.
    while (!owned_.empty()) owned_.pop_back();
}

platform::Label* SideWindow::label(platform::Container* c, int x, int y, int w, int h, const std::string& text,
                                   platform::Colour fore, const platform::FontDesc& font) {
    auto* l = own(new platform::Label(c, x, y, w, h, text));
    l->set_transparent(true);
    l->set_fore_colour(fore);
    l->set_font(font);
    return l;
}

platform::FontDesc side_font(const char* name, double size, bool bold) {
    platform::FontDesc f;
    f.name = name;
    f.size = size;
    f.bold = bold;
    return f;
}

SideButton make_side_button(SideWindow& w, int x, int label_top, int width, const std::string& caption) {
    SideButton b;
    b.shape = w.own(new platform::Shape(&w, x, label_top - 5, width, 26, platform::Shape::kRoundedRectangle));
    b.shape->set_fill_style(platform::Shape::kFillSolid);
    b.shape->set_fill_colour(kReleased);
    b.shape->set_back_opaque(true);
    b.shape->set_border_colour(platform::rgb(0x2B, 0x1B, 0x3D));
    b.label = w.label(&w, x, label_top + 1, width, 20, caption, platform::rgb(255, 128, 0),
                      side_font("Century Gothic", 10, true));
    b.label->set_alignment(platform::kAlignCentre);
    platform::Shape* shape = b.shape;
    b.label->on_mouse_down = [shape](const platform::MouseArgs&) { shape->set_fill_colour(kPressed); };
    b.label->on_mouse_up = [shape](const platform::MouseArgs&) { shape->set_fill_colour(kReleased); };
    return b;
}

}  // namespace ui
