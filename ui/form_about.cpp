// The about box: the game's logo, version, credits and a link to its web page.
#include "ui/form_about.h"

#include "ui/menu.h"
#include "ui/picture_store.h"

namespace ui {

using platform::rgb;

namespace {

constexpr int kClientW = 447;
constexpr int kClientH = 327;

}  // namespace

std::string shown_address(const std::string& url) {
    std::string s = url;
    const auto scheme = s.find("://");
    if (scheme != std::string::npos) s.erase(0, scheme + 3);
    if (!s.empty() && s.back() == '/') s.pop_back();
    return s;
}

FormAbout*& FormAbout::instance() {
    static FormAbout* open = nullptr;
    return open;
}

FormAbout::FormAbout() : SideWindow("About this Game", kClientW, kClientH) {
    auto* logo = own(new platform::Image(this, 100, 5));
    logo->set_picture(form_clip().about_logo);
    // Beside the logo rather than over it: our logo fills its whole picture.
    Label_ver = label(this, 348, 12, 62, 31, "VERSION 1.10", platform::kYellow, side_font("Tahoma", 9.75, true));

    // Each heading's line (28 px in its face) ends before the text under it begins.
    const platform::FontDesc heading = side_font("Impact", 18);
    const platform::FontDesc bold = side_font("Verdana", 9.75, true);
    label(this, 15, 100, 190, 30, "Created by:", rgb(128, 128, 128), heading);
    label(this, 40, 134, 170, 36, "The Quorvel Infinite team", platform::kWhite, bold);

    label(this, 215, 146, 120, 30, "Website:", rgb(128, 128, 128), heading);
    Label10 = label(this, 215, 180, 225, 18, shown_address(kWebsite), platform::kWhite, bold);
    Label10->on_mouse_down = [this](const platform::MouseArgs&) { Label10_MouseDown(); };
    Label10->on_mouse_up = [this](const platform::MouseArgs&) { Label10_MouseUp(); };
    Label10->on_click = [this] { Label10_Click(); };
    label(this, 215, 202, 225, 36, "News, new versions and a place to say hello.", platform::kWhite,
          side_font("Verdana", 9.75));

    label(this, 10, 272, 310, 34, "Every puzzle picture is painted fresh for its round. Thank you for playing!",
          rgb(192, 192, 192), side_font("Verdana", 8));

    ok = make_side_button(*this, 330, 300, 110, "OK");
    ok.label->on_click = [this] { close(); };
    on_key_down = [this](int key_code, int) {
        if (key_code == 27) close();
    };
}

void FormAbout::Label10_MouseDown() {
    platform::FontDesc f = Label10->font();
    f.underline = true;
    Label10->set_font(f);
    Label10->set_fore_colour(platform::kYellow);
}

// The underline stays: it tells the player the link has been used.
void FormAbout::Label10_MouseUp() { Label10->set_fore_colour(platform::kWhite); }

void FormAbout::Label10_Click() { open_link(kWebsite, still_open()); }

void FormAbout::Form_Load() { ok.shape->set_fill_colour(rgb(255, 255, 132)); }

void FormAbout::visit() { show_modal(side_owner()); }

}  // namespace ui
