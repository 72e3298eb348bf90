// The character table: names the player can type, and the lines the characters say.
#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>

#include "core/characters.h"

namespace {

using core::character_rows;

const std::string kPrefix = "cadge";

// The first row whose pawn word is in the buffer, as the map's key handler looks for it.
int first_character_in(const std::string& typed) {
    const auto& rows = character_rows();
    for (std::size_t i = 0; i < rows.size(); ++i)
        if (typed.find(kPrefix + rows[i].name) != std::string::npos) return static_cast<int>(i);
    return -1;
}

bool is_lower_word(const std::string& s) {
    if (s.empty()) return false;
    for (char ch : s)
        if (!((ch >= 'a' && ch <= 'z') || (ch >= '0' && ch <= '9'))) return false;
    return true;
}

TEST(Characters, SlotZeroIsTheRandomPick) {
    const auto& rows = character_rows();
    ASSERT_EQ(rows.size(), 19u);
    EXPECT_STREQ(rows[0].name, "?");
    EXPECT_STREQ(rows[0].saying, "");
}

TEST(Characters, KnownCharactersKeepTheirWords) {
    // Players and the help text already know these words.
    const std::pair<int, const char*> known[] = {
        {1, "turtle"}, {2, "puppy"}, {3, "piggy"}, {4, "birdy"}, {5, "penguin"},
        {11, "ufo"}, {12, "smiley"}, {13, "shit"}, {14, "jellyfish"}, {15, "ricebowl"},
    };
    for (const auto& [slot, name] : known) EXPECT_STREQ(character_rows()[slot].name, name) << slot;
}

TEST(Characters, NamesAreTypableWordsAndSayingsFitTheirLine) {
    const auto& rows = character_rows();
    const std::set<int> ours = {6, 7, 8, 9, 10, 16, 17, 18};
    for (int i = 1; i < 19; ++i) {
        const std::string name = rows[i].name;
        EXPECT_TRUE(is_lower_word(name)) << i << " " << name;
        if (ours.count(i)) {
            EXPECT_GE(name.size(), 4u) << name;
            EXPECT_LE(name.size(), 11u) << name;
        }
        const std::size_t said = std::strlen(rows[i].saying);
        EXPECT_GT(said, 0u) << name;
        EXPECT_LE(said, core::kMaxSayingLength) << name;
    }
}

TEST(Characters, EveryNameIsUniqueAndNoneStartsAnother) {
    const auto& rows = character_rows();
    for (std::size_t i = 0; i < rows.size(); ++i)
        for (std::size_t j = 0; j < rows.size(); ++j) {
            if (i == j) continue;
            const std::string a = rows[i].name, b = rows[j].name;
            EXPECT_NE(b.rfind(a, 0), 0u) << a << " starts " << b;
        }
}

TEST(Characters, EachTypedWordPicksItsOwnCharacter) {
    const auto& rows = character_rows();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        // Whatever was typed before, the word itself decides.
        EXPECT_EQ(first_character_in(kPrefix + rows[i].name), static_cast<int>(i)) << rows[i].name;
        EXPECT_EQ(first_character_in("zzjq" + kPrefix + rows[i].name), static_cast<int>(i)) << rows[i].name;
    }
}

TEST(Characters, NoPawnWordCollidesWithAnotherSecretWord) {
    // A clash would switch the pawn while cheating, or fire a cheat while switching the pawn.
    const char* words[] = {"cadgeplussecs", "cadgetally", "zebracove", "plonk", "jz", "reveal!rapid!"};
    for (const core::CharacterRow& row : character_rows()) {
        const std::string pawn_word = kPrefix + row.name;
        for (const std::string w : words) {
            EXPECT_EQ(pawn_word.find(w), std::string::npos) << pawn_word << " holds " << w;
            EXPECT_EQ(w.find(pawn_word), std::string::npos) << w << " holds " << pawn_word;
        }
    }
}

}  // namespace
