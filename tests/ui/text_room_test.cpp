// Text that must find room: the menus' words on the title picture's dark panel, and button
// captions inside their buttons. These measure text in the registered stand-in faces, with a
// margin wide enough that a face with slightly different metrics still passes.
#include <gtest/gtest.h>

#include <QFontInfo>
#include <QFontMetrics>
#include <string>
#include <vector>

#include "core/game_state.h"
#include "modes/story_start.h"
#include "platform/fonts.h"
#include "support/game_fixture.h"
#include "ui/form_about.h"
#include "ui/form_topten.h"
#include "ui/menu.h"
#include "ui/picture_store.h"

namespace {

constexpr int kMargin = 6;

// Where a label's text lands, in its container's coordinates, laid out as the label paints it.
QRect text_rect(const platform::Label& l) {
    const QFontMetrics fm(platform::qfont(l.font()));
    int flags = Qt::TextWordWrap | Qt::AlignTop;
    flags |= l.alignment() == platform::kAlignCentre ? Qt::AlignHCenter
                                                     : (l.alignment() == platform::kAlignRight ? Qt::AlignRight : Qt::AlignLeft);
    QRect r = fm.boundingRect(QRect(0, 0, l.width(), l.height()), flags,
                              QString::fromStdString(platform::line_breaks_to_lf(l.caption())));
    return r.translated(l.left(), l.top());
}

// The panel is the only dark violet part of the title picture: deep, and bluer than red or green.
bool on_panel(QRgb c) {
    return qRed(c) <= 0x60 && qGreen(c) <= 0x60 && qBlue(c) <= 0x70 && qBlue(c) > qRed(c) && qBlue(c) > qGreen(c);
}

// The first spot of the text's box, grown by the margin, that the panel does not cover.
std::string off_panel(const QImage& title, const QRect& text) {
    const QRect need = text.adjusted(-kMargin, -kMargin, kMargin, kMargin);
    for (int y = need.top(); y <= need.bottom(); ++y) {
        for (int x = need.left(); x <= need.right(); ++x) {
            if (!title.rect().contains(x, y) || !on_panel(title.pixel(x, y))) {
                return "(" + std::to_string(x) + ", " + std::to_string(y) + ")";
            }
        }
    }
    return "";
}

class TextRoom : public testing_support::GameTest {
protected:
    void SetUp() override {
        GameTest::SetUp();
        form().Form_Load();
    }
    void expect_on_panel(const std::vector<platform::Label*>& labels) {
        const QImage title = ui::form_clip().pclip_main.cell(0);
        for (const platform::Label* l : labels) {
            if (!l->visible()) continue;
            const QRect r = text_rect(*l);
            SCOPED_TRACE(l->caption() + " at " + std::to_string(r.x()) + ", " + std::to_string(r.y()) + ", " +
                         std::to_string(r.width()) + " x " + std::to_string(r.height()));
            EXPECT_EQ(off_panel(title, r), "") << "lies off the panel there";
        }
    }
};

TEST_F(TextRoom, TheMainMenuAndEveryLinearChoiceLieOnThePanel) {
    ui::goto_mainmenu();
    expect_on_panel({form().Label_mi.begin(), form().Label_mi.end()});
    ui::start_linear();
    // Kiddy shows the longest previews: seven misses' marks and the longest timer.
    for (int d = 0; d <= 4; ++d) {
        SCOPED_TRACE(d);
        ui::select_linear_diff(d);
        std::vector<platform::Label*> labels(form().Label_midiff.begin(), form().Label_midiff.end());
        labels.insert(labels.end(), form().Label_linear.begin(), form().Label_linear.end());
        expect_on_panel(labels);
    }
}

// A caption keeps the margin from its button's sides, and its line ends above the button's
// bottom edge.
void expect_room(const platform::Label& caption, const platform::Shape& button) {
    const QRect r = text_rect(caption);
    SCOPED_TRACE(caption.caption());
    EXPECT_GE(r.left(), button.left() + kMargin);
    EXPECT_LE(r.right(), button.left() + button.width() - 1 - kMargin);
    EXPECT_LE(r.bottom(), button.top() + button.height() - 2);
}

TEST_F(TextRoom, ButtonCaptionsFitInsideTheirButtons) {
    for (int i = 0; i <= 5; ++i) expect_room(*form().Label_bt[i], *form().Shape_bt[i]);
    ui::FormAbout about;
    expect_room(*about.ok.label, *about.ok.shape);
    ui::FormTopten topten;
    expect_room(*topten.ok.label, *topten.ok.shape);
}

// The Story start screen's difficulty panel, once slid up: every word inside the panel with the
// margin, each choice inside its highlight frame, no frame touching a neighbour's word, and the
// panel ending above the characters' click areas so that none of them is hidden.
TEST_F(TextRoom, TheStoryDifficultyPanelHoldsItsWordsAboveTheCharacters) {
    modes::start_story();
    for (int i = 0; i < 30; ++i) form().Timer_menu.fire();
    const platform::PictureBox& panel = *form().pbox_storymenu;
    const platform::Shape& frame_shape = *form().Shape_storymenu;
    ASSERT_EQ(panel.top(), 228);
    EXPECT_LE(frame_shape.top() + frame_shape.height(), form().Img_hotspot[0]->top());
    EXPECT_LE(frame_shape.left() + frame_shape.width(), 420);

    std::vector<const platform::Label*> words = {form().Label_misdiff2};
    words.insert(words.end(), form().Label_misdiff.begin(), form().Label_misdiff.end());
    const QRect room = QRect(0, 0, panel.width(), panel.height()).adjusted(kMargin, kMargin, -kMargin, -kMargin);
    for (const platform::Label* l : words) EXPECT_TRUE(room.contains(text_rect(*l))) << l->caption();
    const platform::Shape& chosen = *form().Shape_misdiff;
    for (int d = 0; d <= 2; ++d) {
        ui::select_story_difficulty(d);
        const QRect frame(chosen.left(), chosen.top(), chosen.width(), chosen.height());
        const QRect inside = frame.adjusted(2, 0, -2, 0);
        for (const platform::Label* l : words) {
            SCOPED_TRACE(std::to_string(d) + ": " + l->caption());
            const QRect r = text_rect(*l);
            if (l == form().Label_misdiff[static_cast<std::size_t>(d)]) {
                EXPECT_TRUE(inside.contains(r)) << "the chosen word lies inside its frame";
            } else {
                EXPECT_FALSE(frame.intersects(r)) << "the frame touches another word";
            }
        }
    }
}

// Every line the map writes fits on one row of the message panel, the characters' sayings too.
TEST_F(TextRoom, TheMapsMessagesFitOnAPanelRow) {
    const platform::Label& row = *form().Label_msg[0];
    const QFontMetrics fm(platform::qfont(row.font()));
    std::vector<std::string> texts = {"You are now in the realm of PuzzleLand.", "Click on dice to stop",
                                      "You got a 10", "please click on your desired path.",
                                      "You are not allowed to turn back!",
                                      "Please click on a valid path next to your pawn", "Moving...",
                                      "9 move(s) to go."};
    for (std::size_t i = 1; i < core::core_state().char_saying.size(); ++i) texts.push_back(core::core_state().char_saying[i]);
    for (const std::string& t : texts) {
        EXPECT_LE(fm.horizontalAdvance(QString::fromStdString(t)), row.width() - kMargin) << t;
    }
}

platform::FontDesc desc(const char* name, double size, bool bold = false) {
    platform::FontDesc f;
    f.name = name;
    f.size = size;
    f.bold = bold;
    return f;
}

// Impact's stand-in must keep its look: heavy even when not asked for bold, and clearly
// narrower than the wide face that stands in for Verdana.
TEST(FontStandIns, ImpactIsHeavyAndNarrow) {
    const QFont impact = platform::qfont(desc("Impact", 20));
    EXPECT_GE(QFontInfo(impact).weight(), QFont::Bold) << QFontInfo(impact).family().toStdString();
    const QString sample = QStringLiteral("SCORE MODE Wrong answer!");
    const int narrow = QFontMetrics(impact).horizontalAdvance(sample);
    const int wide = QFontMetrics(platform::qfont(desc("Verdana", 20, true))).horizontalAdvance(sample);
    EXPECT_LT(narrow, wide * 0.8);
}

}  // namespace
