// The pressed and released looks of the window's label buttons and menu items.
#include "ui/label_buttons.h"

#include "ui/mainform.h"

namespace ui {

namespace {

template <std::size_t N>
platform::Shape* at(const std::array<platform::Shape*, N>& shapes, int index) {
    return index >= 0 && static_cast<std::size_t>(index) < N ? shapes[static_cast<std::size_t>(index)] : nullptr;
}

void colour(platform::Shape* s, platform::Colour c) {
    if (s) s->set_fill_colour(c);
}

std::array<platform::Shape*, 2> btb_shapes() { return {mainform().shape_btb0, mainform().shape_btb1}; }

}  // namespace

void Label_bt_MouseDown(int index) { colour(at(mainform().Shape_bt, index), kPressed); }
void Label_bt_MouseUp(int index) { colour(at(mainform().Shape_bt, index), kReleased); }
void Label_btb_MouseDown(int index) { colour(at(btb_shapes(), index), kPressed); }
void Label_btb_MouseUp(int index) { colour(at(btb_shapes(), index), kReleased); }
void Label_btc_MouseDown(int index) { colour(at(mainform().Shape_btc, index), platform::rgb(191, 191, 255)); }
void Label_btc_MouseUp(int index) { colour(at(mainform().Shape_btc, index), platform::rgb(191, 255, 255)); }

void Label_btype_MouseDown(int index) {
    if (index >= 0 && index <= 2) mainform().Label_btype[static_cast<std::size_t>(index)]->set_fore_colour(platform::kWhite);
}
void Label_btype_MouseUp(int index) {
    if (index >= 0 && index <= 2) {
        mainform().Label_btype[static_cast<std::size_t>(index)]->set_fore_colour(platform::rgb(191, 191, 255));
    }
}

void Label_mi_MouseDown(int index, const platform::MouseArgs& args) {
    if (args.button != platform::kLeftButton || index < 0 || index > 5) return;
    MainForm& f = mainform();
    platform::Label* item = f.Label_mi[static_cast<std::size_t>(index)];
    f.Shape_menucs->set_width(140);
    f.Shape_menucs->set_height(item->height() + 2);
    f.Shape_menucs->move(item->left() - 8, item->top());
    item->set_fore_colour(platform::kYellow);
    f.Shape_menucs->set_visible(true);
}

void Label_mi_MouseUp(int index) {
    if (index < 0 || index > 5) return;
    MainForm& f = mainform();
    f.Shape_menucs->set_visible(false);
    f.Label_mi[static_cast<std::size_t>(index)]->set_fore_colour(platform::kWhite);
}

}  // namespace ui
