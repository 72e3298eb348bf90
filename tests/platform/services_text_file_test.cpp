// Tests of sequential text reading: line ends, fields, numbers and files that are not there.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <filesystem>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "platform/services.h"

namespace {

using Strings = std::vector<std::string>;

class TextFileTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir_.isValid()); }

    std::string write(const std::string& contents, const char* name = "data.txt") {
        const QString path = dir_.filePath(name);
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(contents.data(), static_cast<qint64>(contents.size()));
        return path.toStdString();
    }

    QTemporaryDir dir_;
};

// Reads until the end, with a bound so that a reader that never reaches its end fails
// instead of hanging.
template <typename Read>
Strings read_all(platform::TextFile& file, Read read) {
    Strings out;
    for (int i = 0; i < 1000 && !file.eof(); ++i) out.push_back(read(file));
    return out;
}

Strings lines_of(platform::TextFile& f) {
    return read_all(f, [](platform::TextFile& t) { return t.read_line(); });
}

Strings fields_of(platform::TextFile& f) {
    return read_all(f, [](platform::TextFile& t) { return t.read_field(); });
}

struct Case {
    std::string contents;
    Strings expected;
};

TEST_F(TextFileTest, EveryKindOfLineEndEndsALine) {
    const Case cases[] = {
        {"", {}},
        {"one", {"one"}},
        {"one\n", {"one"}},
        {"one\r", {"one"}},
        {"one\r\n", {"one"}},
        {"a\rb\r\nc\nd", {"a", "b", "c", "d"}},
        {"a\n\nb\n", {"a", "", "b"}},
        {"a\r\n\r\n", {"a", ""}},
        {"\n", {""}},
        {"a\n\rb", {"a", "", "b"}},  // LF then CR is two line ends, not one
        {"  kept  \t", {"  kept  \t"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.contents);
        platform::TextFile f(write(c.contents));
        ASSERT_TRUE(f.ok());
        EXPECT_EQ(lines_of(f), c.expected);
        EXPECT_EQ(f.read_line(), "");
        EXPECT_TRUE(f.eof());
    }
}

TEST_F(TextFileTest, FieldsFollowTheOldInputRules) {
    const Case cases[] = {
        {"1,2,3\n", {"1", "2", "3"}},
        {"\"Smith, John\",42\r\n", {"Smith, John", "42"}},
        {"  spaced  ,\tx\n", {"spaced", "x"}},
        {"\"quoted\" ignored here,next", {"quoted", "next"}},
        {"a,,b", {"a", "", "b"}},
        {"a,\nb", {"a", "", "b"}},       // the comma promised a field
        {"a, \r\nb", {"a", "", "b"}},
        {"a\n\n\nb", {"a", "b"}},        // empty lines separate nothing
        {"a,b\r\nc,d\re", {"a", "b", "c", "d", "e"}},
        {"\"two\nlines\",x", {"two\nlines", "x"}},
        {"\"never closed, runs on\nto the end", {"never closed, runs on\nto the end"}},
        {"\"\",x", {"", "x"}},
        {"say \"hi\" there,y", {"say \"hi\" there", "y"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.contents);
        platform::TextFile f(write(c.contents));
        EXPECT_EQ(fields_of(f), c.expected);
        EXPECT_EQ(f.read_field(), "");
    }
}

TEST_F(TextFileTest, LinesAndFieldsMix) {
    platform::TextFile f(write("Title line, with a comma\n3,\"x\"\nlast"));
    EXPECT_EQ(f.read_line(), "Title line, with a comma");
    EXPECT_EQ(f.read_number(), 3.0);
    EXPECT_EQ(f.read_field(), "x");
    EXPECT_EQ(f.read_line(), "last");
    EXPECT_TRUE(f.eof());
}

TEST_F(TextFileTest, NumbersAreDecimalOrNothing) {
    struct NumberCase {
        const char* field;
        std::optional<double> expected;
    };
    const NumberCase cases[] = {
        {"12", 12.0},       {"-3.5", -3.5},        {"+7", 7.0},          {".5", 0.5},
        {"5.", 5.0},        {"  8  ", 8.0},        {"\"42\"", 42.0},     {"007", 7.0},
        {"", std::nullopt}, {"abc", std::nullopt}, {"1e3", std::nullopt}, {"1.2.3", std::nullopt},
        {"--1", std::nullopt}, {"+-1", std::nullopt}, {"-", std::nullopt}, {".", std::nullopt},
        {"1 2", std::nullopt}, {"0x10", std::nullopt}, {"12abc", std::nullopt},
        {"inf", std::nullopt}, {"nan", std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.field);
        platform::TextFile f(write(std::string(c.field) + ",after"));
        EXPECT_EQ(f.read_number(), c.expected);
        EXPECT_EQ(f.read_field(), "after");  // a bad number still uses up its field
    }
}

TEST_F(TextFileTest, FilesThatCannotBeReadAreEmptyAndAtTheirEnd) {
    const std::string big = write("", "big.txt");
    std::filesystem::resize_file(big, 16u * 1024u * 1024u + 1u);
    for (const std::string& path :
         {dir_.filePath("missing.txt").toStdString(), dir_.path().toStdString(), big,
          std::string()}) {
        SCOPED_TRACE(path);
        platform::TextFile f(path);
        EXPECT_FALSE(f.ok());
        EXPECT_TRUE(f.eof());
        EXPECT_EQ(f.read_line(), "");
        EXPECT_EQ(f.read_field(), "");
        EXPECT_EQ(f.read_number(), std::nullopt);
    }
}

TEST_F(TextFileTest, AFileAtTheSizeLimitIsRead) {
    const std::string path = write("x", "limit.txt");
    std::filesystem::resize_file(path, 16u * 1024u * 1024u);
    platform::TextFile f(path);
    EXPECT_TRUE(f.ok());
    EXPECT_EQ(f.read_field(), std::string("x") + std::string(16u * 1024u * 1024u - 1u, '\0'));
}

TEST_F(TextFileTest, RandomBytesAlwaysReadToTheEnd) {
    // Every read that is not at the end must use up at least one byte, whatever the bytes.
    std::mt19937 gen(2024);
    const std::string alphabet("ab 1.-+\t,\"\r\n\0\xff", 14);
    for (int round = 0; round < 300; ++round) {
        std::string bytes(gen() % 200, ' ');
        for (char& c : bytes) c = alphabet[gen() % alphabet.size()];
        platform::TextFile f(write(bytes));
        std::size_t reads = 0;
        while (!f.eof() && reads <= bytes.size()) {
            switch (gen() % 3) {
                case 0: f.read_line(); break;
                case 1: f.read_field(); break;
                default: f.read_number(); break;
            }
            ++reads;
        }
        ASSERT_TRUE(f.eof()) << "stuck in round " << round;
    }
}

}  // namespace
