// A help file with answers far longer than any the game ships: the window must show them at
// once, cut with a mark, and show what follows them.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <string>

#include "core/data_files.h"
#include "platform/services.h"
#include "support/game_fixture.h"
#include "ui/form_inst.h"

namespace {

using HelpLongLines = testing_support::GameTest;

TEST_F(HelpLongLines, HugeLinesAndAnswersAreCutWithAMarkAndNeverInsideACharacter) {
    std::string wide = "x";  // é is two bytes, so the cut at 8000 bytes would land inside one
    while (wide.size() < (3 << 20)) wide += "\xC3\xA9";
    const std::string long_line(50000, 'a');
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QFile f(dir.filePath("faq.dat"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(("[LINEAR]\r\n" + std::string(1 << 20, 'T') + "\r\n-\r\nbefore\r\n" + wide + "\r\nafter\r\n").c_str());
    for (int i = 0; i < 20; ++i) f.write((long_line + "\r\n").c_str());
    f.close();
    platform::set_data_folder(dir.path().toStdString());
    core::load_faq();
    platform::set_data_folder("");

    const ui::FaqSection shown = ui::faq_section("LINEAR");
    EXPECT_EQ(shown.title, std::string(8000, 'T') + " ...");
    std::string expected = "before\r\n" + wide.substr(0, 7999) + " ...\r\nafter\r\n";
    // The answer stops at the first line that starts past 64000 bytes.
    while (expected.size() < 64000) expected += std::string(8000, 'a') + " ...\r\n";
    expected += "...\r\n";
    EXPECT_EQ(shown.text, expected);
}

}  // namespace
