// Tests of ending the program and of the font stand-ins.
#include <gtest/gtest.h>

#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QList>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "platform/services.h"

namespace {

class EndProgramTest : public ::testing::Test {
protected:
    void SetUp() override { GTEST_FLAG_SET(death_test_style, "threadsafe"); }
    void TearDown() override { platform::set_end_program_handler(nullptr); }

    // Death tests run the test again in a child, so the files both sides look at need
    // names that do not change between runs.
    static std::string scratch(const char* name) {
        return ::testing::TempDir() + "quorvel_end_program_" + name;
    }
    static std::string contents(const std::string& path) {
        std::ifstream in(path);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }
};

TEST_F(EndProgramTest, AnInstalledHandlerSeesTheEnding) {
    int calls = 0;
    platform::set_end_program_handler([&] {
        ++calls;
        throw platform::ProgramEnded{};
    });
    EXPECT_THROW(platform::end_program(), platform::ProgramEnded);
    EXPECT_EQ(calls, 1);
}

TEST_F(EndProgramTest, LeavesAtOnceKeepingBufferedOutput) {
    const std::string saved = scratch("saved.txt");
    const std::string handler_ran = scratch("atexit.txt");
    std::filesystem::remove(saved);
    std::filesystem::remove(handler_ran);
    static std::string marker;
    marker = handler_ran;
    EXPECT_EXIT(
        {
            std::atexit([] { std::ofstream(marker) << "ran"; });
            std::FILE* out = std::fopen(saved.c_str(), "w");
            std::fputs("written before the end", out);  // still in the stream's buffer
            platform::end_program();
        },
        ::testing::ExitedWithCode(0), "");
    EXPECT_EQ(contents(saved), "written before the end");
    EXPECT_FALSE(std::filesystem::exists(handler_ran));
}

TEST_F(EndProgramTest, AHandlerThatReturnsStillEndsTheProgram) {
    EXPECT_EXIT(
        {
            platform::set_end_program_handler([] {});
            platform::end_program();
        },
        ::testing::ExitedWithCode(0), "");
}

TEST(FontsTest, TheGamesFontNamesResolveToTextFaces) {
    platform::register_font_substitutes();
    for (const char* name :
         {"Impact", "Verdana", "Tahoma", "Century Gothic", "Comic Sans MS", "MS Sans Serif"}) {
        SCOPED_TRACE(name);
        QFont font(QString::fromLatin1(name));
        font.setPixelSize(23);  // a size no other test asks for, so no cached answer is reused
        const QString family = QFontInfo(font).family();
        // Symbol faces (Dingbats above all) claim the Symbol writing system; a text face
        // that would stand in for these names never does.
        const auto systems = QFontDatabase::writingSystems(family);
        EXPECT_TRUE(systems.contains(QFontDatabase::Latin)) << family.toStdString();
        EXPECT_FALSE(systems.contains(QFontDatabase::Symbol)) << family.toStdString();
    }
}

}  // namespace
