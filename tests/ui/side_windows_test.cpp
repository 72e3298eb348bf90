// The side windows: name entry, Hall of Fame, help and about, driven through their own controls.
#include <gtest/gtest.h>

#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <string>
#include <vector>

#include "core/data_files.h"
#include "core/game_state.h"
#include "core/hall_of_fame.h"
#include "core/pieces.h"
#include "core/settings.h"
#include "platform/services.h"
#include "support/game_fixture.h"
#include "support/round_fixture.h"
#include "ui/form_about.h"
#include "ui/form_entername.h"
#include "ui/form_inst.h"
#include "ui/form_topten.h"
#include "ui/label_buttons.h"
#include "ui/menu.h"
#include "ui/side_windows.h"

namespace {

using testing_support::GameTest;
using testing_support::RoundTest;

void click(platform::Control* c, int button = platform::kLeftButton) {
    platform::MouseArgs a;
    a.button = button;
    c->deliver_mouse_down(a);
    c->deliver_mouse_up(a, true);
}

// Stands in for the player: each modal visit runs `visit` with the window shown.
class Visits {
public:
    explicit Visits(std::function<void(platform::Form&)> visit) {
        platform::Form::set_modal_runner([this, visit](platform::Form& f) {
            ++count;
            visit(f);
        });
    }
    ~Visits() { platform::Form::set_modal_runner({}); }
    int count = 0;
};

// ---- Name entry ----------------------------------------------------------------------------

struct NameCase {
    std::string typed;
    bool ok;
    std::string trimmed;
};

TEST(EnterNameRule, TrimsAndAcceptsOnlyShortPrintableAsciiNames) {
    const std::vector<NameCase> cases = {
        {"Ada", true, "Ada"},
        {"   Ada  ", true, "Ada"},
        {"Ann Lee", true, "Ann Lee"},
        {"~!@#$%^&*()", true, "~!@#$%^&*()"},
        {"123456789012345", true, "123456789012345"},
        {"  123456789012345  ", true, "123456789012345"},
        {"1234567890123456", false, "1234567890123456"},
        {"", false, ""},
        {"     ", false, ""},
        {"Zo\xC3\xAB", false, "Zo\xC3\xAB"},  // a letter outside ASCII
        {"tab\there", false, "tab\there"},
        {"del\x7F", false, "del\x7F"},
    };
    for (const NameCase& c : cases) {
        std::string name = c.typed;
        EXPECT_EQ(ui::nameok(name), c.ok) << "[" << c.typed << "]";
        EXPECT_EQ(name, c.trimmed) << "[" << c.typed << "]";
    }
}

class EnterName : public GameTest {
protected:
    void SetUp() override {
        GameTest::SetUp();
        core::core_state().score = 4321;
        core::core_state().game_mode = core::GameMode::Linear;
        core::core_state().cur_diff.name = "Crazy!";
    }
    void TearDown() override {
        platform::Form::set_modal_runner({});
        GameTest::TearDown();
    }
    const core::HofRec& candidate() { return core::core_state().hof_table[0]; }
};

TEST_F(EnterName, ModeTextNamesTheModeAndItsDifficulty) {
    EXPECT_EQ(ui::hof_mode_text(), "Linear - Crazy!");
    core::core_state().game_mode = core::GameMode::Story;
    core::core_state().cur_story_diff.name = "Medium";
    EXPECT_EQ(ui::hof_mode_text(), "Story - Medium");
}

TEST_F(EnterName, OkWithoutTypingEntersTheSuggestedName) {
    Visits v([](platform::Form& f) {
        auto* w = dynamic_cast<ui::FormEntername*>(&f);
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(f.caption(), "Congratulations!");
        EXPECT_EQ(w->Tbox_name->text(), "Your name");
        EXPECT_EQ(w->ok.shape->fill_colour(), ui::kReleased);
        click(w->ok.label);
        EXPECT_FALSE(f.is_shown());
    });
    ui::show_form_entername();
    EXPECT_EQ(v.count, 1);
    EXPECT_EQ(candidate().name, "Your name");
    EXPECT_EQ(candidate().score, 4321);
    EXPECT_EQ(candidate().mode, "Linear - Crazy!");
    EXPECT_TRUE(boxes.calls.empty());
}

TEST_F(EnterName, OnlyOkWithAValidNameEndsIt) {
    core::core_state().game_mode = core::GameMode::Story;
    core::core_state().cur_story_diff.name = "Medium";
    Visits v([this](platform::Form& f) {
        auto* w = dynamic_cast<ui::FormEntername*>(&f);
        ASSERT_NE(w, nullptr);
        w->Tbox_name->set_text("Zo\xC3\xAB");
        click(w->ok.label);
        ASSERT_EQ(boxes.calls.size(), 1u);
        EXPECT_EQ(boxes.calls[0].text,
                  "Invalid characters in name! It is recommended\r"
                  "that your name should contain alphabets and \r"
                  "numbers only.");
        EXPECT_EQ(boxes.calls[0].style, platform::kMsgInfo);
        EXPECT_EQ(w->Tbox_name->text(), "Zo\xC3\xAB") << "what was typed stays";

        f.deliver_key_down(27, 0);
        EXPECT_TRUE(f.is_shown());
        EXPECT_FALSE(f.deliver_close_request());  // the close box and the desktop's close keys
        f.close();
        EXPECT_TRUE(f.is_shown());
        EXPECT_FALSE(w->entered());

        w->Tbox_name->set_text("  Bo Peep ");
        click(w->ok.label);
        EXPECT_TRUE(w->entered());
        EXPECT_FALSE(f.is_shown());
    });
    ui::show_form_entername();
    EXPECT_EQ(v.count, 1);
    EXPECT_EQ(candidate().name, "Bo Peep");
    EXPECT_EQ(candidate().mode, "Story - Medium");
}

TEST_F(EnterName, AVisitCutShortShowsTheSameEntryAgain) {
    ui::FormEntername* first = nullptr;
    Visits v([&first](platform::Form& f) {
        auto* w = dynamic_cast<ui::FormEntername*>(&f);
        ASSERT_NE(w, nullptr);
        ui::show_form_entername();  // a second entry while one is up does nothing
        if (!first) {
            first = w;
            w->Tbox_name->set_text("Carol");
            return;  // the visit ends without OK
        }
        EXPECT_EQ(w, first);
        EXPECT_EQ(w->Tbox_name->text(), "Carol");
        click(w->ok.label);
    });
    ui::show_form_entername();
    EXPECT_EQ(v.count, 2);
    EXPECT_EQ(candidate().name, "Carol");
}

TEST_F(EnterName, TheBoxTakesNoSixteenthCharacter) {
    Visits v([](platform::Form& f) {
        auto* w = dynamic_cast<ui::FormEntername*>(&f);
        ASSERT_NE(w, nullptr);
        w->Tbox_name->set_text("");
        QTest::keyClicks(w->Tbox_name->widget(), "abcdefghijklmnopq");
        EXPECT_EQ(w->Tbox_name->text(), "abcdefghijklmno");
        click(w->ok.label);
    });
    ui::show_form_entername();
    EXPECT_EQ(candidate().name, "abcdefghijklmno");
}

// ---- Hall of Fame --------------------------------------------------------------------------

class Topten : public GameTest {
protected:
    void SetUp() override {
        GameTest::SetUp();
        core::default_hall_of_fame();
    }
    void TearDown() override {
        platform::Form::set_modal_runner({});
        GameTest::TearDown();
    }
};

TEST_F(Topten, ShowsTheRanksRowsAndStoriesWon) {
    core::core_state().hof_table[4] = {"Big Hitter", 1234567, "Linear - Crazy!"};
    Visits v([](platform::Form& f) {
        auto* w = dynamic_cast<ui::FormTopten*>(&f);
        ASSERT_NE(w, nullptr);
        EXPECT_TRUE(ui::form_topten_open());
        const char* ranks[11] = {"", "1st", "2nd", "3rd", " 4th", " 5th", " 6th", " 7th", " 8th", " 9th", " 10th"};
        for (std::size_t i = 1; i <= 10; ++i) EXPECT_EQ(w->Label_rank[i]->caption(), ranks[i]);
        EXPECT_EQ(w->Label_ttname[1]->caption(), "Player A");
        EXPECT_EQ(w->Label_ttscore[1]->caption(), "10,000 pts");
        EXPECT_EQ(w->Label_ttmode[1]->caption(), "Story");
        EXPECT_EQ(w->Label_ttscore[4]->caption(), "1,234,567 pts");
        EXPECT_EQ(w->Label_ttmode[4]->caption(), "Linear - Crazy!");
        EXPECT_EQ(w->Label_ttname[10]->caption(), "Player J");
        EXPECT_EQ(w->Label_ttscore[10]->caption(), "1,000 pts");
        EXPECT_EQ(w->Label_swon->caption(), "0 TIME");
        f.close();
    });
    ui::show_form_topten();
    EXPECT_EQ(v.count, 1);
    EXPECT_FALSE(ui::form_topten_open());
}

TEST_F(Topten, StoriesWonReadsTimeOrTimes) {
    const std::vector<std::pair<int, std::string>> cases = {{0, "0 TIME"}, {1, "1 TIME"}, {2, "2 TIMES"}, {17, "17 TIMES"}};
    for (const auto& [won, text] : cases) {
        core::core_state().stories_won = static_cast<std::int16_t>(won);
        std::string shown;
        Visits v([&shown](platform::Form& f) {
            shown = dynamic_cast<ui::FormTopten&>(f).Label_swon->caption();
            f.close();
        });
        ui::show_form_topten();
        EXPECT_EQ(shown, text) << won;
    }
}

TEST_F(Topten, EscapeAndOkCloseItAndTheButtonShowsItsPress) {
    const core::StateWord state_before = core::core_state().game_state;
    Visits escape([](platform::Form& f) {
        f.deliver_key_down(13, 0);
        EXPECT_TRUE(f.is_shown()) << "only Escape and OK close it";
        f.deliver_key_down(27, 0);
        EXPECT_FALSE(f.is_shown());
    });
    ui::show_form_topten();
    EXPECT_EQ(escape.count, 1);

    Visits ok([](platform::Form& f) {
        auto& w = dynamic_cast<ui::FormTopten&>(f);
        platform::MouseArgs right;
        right.button = platform::kRightButton;
        w.ok.label->deliver_mouse_down(right);
        EXPECT_EQ(w.ok.shape->fill_colour(), ui::kPressed);
        w.ok.label->deliver_mouse_up(right, false);  // released beside it: no click
        EXPECT_EQ(w.ok.shape->fill_colour(), ui::kReleased);
        EXPECT_TRUE(f.is_shown());
        click(w.ok.label);
        EXPECT_FALSE(f.is_shown());
    });
    ui::show_form_topten();
    EXPECT_EQ(ok.count, 1);
    EXPECT_EQ(core::core_state().game_state, state_before);
}

TEST_F(Topten, AnInsertionWhileItIsOpenRefreshesTheRows) {
    Visits v([](platform::Form& f) {
        auto& w = dynamic_cast<ui::FormTopten&>(f);
        core::core_state().hof_table[0] = {"Newcomer", 5000, "Story - Hard"};
        ASSERT_TRUE(core::hof_insert());
        EXPECT_EQ(w.Label_ttname[2]->caption(), "Player B");
        EXPECT_EQ(w.Label_ttname[3]->caption(), "Newcomer");
        EXPECT_EQ(w.Label_ttscore[3]->caption(), "5,000 pts");
        EXPECT_EQ(w.Label_ttname[10]->caption(), "Player I");
        ui::set_topten_row(0, "x", "x", "x");  // rows outside 1..10 are ignored
        ui::set_topten_row(11, "x", "x", "x");
        for (int i = 1; i <= 10; ++i) EXPECT_NE(w.Label_ttname[static_cast<std::size_t>(i)]->caption(), "x") << i;
        f.close();
    });
    ui::show_form_topten();
}

// ---- Help ----------------------------------------------------------------------------------

class Help : public GameTest {
protected:
    void TearDown() override {
        platform::Form::set_modal_runner({});
        platform::set_open_document_handler({});
        platform::set_data_folder("");
        GameTest::TearDown();
    }
    // Writes the lines as "faq.dat" and reads it the way start-up does.
    void use_faq(const std::vector<std::string>& lines) {
        ASSERT_TRUE(dir_.isValid());
        QFile f(dir_.filePath("faq.dat"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        for (const std::string& l : lines) f.write((l + "\r\n").c_str());
        f.close();
        platform::set_data_folder(dir_.path().toStdString());
        core::load_faq();
    }
    // The help window loaded afresh, opened at question q.
    std::unique_ptr<ui::FormInst> open_at(int q) {
        ui::screen().help_question = static_cast<std::int16_t>(q);
        auto w = std::make_unique<ui::FormInst>();
        w->Form_Load();
        return w;
    }
    void expect_marked(const ui::FormInst& w, int q) {
        const platform::Label* l = w.Label_q[static_cast<std::size_t>(q)];
        EXPECT_EQ(w.current_question(), q);
        EXPECT_EQ(w.Shape_cs->left(), l->left() - 6) << q;
        EXPECT_EQ(w.Shape_cs->top(), l->top() - 2) << q;
        EXPECT_EQ(w.Shape_cs->width(), l->width() + 8) << q;
        EXPECT_EQ(w.Shape_cs->height(), l->height()) << q;
    }
    QTemporaryDir dir_;
};

TEST_F(Help, OpensAtTheInstructionsFromTheMenu) {
    ui::screen().help_question = 3;
    Visits v([this](platform::Form& f) {
        auto* w = dynamic_cast<ui::FormInst*>(&f);
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(f.caption(), "Help and FAQ");
        expect_marked(*w, 0);
        EXPECT_TRUE(w->PBOX[0]->visible());
        EXPECT_FALSE(w->PBOX[1]->visible());
        EXPECT_EQ(w->Label_title->caption(), "PLAYING INSTRUCTION");
        EXPECT_EQ(w->Label_inst[2]->caption(), "The faster you solve the puzzle, the more points you will score.");
        EXPECT_EQ(w->Label_inst[3]->caption(),
                  "You will only lose the game when you reach a limited number of allowed misses.");
        for (const ui::SideButton& b : w->bt) EXPECT_EQ(b.shape->fill_colour(), ui::kReleased);
        f.deliver_key_down(27, 0);
        EXPECT_FALSE(f.is_shown());
    });
    ui::Label_mi_Click(4);
    EXPECT_EQ(v.count, 1);
}

TEST_F(Help, QuestionsShowTheirSectionsAndTheMarkerFollows) {
    use_faq({"Text before the first header is never shown", "[LINEAR]", "LINEAR MODE", "-----",
             "Climb the levels.", " [not a header: a blank hides the bracket]", "", "Last linear line.",
             "[STORY]", "STORY MODE", "-----", "[ABOUTME]", "ABOUT", "-----", "Hello.",
             "[NOSOUND]", "QUIET", "-----", "Shh.", "The very last line."});
    auto w = open_at(-1);
    click(w->Label_q[1]);
    expect_marked(*w, 1);
    EXPECT_TRUE(w->PBOX[1]->visible());
    EXPECT_EQ(w->Label_title->caption(), "LINEAR MODE");
    EXPECT_EQ(w->Text_faq->text(),
              "Climb the levels.\r\n [not a header: a blank hides the bracket]\r\n\r\nLast linear line.\r\n");

    click(w->Label_q[2]);  // the body would start on a header: nothing to show
    expect_marked(*w, 2);
    EXPECT_EQ(w->Label_title->caption(), "STORY MODE");
    EXPECT_EQ(w->Text_faq->text(), "");

    click(w->Label_q[3]);
    EXPECT_EQ(w->Label_title->caption(), "ABOUT");
    EXPECT_EQ(w->Text_faq->text(), "Hello.\r\n");

    click(w->Label_q[4]);  // runs to the last line read
    expect_marked(*w, 4);
    EXPECT_EQ(w->Text_faq->text(), "Shh.\r\nThe very last line.\r\n");

    click(w->Label_q[0]);
    expect_marked(*w, 0);
    EXPECT_TRUE(w->PBOX[0]->visible());
    EXPECT_FALSE(w->PBOX[1]->visible());
    EXPECT_EQ(w->Label_title->caption(), "PLAYING INSTRUCTION");
}

TEST_F(Help, HeadersAreFoundTrimmedExactlyAndFirstOnly) {
    use_faq({"[linear]", "lower case tag", "-", "no", "   [LINEAR]  ", "FIRST", "-", "one",
             "[LINEAR]", "SECOND", "-", "two"});
    auto w = open_at(1);
    EXPECT_EQ(w->Label_title->caption(), "FIRST");
    EXPECT_EQ(w->Text_faq->text(), "one\r\n");
}

struct BrokenFaq {
    const char* what;
    std::vector<std::string> lines;
    std::string title;
    std::string text;
};

TEST_F(Help, ABrokenHelpFileShowsEmptyPartsAndStaysUsable) {
    const std::vector<BrokenFaq> cases = {
        {"no such section", {"[STORY]", "S", "-", "s"}, "", ""},
        {"no file lines at all", {}, "", ""},
        {"header is the last line", {"x", "[LINEAR]"}, "", ""},
        {"header is the second last line", {"[LINEAR]", "TITLE"}, "TITLE", ""},
        {"header, title and rule only", {"[LINEAR]", "TITLE", "-"}, "TITLE", ""},
        {"empty title line", {"[LINEAR]", "", "-", "body"}, "", "body\r\n"},
        {"empty lines in the body", {"[LINEAR]", "T", "", "", "b", ""}, "T", "\r\nb\r\n\r\n"},
    };
    for (const BrokenFaq& c : cases) {
        SCOPED_TRACE(c.what);
        use_faq(c.lines);
        auto w = open_at(1);
        EXPECT_EQ(w->Label_title->caption(), c.title);
        EXPECT_EQ(w->Text_faq->text(), c.text);
        click(w->Label_q[0]);
        EXPECT_EQ(w->Label_title->caption(), "PLAYING INSTRUCTION");
    }
}

TEST_F(Help, OnlyTheLinesReadAreLookedAt) {
    core::CoreState& s = core::core_state();
    s.faq_line[239] = "[NOSOUND]";
    s.faq_line[240] = "beyond the lines read";
    s.faq_count = 239;
    auto w = open_at(4);
    EXPECT_EQ(w->Label_title->caption(), "");
    s.faq_count = 255;  // a count larger than the table is held to it
    s.faq_line[238] = "[NOSOUND]";
    s.faq_line[239] = "T";
    click(w->Label_q[4]);
    EXPECT_EQ(w->Label_title->caption(), "T");
    EXPECT_EQ(w->Text_faq->text(), "");
}

TEST_F(Help, TheQuestionStaysWithinItsLabels) {
    for (int asked : {-1, 0, 5, 100, -30000}) {
        auto w = open_at(asked);
        expect_marked(*w, 0);
    }
    auto w = open_at(2);
    expect_marked(*w, 2);
    w->show_question(5);
    w->show_question(-1);
    expect_marked(*w, 2);
}

TEST_F(Help, ViewReadmeOpensTheFileBesideTheProgramOrSaysItCannot) {
    std::vector<std::string> opened;
    std::int32_t answer = 2;
    platform::set_open_document_handler([&](const std::string& path) {
        opened.push_back(path);
        return answer;
    });
    Visits v([&](platform::Form& f) {
        auto& w = dynamic_cast<ui::FormInst&>(f);
        click(w.bt[1].label);
        ASSERT_EQ(boxes.calls.size(), 1u);
        EXPECT_EQ(boxes.calls[0].text, "Sorry! readme.txt file failed to be loaded");
        EXPECT_EQ(boxes.calls[0].style, platform::kMsgInfo);
        EXPECT_TRUE(f.is_shown());
        answer = 33;
        click(w.bt[1].label);
        EXPECT_EQ(boxes.calls.size(), 1u);
        EXPECT_TRUE(f.is_shown());
        click(w.bt[0].label);
        EXPECT_FALSE(f.is_shown());
    });
    ui::show_form_inst();
    EXPECT_EQ(v.count, 1);
    ASSERT_EQ(opened.size(), 2u);
    EXPECT_EQ(opened[0], platform::data_path("readme.txt"));
}

// ---- About ---------------------------------------------------------------------------------

class About : public GameTest {
protected:
    void TearDown() override {
        platform::Form::set_modal_runner({});
        platform::set_open_document_handler({});
        GameTest::TearDown();
    }
};

TEST_F(About, TheLinkTurnsYellowWhenPressedAndStaysUnderlined) {
    std::vector<std::string> opened;
    platform::set_open_document_handler([&](const std::string& path) {
        opened.push_back(path);
        return opened.size() == 1 ? 42 : 0;
    });
    Visits v([&](platform::Form& f) {
        auto* w = dynamic_cast<ui::FormAbout*>(&f);
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(f.caption(), "About this Game");
        platform::Label* link = w->Label10;
        EXPECT_FALSE(link->font().underline);
        platform::MouseArgs a;
        a.button = platform::kLeftButton;
        link->deliver_mouse_down(a);
        EXPECT_EQ(link->fore_colour(), platform::kYellow);
        EXPECT_TRUE(link->font().underline);
        link->deliver_mouse_up(a, true);
        EXPECT_EQ(link->fore_colour(), platform::kWhite);
        EXPECT_TRUE(link->font().underline);
        EXPECT_TRUE(boxes.calls.empty());

        click(link);  // this time the desktop cannot open it
        ASSERT_EQ(boxes.calls.size(), 1u);
        EXPECT_EQ(boxes.calls[0].text, "Sorry! link failed to be loaded");
        EXPECT_TRUE(f.is_shown());
        f.close();
    });
    ui::show_form_about();
    EXPECT_EQ(opened, (std::vector<std::string>{ui::kWebsite, ui::kWebsite}));
}

TEST_F(About, EscapeAndOkCloseIt) {
    const core::StateWord state_before = core::core_state().game_state;
    Visits escape([](platform::Form& f) {
        ui::show_form_about();  // already up: nothing more
        f.deliver_key_down(27, 0);
        EXPECT_FALSE(f.is_shown());
    });
    ui::Label_mi_Click(2);
    EXPECT_EQ(escape.count, 1);
    Visits ok([](platform::Form& f) {
        auto& w = dynamic_cast<ui::FormAbout&>(f);
        EXPECT_EQ(w.ok.shape->fill_colour(), ui::kReleased);
        click(w.ok.label);
        EXPECT_FALSE(f.is_shown());
    });
    ui::show_form_about();
    EXPECT_EQ(ok.count, 1);
    EXPECT_EQ(core::core_state().game_state, state_before);
}

// ---- A Linear game that places -------------------------------------------------------------

class EnterNameAtGameEnd : public RoundTest {
protected:
    void TearDown() override {
        platform::Form::set_modal_runner({});
        RoundTest::TearDown();
    }
};

TEST_F(EnterNameAtGameEnd, ThePlayerIsEnteredAndShown) {
    core::CoreState& s = core::core_state();
    ui::start_linear();
    ui::leave_menu();
    finish_half();
    finish_half();
    s.cur_diff.name = "Crazy!";
    s.score = 4000;
    s.misses = static_cast<std::uint8_t>(s.miss_limit - 1);
    aim_beside();
    core::check_answer();  // the last miss: the game is lost
    finish_half();
    finish_half();

    std::int32_t final_score = 0;
    int place = 0;
    std::vector<std::string> seen;
    Visits v([&](platform::Form& f) {
        if (auto* e = dynamic_cast<ui::FormEntername*>(&f)) {
            seen.push_back("name");
            final_score = s.score;
            place = core::hof_position(s.score);
            QLineEdit* edit = qobject_cast<QLineEdit*>(e->Tbox_name->widget());
            ASSERT_NE(edit, nullptr);
            edit->selectAll();
            QTest::keyClicks(edit, "  Grace H ");
            QTest::mouseClick(e->ok.label->widget(), Qt::LeftButton);
        } else if (auto* t = dynamic_cast<ui::FormTopten*>(&f)) {
            seen.push_back("topten");
            const auto k = static_cast<std::size_t>(place);
            EXPECT_EQ(t->Label_ttname[k]->caption(), "Grace H");
            EXPECT_EQ(t->Label_ttmode[k]->caption(), "Linear - Crazy!");
            QTest::keyClick(f.widget(), Qt::Key_Escape);
        } else {
            ADD_FAILURE() << "unexpected window " << f.caption();
            f.close();
        }
        EXPECT_FALSE(f.is_shown());
    });
    form().Timer_gameover.fire();
    form().Timer_gameover.fire();  // the check runs at the first tick only
    EXPECT_EQ(seen, (std::vector<std::string>{"name", "topten"}));
    ASSERT_GE(place, 1);
    ASSERT_LE(place, 10);
    const auto k = static_cast<std::size_t>(place);
    EXPECT_EQ(s.hof_table[k].name, "Grace H");
    EXPECT_EQ(s.hof_table[k].score, final_score);

}

}  // namespace
