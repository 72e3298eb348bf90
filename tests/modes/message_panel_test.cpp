// The four-line message panel: filling, scrolling, hiding.
#include <gtest/gtest.h>

#include "modes/message_panel.h"
#include "modes/mode_state.h"
#include "support/game_fixture.h"

namespace {

using testing_support::GameTest;

class MessagePanel : public GameTest {
protected:
    std::vector<std::string> lines() {
        std::vector<std::string> out;
        for (auto* l : form().Label_msg) out.push_back(l->caption());
        return out;
    }
};

TEST_F(MessagePanel, FillsDownwardsThenScrolls) {
    modes::mode_state() = modes::ModeState{};
    modes::show_msg("before");  // before the first clearing: line 1
    EXPECT_EQ(lines(), (std::vector<std::string>{"", "before", "", ""}));
    modes::clear_msg();
    for (const char* t : {"a", "b", "c", "d"}) modes::show_msg(t);
    EXPECT_EQ(lines(), (std::vector<std::string>{"a", "b", "c", "d"}));
    modes::show_msg("e");
    EXPECT_EQ(lines(), (std::vector<std::string>{"b", "c", "d", "e"}));
}

TEST_F(MessagePanel, HidingKeepsTheLines) {
    modes::clear_msg();
    modes::show_msgbox();
    modes::hide_msgbox();
    modes::show_msg("while hidden");
    EXPECT_FALSE(form().Label_msgbox->visible());
    EXPECT_FALSE(form().Label_msg[0]->visible());
    modes::show_msgbox();
    EXPECT_TRUE(form().Label_msg[3]->visible());
    EXPECT_EQ(lines()[0], "while hidden");
}

}  // namespace
