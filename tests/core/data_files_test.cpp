// Reading the praise quotes and the help lines: limits, trimming, fallbacks and damaged files.
#include <gtest/gtest.h>

#include "support/data_folder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <random>
#include <string>
#include <vector>

#include "core/data_files.h"
#include "core/game_state.h"
#include "platform/services.h"

namespace {

using Strings = std::vector<std::string>;

class DataFilesTest : public testing_support::DataFolderTest {
protected:
    void SetUp() override {
        DataFolderTest::SetUp();
        core::core_state() = core::CoreState{};
    }

    void write(const char* name, const std::string& contents) { write_file(name, contents); }
    void remove(const char* name) { remove_file(name); }

    static Strings quotes() {
        const auto& s = core::core_state();
        return Strings(s.quote.begin() + 1, s.quote.begin() + 1 + s.quote_count);
    }
    static Strings faq() {
        const auto& s = core::core_state();
        return Strings(s.faq_line.begin() + 1, s.faq_line.begin() + 1 + s.faq_count);
    }

    static std::string numbered_lines(const std::string& prefix, int n) {
        std::string text;
        for (int i = 1; i <= n; ++i) text += prefix + std::to_string(i) + "\n";
        return text;
    }
};

const Strings kBuiltInQuotes = {"Good Job", "Well done!", "Wow!", "Excellent!"};

TEST_F(DataFilesTest, QuotesAreTrimmedCutAndBlankLinesSkipped) {
    const std::string sixty(60, 'x');
    // 49 two-byte letters, a three-byte one as the 50th, then more: the cut falls after the
    // 50th letter, not after the 50th byte.
    std::string accented;
    for (int i = 0; i < 49; ++i) accented += "\xC3\xA9";  // é
    accented += "\xE2\x82\xAC";                           // €, the 50th letter
    accented += "\xC3\xA9\xC3\xA9";
    std::string accented_cut = accented.substr(0, 49 * 2 + 3);

    struct Case {
        const char* what;
        std::string contents;
        Strings expected;
    };
    const Case cases[] = {
        {"blanks around a word", "   word   \n", {"word"}},
        {"tabs count as blanks", "\tGreat!\t\n", {"Great!"}},
        {"60 characters keep 50", sixty + "\n", {std::string(50, 'x')}},
        {"a blank at the cut stays", std::string(49, 'x') + " tail\n", {std::string(49, 'x') + " "}},
        {"the cut never splits a letter", accented + "\n", {accented_cut}},
        {"blank lines between quotes", "One\n\n   \nTwo\r\n\r\nThree", {"One", "Two", "Three"}},
        {"inner blanks stay", "  Nice  find!  \n", {"Nice  find!"}},
        {"a byte-order mark is not text", "\xEF\xBB\xBFHello\n", {"Hello"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        write("quotes.txt", c.contents);
        core::load_quotes();
        EXPECT_EQ(quotes(), c.expected);
    }
}

TEST_F(DataFilesTest, NoUsableQuoteGivesTheFourBuiltInOnes) {
    const struct {
        const char* what;
        const char* contents;  // nullptr: no file at all
    } cases[] = {
        {"missing file", nullptr},
        {"empty file", ""},
        {"only blank lines", "\n   \n\t\n\r\n  \t  \n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        if (c.contents) write("quotes.txt", c.contents);
        else remove("quotes.txt");
        core::load_quotes();
        EXPECT_EQ(core::core_state().quote_count, 4);
        EXPECT_EQ(quotes(), kBuiltInQuotes);
        EXPECT_EQ(core::core_state().quote[5], "");
    }
}

TEST_F(DataFilesTest, QuotesStopAfterTheNinetyNinthKeptLine) {
    // Blank lines do not count towards the limit.
    write("quotes.txt", "\n\n" + numbered_lines("quote ", 150));
    core::load_quotes();
    const auto& s = core::core_state();
    ASSERT_EQ(s.quote_count, 99);
    EXPECT_EQ(s.quote[1], "quote 1");
    EXPECT_EQ(s.quote[99], "quote 99");
    EXPECT_EQ(s.quote[100], "");
}

TEST_F(DataFilesTest, ReadingQuotesAgainLeavesNothingOfTheOldTable) {
    write("quotes.txt", numbered_lines("old ", 10));
    core::load_quotes();
    write("quotes.txt", "new\n");
    core::load_quotes();
    EXPECT_EQ(quotes(), Strings{"new"});
    EXPECT_EQ(core::core_state().quote[2], "");
}

TEST_F(DataFilesTest, MapAndQuotesAreReadTogether) {
    // No map file here: the map reader must have run (and said so) and the quotes still load.
    write("quotes.txt", "Yay!\n");
    core::core_state().story_available = true;
    core::load_map_and_quotes();
    EXPECT_FALSE(core::core_state().story_available);
    EXPECT_NE(core::core_state().map_problem.find("mappath.dat"), std::string::npos);
    EXPECT_EQ(quotes(), Strings{"Yay!"});
}

TEST_F(DataFilesTest, HelpLinesAreKeptAsTheyStandUpTo239) {
    struct Case {
        const char* what;
        std::string contents;
        Strings expected;
    };
    const Case cases[] = {
        {"empty file", "", {}},
        {"blanks and empty lines kept", "intro\n\n  [LINEAR]  \nTitle\r\n\tbody \n",
         {"intro", "", "  [LINEAR]  ", "Title", "\tbody "}},
        {"no line end after the last line", "a\nb", {"a", "b"}},
        {"a byte-order mark is not text", "\xEF\xBB\xBF[STORY]\n", {"[STORY]"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        write("faq.dat", c.contents);
        core::load_faq();
        EXPECT_EQ(faq(), c.expected);
    }
}

TEST_F(DataFilesTest, HelpLinesPastThe239thAreNotRead) {
    for (int lines : {238, 239, 240, 300}) {
        SCOPED_TRACE(lines);
        write("faq.dat", numbered_lines("line ", lines));
        core::load_faq();
        const auto& s = core::core_state();
        const int kept = lines < 239 ? lines : 239;
        ASSERT_EQ(s.faq_count, kept);
        EXPECT_EQ(s.faq_line[kept], "line " + std::to_string(kept));
        EXPECT_EQ(s.faq_line[240], "");
    }
}

TEST_F(DataFilesTest, MissingHelpFileGivesNoLines) {
    write("faq.dat", numbered_lines("line ", 5));
    core::load_faq();
    remove("faq.dat");
    core::load_faq();
    EXPECT_EQ(core::core_state().faq_count, 0);
    EXPECT_EQ(core::core_state().faq_line[1], "");
}

// Garbage and cut-off text: the tables stay within their limits and hold only what a line
// can hold.
TEST_F(DataFilesTest, FuzzedQuoteAndHelpFilesStayWithinTheTables) {
    platform::set_data_folder("");
    const auto real = [](const char* name) {
        QFile f(QString::fromStdString(platform::data_path(name)));
        return f.open(QIODevice::ReadOnly) ? f.readAll().toStdString() : std::string();
    };
    const std::string real_quotes = real("quotes.txt");
    const std::string real_faq = real("faq.dat");
    platform::set_data_folder(dir_.path().toStdString());

    std::mt19937 gen(20240607);
    const std::string alphabet = std::string("ab [] \t,\"\r\n\n\n\xC3\xA9\xFF") + '\0';
    auto garbage = [&](std::size_t max_len) {
        std::string s(std::uniform_int_distribution<std::size_t>(0, max_len)(gen), ' ');
        for (char& c : s) c = alphabet[std::uniform_int_distribution<std::size_t>(0, alphabet.size() - 1)(gen)];
        return s;
    };
    auto cut = [&](const std::string& s) {
        return s.substr(0, std::uniform_int_distribution<std::size_t>(0, s.size())(gen));
    };

    for (int round = 0; round < 300; ++round) {
        SCOPED_TRACE(round);
        const int kind = round % 3;
        const std::string q = kind == 1 ? cut(real_quotes) : garbage(kind == 0 ? 300 : 3000);
        write("quotes.txt", q);
        core::load_quotes();
        const auto& s = core::core_state();
        ASSERT_GE(s.quote_count, 1);
        ASSERT_LE(s.quote_count, 99);
        for (int i = 1; i <= s.quote_count; ++i) {
            const std::string& line = s.quote[static_cast<std::size_t>(i)];
            ASSERT_FALSE(line.empty());
            ASSERT_EQ(line.find_first_of("\r\n"), std::string::npos);
            ASSERT_NE(line.front(), ' ');
            // Trimming comes before the cut, so only a line cut at 50 letters may end in a blank.
            if (line.back() == ' ') {
                ASSERT_GE(line.size(), 50u);
            }
            ASSERT_LE(line.size(), 50u * 4u);
        }
        for (std::size_t i = s.quote_count + 1u; i < s.quote.size(); ++i) ASSERT_EQ(s.quote[i], "");

        const std::string f = kind == 1 ? cut(real_faq) : garbage(3000);
        write("faq.dat", f);
        core::load_faq();
        ASSERT_LE(s.faq_count, 239);
        for (std::size_t i = 1; i <= s.faq_count; ++i)
            ASSERT_EQ(s.faq_line[i].find_first_of("\r\n"), std::string::npos);
        for (std::size_t i = s.faq_count + 1u; i < s.faq_line.size(); ++i) ASSERT_EQ(s.faq_line[i], "");
    }
}

}  // namespace
