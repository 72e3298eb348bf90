// The help window with answers far longer than any the game ships: what it keeps, and that the
// shipped answers show whole.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <memory>
#include <string>
#include <vector>

#include "core/data_files.h"
#include "core/game_state.h"
#include "platform/services.h"
#include "support/game_fixture.h"
#include "ui/form_inst.h"
#include "ui/screen_state.h"

namespace {

class HelpLongLines : public testing_support::GameTest {
protected:
    void TearDown() override {
        platform::set_data_folder("");
        GameTest::TearDown();
    }
    void use_faq(const std::vector<std::string>& lines) {
        ASSERT_TRUE(dir_.isValid());
        QFile f(dir_.filePath("faq.dat"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        for (const std::string& l : lines) f.write((l + "\r\n").c_str());
        f.close();
        platform::set_data_folder(dir_.path().toStdString());
        core::load_faq();
    }
    // What the answer box of the help window shows for question 1 ("[LINEAR]").
    std::string shown_answer() {
        ui::screen().help_question = 1;
        auto w = std::make_unique<ui::FormInst>();
        w->Form_Load();
        title_ = w->Label_title->caption();
        return w->Text_faq->text();
    }
    std::string title_;
    QTemporaryDir dir_;
};

TEST_F(HelpLongLines, AMultiMegabyteLineIsCutAndWhatFollowsStillShows) {
    const std::string huge(3 << 20, 'x');
    use_faq({"[LINEAR]", std::string(1 << 20, 'T'), "-", "before", huge, "after"});
    const std::string text = shown_answer();
    EXPECT_EQ(text, "before\r\n" + std::string(8000, 'x') + " ...\r\nafter\r\n");
    EXPECT_EQ(title_, std::string(8000, 'T') + " ...");
}

TEST_F(HelpLongLines, AnAnswerOfManyLongLinesStopsWithAMark) {
    std::vector<std::string> lines = {"[LINEAR]", "T", "-"};
    for (int i = 0; i < 200; ++i) lines.push_back(std::string(50000, static_cast<char>('a' + i % 26)));
    use_faq(lines);
    const std::string text = shown_answer();
    EXPECT_LE(text.size(), 64000u + 8010u);
    EXPECT_EQ(text.substr(text.size() - 5), "...\r\n");
}

TEST_F(HelpLongLines, ACutNeverSplitsACharacter) {
    std::string wide;
    while (wide.size() < 20000) wide += "\xC3\xA9";  // é, two bytes
    use_faq({"[LINEAR]", "T", "-", "x" + wide});    // the cut would land inside a character
    const std::string text = shown_answer();
    EXPECT_EQ(text.find("\xEF\xBF\xBD"), std::string::npos) << "a broken character shows as a replacement mark";
    EXPECT_EQ(text.substr(0, 3), "x\xC3\xA9");
    EXPECT_EQ(text.substr(text.size() - 6), " ...\r\n");
}

TEST_F(HelpLongLines, TheShippedAnswersShowWhole) {
    platform::set_data_folder("");
    core::load_faq();
    const core::CoreState& s = core::state();
    ASSERT_GT(s.faq_count, 0);
    for (const char* tag : {"LINEAR", "STORY", "ABOUTME", "NOSOUND"}) {
        SCOPED_TRACE(tag);
        std::string expected;
        bool in = false;
        int after = 0;
        for (int i = 1; i <= s.faq_count; ++i) {
            const std::string& l = s.faq_line[static_cast<std::size_t>(i)];
            if (in && !l.empty() && l[0] == '[') break;
            if (in && ++after >= 3) expected += l + "\r\n";
            if (l == std::string("[") + tag + "]") in = true;
        }
        ASSERT_FALSE(expected.empty());
        EXPECT_EQ(ui::faq_section(tag).text, expected);
    }
}

}  // namespace
