// Scrambling of saved values: the worked examples, round trips, numbers and garbled input.
#include <gtest/gtest.h>

#include "core/scramble.h"
#include "platform/random.h"

namespace {

using core::scramble_value;
using core::unscramble_value;

// The r that gives pattern width m (3 + round(12 r)).
float width(int m) { return static_cast<float>(m - 3) / 12.0f; }

std::string codes(std::initializer_list<int> cs) {
    std::string s;
    for (int c : cs) s += static_cast<char>(c);
    return s;
}

TEST(Scramble, WorkedExamples) {
    {
        platform::ScriptedRandom r({width(3)});
        EXPECT_EQ(scramble_value("abc"), "C" + codes({94, 96, 98}));
        EXPECT_EQ(r.taken(), 1u);
    }
    {
        platform::ScriptedRandom r({width(15)});
        EXPECT_EQ(scramble_value("abc"), "ORTV");
    }
    {
        platform::ScriptedRandom r({width(3)});
        EXPECT_EQ(scramble_value("abcdefghij"), "C" + codes({94, 96, 98, 100, 102, 104, 106, 101, 103, 105}));
    }
}

TEST(Scramble, EveryWidthRoundTripsEveryPrintableCharacter) {
    std::string all;
    for (int c = 32; c <= 126; ++c) all += static_cast<char>(c);
    const std::string texts[] = {all, all + all + all, "", " lead and trail ", "~", "Player A"};
    for (int m = 3; m <= 15; ++m) {
        for (const std::string& t : texts) {
            platform::ScriptedRandom r({width(m)});
            std::string stored = scramble_value(t);
            ASSERT_EQ(stored[0], static_cast<char>(64 + m));
            ASSERT_EQ(stored.size(), t.size() + 1);
            for (char ch : stored) ASSERT_TRUE(ch >= 32 && ch <= 126);
            EXPECT_EQ(unscramble_value(stored), t) << "width " << m;
        }
    }
}

TEST(Scramble, TheRingWrapsAndOutsideCharactersBecomeBlanks) {
    EXPECT_EQ(core::shift_char("~", 1), ' ');
    EXPECT_EQ(core::shift_char(" ", -1), '~');
    EXPECT_EQ(core::shift_char("\t", 0), ' ');
    EXPECT_EQ(core::shift_char("\xE9", 1), '!');
    platform::ScriptedRandom r({width(7)});
    std::string stored = scramble_value("a\tb");
    EXPECT_EQ(unscramble_value(stored), "a b");
}

TEST(Scramble, EmptyTexts) {
    platform::ScriptedRandom r({0.4f});
    std::string stored = scramble_value("");
    ASSERT_EQ(stored.size(), 1u);
    EXPECT_GE(stored[0], 'C');
    EXPECT_LE(stored[0], 'O');
    EXPECT_EQ(unscramble_value(stored), "");
    std::string empty;
    EXPECT_EQ(unscramble_value(empty), "");
    EXPECT_EQ(empty, "K") << "the caller's variable is replaced";
}

TEST(Scramble, NumbersKeepTheirLeadingBlank) {
    platform::ScriptedRandom r({width(5), width(5), width(5)});
    std::string stored = core::scramble_number(10000);
    std::string copy = stored;
    EXPECT_EQ(unscramble_value(copy), " 10000");
    EXPECT_EQ(core::unscramble_number(stored), 10000);
    std::string neg = core::scramble_number(-5);
    EXPECT_EQ(core::unscramble_number(neg), -5);
    std::string nothing = core::scramble_value("");
    EXPECT_EQ(core::unscramble_number(nothing), 0);
    EXPECT_EQ(core::number_text(5), " 5");
    EXPECT_EQ(core::number_text(-5), "-5");
}

TEST(Scramble, GarbledHeadersStillDecodeInsideTheRing) {
    const std::string headers[] = {"\x7E", "z", "A", "@", " ", "\x01", "\xFF"};
    for (const std::string& h : headers) {
        std::string stored = h + "Hello, world! ~~~   ";
        const std::string plain = unscramble_value(stored);
        EXPECT_EQ(plain.size(), 20u);
        for (char ch : plain) EXPECT_TRUE(ch >= 32 && ch <= 126) << static_cast<int>(ch);
        std::string again = h + "12x";
        EXPECT_NO_THROW(core::unscramble_number(again));
    }
}

}  // namespace
