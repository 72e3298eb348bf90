// Tests of message boxes (scripted and real) and of opening documents.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QEventLoop>
#include <QFile>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/services.h"
#include "support/fake_opener.h"

namespace {

class MsgBoxTest : public ::testing::Test {
protected:
    void TearDown() override {
        platform::set_msgbox_handler(nullptr);
        platform::set_program_title("Quorvel Infinite");
    }
};

TEST_F(MsgBoxTest, HandlerSeesTheTitleAsShownAndItsAnswerIsReturned) {
    std::vector<platform::MsgBoxCall> calls;
    platform::set_msgbox_handler([&](const platform::MsgBoxCall& c) {
        calls.push_back(c);
        return platform::kMsgResultNo;
    });
    EXPECT_EQ(platform::msgbox("Quit?", platform::kMsgYesNoQuestion), platform::kMsgResultNo);
    platform::set_program_title("Another Title");
    EXPECT_EQ(platform::msgbox("Hi\rthere", platform::kMsgInfo, ""), platform::kMsgResultNo);
    EXPECT_EQ(platform::msgbox("Sure?", platform::kMsgYesNoExclamation, "Own"),
              platform::kMsgResultNo);

    ASSERT_EQ(calls.size(), 3u);
    EXPECT_EQ(calls[0].title, "Quorvel Infinite");
    EXPECT_EQ(calls[0].style, 36);
    EXPECT_EQ(calls[1].title, "Another Title");
    EXPECT_EQ(calls[1].text, "Hi\rthere");  // the game's own text, as it wrote it
    EXPECT_EQ(calls[2].title, "Own");
    EXPECT_EQ(calls[2].style, 52);
}

// What a player does to a real box, and what the game must hear back.
struct RealBoxCase {
    const char* name;
    int style;
    std::function<void(QMessageBox*)> act;
    int expected;
    QMessageBox::Icon icon;
};

void press(QMessageBox* box, Qt::Key key) { QTest::keyClick(box, key); }

// Answers the box once it is up; gives up (closing every window) rather than hang.
void answer_when_shown(const std::function<void(QMessageBox*)>& act, QMessageBox** seen,
                       int tries = 50) {
    QTimer::singleShot(0, [=] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box) {
            *seen = box;
            act(box);
        } else if (tries > 0) {
            answer_when_shown(act, seen, tries - 1);
        } else {
            QApplication::closeAllWindows();
        }
    });
}

TEST_F(MsgBoxTest, RealBoxesAnswerWithTheOldNumbers) {
    const RealBoxCase cases[] = {
        {"ok by Enter", platform::kMsgOk, [](QMessageBox* b) { press(b, Qt::Key_Return); },
         platform::kMsgResultOk, QMessageBox::NoIcon},
        {"info by Escape", platform::kMsgInfo, [](QMessageBox* b) { press(b, Qt::Key_Escape); },
         platform::kMsgResultOk, QMessageBox::Information},
        {"yes is the default", platform::kMsgYesNoQuestion,
         [](QMessageBox* b) { press(b, Qt::Key_Return); }, platform::kMsgResultYes,
         QMessageBox::Question},
        {"escape is no", platform::kMsgYesNoQuestion,
         [](QMessageBox* b) { press(b, Qt::Key_Escape); }, platform::kMsgResultNo,
         QMessageBox::Question},
        {"closing is no", platform::kMsgYesNoExclamation, [](QMessageBox* b) { b->close(); },
         platform::kMsgResultNo, QMessageBox::Warning},
        {"clicking no", platform::kMsgYesNoExclamation,
         [](QMessageBox* b) { b->button(QMessageBox::No)->click(); }, platform::kMsgResultNo,
         QMessageBox::Warning},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QMessageBox* seen = nullptr;
        QString text, title;
        Qt::TextFormat format = Qt::AutoText;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        Qt::WindowModality modality = Qt::NonModal;
        answer_when_shown(
            [&](QMessageBox* b) {
                text = b->text();
                title = b->windowTitle();
                format = b->textFormat();
                icon = b->icon();
                modality = b->windowModality();
                c.act(b);
            },
            &seen);
        EXPECT_EQ(platform::msgbox("one\rtwo\r\n<b>three</b>", c.style), c.expected);
        ASSERT_NE(seen, nullptr);
        EXPECT_EQ(text, QString("one\ntwo\n<b>three</b>"));
        EXPECT_EQ(format, Qt::PlainText);
        EXPECT_EQ(title, QString("Quorvel Infinite"));
        EXPECT_EQ(icon, c.icon);
        EXPECT_EQ(modality, Qt::ApplicationModal);
    }
}

class OpenDocumentTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        platform::set_data_folder(dir_.path().toStdString());
        platform::set_open_document_handler([this](const std::string& p) {
            opened_.push_back(p);
            return answer_;
        });
    }
    void TearDown() override {
        platform::set_open_document_handler(nullptr);
        platform::set_data_folder("");
    }
    // With a handler the verdict is known at once.
    static std::int32_t open(const std::string& path) {
        std::int32_t result = -1;
        platform::open_document(path, [&](std::int32_t r) { result = r; });
        return result;
    }
    void make_file(const QString& name) {
        QFile f(dir_.filePath(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("text");
    }

    QTemporaryDir dir_;
    std::vector<std::string> opened_;
    std::int32_t answer_ = 42;
};

TEST_F(OpenDocumentTest, MissingFilesFailWithoutAskingTheOpener) {
    for (const char* path : {"", "nowhere.txt", "sub/none.txt", "/no/such/file.txt"}) {
        SCOPED_TRACE(path);
        EXPECT_LE(open(path), 32);
    }
    EXPECT_TRUE(opened_.empty());
}

TEST_F(OpenDocumentTest, ExistingFilesAreOpenedByTheirFullPath) {
    make_file("readme.txt");
    const std::string full = dir_.filePath("readme.txt").toStdString();
    EXPECT_GT(open("readme.txt"), 32);
    EXPECT_GT(open(full), 32);
    EXPECT_EQ(opened_, (std::vector<std::string>{full, full}));
}

TEST_F(OpenDocumentTest, WebAddressesGoStraightToTheOpener) {
    EXPECT_GT(open("https://example.org/page?a=1"), 32);
    EXPECT_GT(open("mailto:someone@example.org"), 32);
    EXPECT_EQ(opened_, (std::vector<std::string>{"https://example.org/page?a=1",
                                                 "mailto:someone@example.org"}));
}

TEST_F(OpenDocumentTest, TheOpenersFailureIsPassedOn) {
    make_file("faq.txt");
    answer_ = 31;
    EXPECT_EQ(open("faq.txt"), 31);
}

// Without a handler the desktop's own opener is asked; a fake one on PATH stands in for it.
// The window does not wait for it: its verdict comes later, from the event loop.
TEST(DesktopOpener, AnOpenerThatFailsIsReportedAsAFailure) {
    const testing_support::FakeOpener opener;
    struct Case { const char* script; bool opened; };
    for (const Case& c : {Case{"#!/bin/sh\nexit 3\n", false}, Case{"#!/bin/sh\nexit 0\n", true},
                          Case{"#!/bin/sh\necho \"$1\" > \"${0%/*}/seen\"\n", true}}) {
        ASSERT_TRUE(opener.runs(c.script));
        std::optional<std::int32_t> verdict;
        QEventLoop loop;
        QTimer::singleShot(60000, &loop, &QEventLoop::quit);  // a lost verdict fails, not hangs
        platform::open_document("https://example.org/page?a=1", [&](std::int32_t r) {
            verdict = r;
            loop.quit();
        });
        EXPECT_FALSE(verdict) << "the window waited for the opener";
        if (!verdict) loop.exec();
        ASSERT_TRUE(verdict) << c.script;
        EXPECT_EQ(*verdict > 32, c.opened) << c.script;
    }
    QFile seen(opener.folder() + "/seen");
    ASSERT_TRUE(seen.open(QIODevice::ReadOnly));
    EXPECT_EQ(seen.readAll().trimmed(), "https://example.org/page?a=1");
}

}  // namespace
