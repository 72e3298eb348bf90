// The Hall of Fame window: the ten best games and the number of stories won.
#include "ui/form_topten.h"

#include "core/game_state.h"
#include "core/hall_of_fame.h"
#include "ui/picture_store.h"

namespace ui {

using platform::rgb;

namespace {

constexpr int kClientW = 435;
constexpr int kClientH = 322;
// Columns: " 10th" ends well left of the names, and a six-digit score fits its column.
constexpr int kNameX = 78;
constexpr int kScoreX = 202;
constexpr int kModeX = 292;

// Places 1 to 3 are taller than the rest: their captions are bigger.
int rank_top(int i) { return i <= 3 ? 20 + 25 * (i - 1) : 100 + 20 * (i - 4); }
int row_top(int i) { return i <= 3 ? 30 + 25 * (i - 1) : 105 + 20 * (i - 4); }

}  // namespace

FormTopten*& FormTopten::instance() {
    static FormTopten* open = nullptr;
    return open;
}

FormTopten::FormTopten() : SideWindow("Hall of Fame", kClientW, kClientH) {
    // The banner is cut off at the top and the left by the window's edge.
    auto* banner = own(new platform::Image(this, -5, -15));
    banner->set_picture(form_clip().hof_banner);

    // The big words lie behind everything else.
    const platform::FontDesc big = side_font("Impact", 72);
    label(this, 85, 40, 200, 116, "TOP", rgb(64, 64, 64), big);
    label(this, 205, 115, 200, 116, "TEN", rgb(64, 64, 64), big);

    // Each column caption starts where its column does, and its letters end above the first row.
    const platform::FontDesc caption = side_font("Impact", 18);
    label(this, kScoreX, 3, 80, 31, "SCORE", rgb(128, 128, 128), caption);
    label(this, kModeX, 3, 80, 31, "MODE", rgb(128, 128, 128), caption);

    const platform::FontDesc row = side_font("Verdana", 9, true);
    const char* podium[3] = {"1st", "2nd", "3rd"};
    for (int i = 1; i <= 10; ++i) {
        const auto k = static_cast<std::size_t>(i);
        if (i <= 3) {
            Label_rank[k] = label(this, 30, rank_top(i), 46, 31, podium[i - 1], rgb(255, 255, 0), caption);
        } else {
            Label_rank[k] = label(this, 30, rank_top(i), 46, 21, "", rgb(255, 128, 0), side_font("Impact", 14.25));
        }
        Label_ttname[k] = label(this, kNameX, row_top(i), kScoreX - kNameX - 4, 14, "", platform::kWhite, row);
        Label_ttscore[k] = label(this, kScoreX, row_top(i), kModeX - kScoreX - 4, 14, "", platform::kWhite, row);
        Label_ttmode[k] = label(this, kModeX, row_top(i), kClientW - kModeX - 3, 14, "", platform::kWhite, row);
    }

    own(new platform::Line(this, 35, 245, 425, 245, rgb(255, 255, 128)));
    Label_storywon = label(this, 40, 255, 190, 14, "STORY MODE GAME WON = ", platform::kWhite, row);
    Label_storywon->set_alignment(platform::kAlignRight);
    Label_swon = label(this, 230, 250, 69, 23, "", rgb(255, 255, 128), side_font("Impact", 14.25));

    ok = make_side_button(*this, 315, 290, 110, "OK");
    ok.label->on_click = [this] { close(); };
    on_key_down = [this](int key_code, int) { Form_KeyDown(key_code); };
}

void FormTopten::Form_Load() {
    for (int i = 4; i <= 10; ++i) Label_rank[static_cast<std::size_t>(i)]->set_caption(" " + std::to_string(i) + "th");
    core::fill_topten_labels();
    const std::int16_t won = core::core_state().stories_won;
    Label_swon->set_caption(std::to_string(won) + " TIME" + (won > 1 ? "S" : ""));
}

void FormTopten::visit() { show_modal(side_owner()); }

void FormTopten::set_row(int i, const std::string& name, const std::string& score, const std::string& mode) {
    if (i < 1 || i > 10) return;
    const auto k = static_cast<std::size_t>(i);
    Label_ttname[k]->set_caption(name);
    Label_ttscore[k]->set_caption(score);
    Label_ttmode[k]->set_caption(mode);
}

void FormTopten::Form_KeyDown(int key_code) {
    if (key_code == 27) close();
}

}  // namespace ui
