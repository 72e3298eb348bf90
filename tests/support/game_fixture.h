// A fresh main window and game state for tests that drive the game through its own routines.
#pragma once

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <functional>
#include <memory>
#include <vector>

#include "core/game_state.h"
#include "modes/mode_state.h"
#include "pictures/picture_state.h"
#include "platform/picture_box.h"
#include "platform/services.h"
#include "ui/form_entername.h"
#include "ui/mainform.h"
#include "ui/screen_state.h"

namespace testing_support {

// Scripts message box answers and remembers every box shown.
class MsgBoxScript {
public:
    MsgBoxScript() {
        platform::set_msgbox_handler([this](const platform::MsgBoxCall& call) {
            calls.push_back(call);
            if (while_up) while_up();
            if (answers.empty()) return call.style == platform::kMsgYesNoQuestion ||
                                                call.style == platform::kMsgYesNoExclamation
                                            ? static_cast<int>(platform::kMsgResultYes)
                                            : static_cast<int>(platform::kMsgResultOk);
            const int a = answers.front();
            answers.erase(answers.begin());
            return a;
        });
    }
    ~MsgBoxScript() { platform::set_msgbox_handler({}); }
    std::vector<int> answers;
    std::vector<platform::MsgBoxCall> calls;
    std::function<void()> while_up;  // runs while each box is up, before it is answered
};

class GameTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(settings_dir_.isValid());
        platform::set_settings_folder(settings_dir_.path().toStdString());
        platform::set_end_program_handler([this] {
            ++program_ends;
            throw platform::ProgramEnded{};
        });
        core::core_state() = core::CoreState{};
        ui::screen() = ui::ScreenState{};
        modes::mode_state() = modes::ModeState{};
        pictures::picture_state() = pictures::PictureState{};
        form_ = &ui::create_mainform();
        // A side window opened by the game under test is dismissed at once: the name entry
        // takes the name it offers, the others close. Tests that visit a window set their own.
        platform::Form::set_modal_runner([](platform::Form& f) {
            if (auto* entry = dynamic_cast<ui::FormEntername*>(&f)) {
                entry->ok_click();
            } else {
                f.close();
            }
        });
    }
    void TearDown() override {
        platform::Form::set_modal_runner({});
        ui::destroy_mainform();
        platform::set_end_program_handler({});
    }
    ui::MainForm& form() { return *form_; }

    int program_ends = 0;
    MsgBoxScript boxes;

private:
    QTemporaryDir settings_dir_;
    ui::MainForm* form_ = nullptr;
};

}  // namespace testing_support
