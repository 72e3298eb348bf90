// Message boxes with the old style numbers and results, shown as modal Qt boxes.
#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QString>
#include <algorithm>
#include <cstdio>
#include <string>
#include <utility>

#include "platform/services.h"

namespace platform {
namespace {

struct MsgBoxState {
    std::string title = "Quorvel Infinite";
    std::function<int(const MsgBoxCall&)> handler;
    bool asking = true;
};

MsgBoxState& state() {
    static MsgBoxState s;
    return s;
}

// The old boxes broke lines at a bare CR; Qt only knows LF.
QString shown_text(const std::string& text) {
    QString out = QString::fromStdString(text);
    out.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    out.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return out;
}

bool is_yes_no(int style) { return (style & 0x0F) == 4; }

QMessageBox::Icon icon_for(int style) {
    switch (style & 0x70) {
        case 16: return QMessageBox::Critical;
        case 32: return QMessageBox::Question;
        case 48: return QMessageBox::Warning;
        case 64: return QMessageBox::Information;
        default: return QMessageBox::NoIcon;
    }
}

int show_real_box(const MsgBoxCall& call) {
    const bool yes_no = is_yes_no(call.style);
    if (!state().asking || !qobject_cast<QApplication*>(QCoreApplication::instance())) {
        // Nobody to ask: say it on the console, one line a box, and take the cautious answer.
        std::string line = call.text;
        std::replace(line.begin(), line.end(), '\r', ' ');
        std::fprintf(stderr, "%s: %s\n", call.title.c_str(), line.c_str());
        return yes_no ? kMsgResultNo : kMsgResultOk;
    }
    // On the heap and watched: its parent window may take it apart while it is open (the
    // toolkit ending the program under it), and a parent deletes its children with delete.
    QPointer<QMessageBox> box = new QMessageBox(icon_for(call.style), QString::fromStdString(call.title),
                                                shown_text(call.text),
                                                yes_no ? (QMessageBox::Yes | QMessageBox::No) : QMessageBox::Ok,
                                                QApplication::activeWindow());
    box->setTextFormat(Qt::PlainText);  // the game's text is never markup
    box->setWindowModality(Qt::ApplicationModal);
    if (yes_no) {
        box->setDefaultButton(QMessageBox::Yes);
        box->setEscapeButton(QMessageBox::No);  // closing the box must not count as Yes
    }
    const int pressed = box->exec();
    delete box.data();
    if (!yes_no) return kMsgResultOk;
    return pressed == QMessageBox::Yes ? kMsgResultYes : kMsgResultNo;
}

}  // namespace

int msgbox(const std::string& text, int style, const std::string& title) {
    MsgBoxState& s = state();
    MsgBoxCall call{text, style, title.empty() ? s.title : title};
    if (s.handler) return s.handler(call);
    return show_real_box(call);
}

void set_program_title(const std::string& title) { state().title = title; }

const std::string& program_title() { return state().title; }

void set_msgbox_handler(std::function<int(const MsgBoxCall&)> handler) {
    state().handler = std::move(handler);
}

void stop_asking() { state().asking = false; }

}  // namespace platform
