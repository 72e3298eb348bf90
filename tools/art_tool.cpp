// Artwork helper: a contact sheet of every built-in picture, and the secret-round pictures
// rendered from their SVG sources into the data folder.
//
//   art_tool sheet <out.png>                 every stored picture at 100 % and 300 %
//   art_tool secrets <svg folder> <out dir>  each <name>.svg becomes <name>.png, 420 x 320
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>
#include <vector>

#include "platform/services.h"
#include "ui/picture_store.h"

namespace {

struct Entry {
    const char* name;
    QImage image;
};

int sheet(const QString& out) {
    ui::PictureStore& s = ui::form_clip();
    const std::vector<Entry> entries = {
        {"pclip_main", s.pclip_main.picture()},         {"PCLIP_story", s.PCLIP_story.picture()},
        {"pclip_storymap", s.pclip_storymap.picture()}, {"pclip_castle", s.pclip_castle.picture()},
        {"pclip_gameover", s.pclip_gameover.picture()}, {"pclip_gamewon", s.pclip_gamewon.picture()},
        {"pbox_res", s.pbox_res.snapshot()},            {"pbox_pawn", s.pbox_pawn.snapshot()},
        {"pclip_bgcastle", s.pclip_bgcastle.picture()}, {"pclip_iconpic", s.pclip_iconpic.picture()},
        {"pclip_hint", s.pclip_hint.picture()},         {"pclip_bg", s.pclip_bg.picture()},
        {"pclip_dice", s.pclip_dice.picture()},         {"pclip_arrow", s.pclip_arrow.picture()},
        {"icosecret", s.icosecret},                     {"palette", s.palette},
        {"hof_banner", s.hof_banner},                   {"help_banner", s.help_banner},
        {"help_illustration", s.help_illustration},     {"entername_bg", s.entername_bg},
        {"about_logo", s.about_logo},
    };
    // Two columns of cards: the picture at 100 % beside the same at 300 %.
    const int pad = 12, label_h = 16;
    int height = pad;
    int width = 0;
    for (const Entry& e : entries) {
        height += label_h + e.image.height() * 3 + pad;
        width = std::max(width, e.image.width() * 4 + 3 * pad);
    }
    QImage page(width, height, QImage::Format_RGB32);
    page.fill(QColor(0x30, 0x30, 0x38));
    QPainter p(&page);
    p.setPen(Qt::white);
    int y = pad;
    for (const Entry& e : entries) {
        p.drawText(pad, y + 12, QString("%1  %2 x %3").arg(e.name).arg(e.image.width()).arg(e.image.height()));
        y += label_h;
        p.drawImage(pad, y, e.image);
        p.drawImage(QRect(2 * pad + e.image.width(), y, e.image.width() * 3, e.image.height() * 3), e.image);
        y += e.image.height() * 3 + pad;
    }
    p.end();
    if (!page.save(out)) {
        std::fprintf(stderr, "art_tool: cannot write %s\n", qPrintable(out));
        return 1;
    }
    std::printf("wrote %s (%d x %d)\n", qPrintable(out), width, height);
    return 0;
}

int secrets(const QString& from, const QString& to) {
    QDir in(from);
    QDir().mkpath(to);
    int failures = 0;
    for (const QFileInfo& f : in.entryInfoList({"*.svg"}, QDir::Files, QDir::Name)) {
        QSvgRenderer r(f.absoluteFilePath());
        if (!r.isValid()) {
            std::fprintf(stderr, "art_tool: %s is not a valid SVG\n", qPrintable(f.fileName()));
            ++failures;
            continue;
        }
        QImage img(420, 320, QImage::Format_RGB32);
        img.fill(Qt::black);
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        r.render(&p, QRectF(0, 0, 420, 320));
        p.end();
        const QString out = QDir(to).filePath(f.completeBaseName() + ".png");
        if (!img.save(out)) {
            std::fprintf(stderr, "art_tool: cannot write %s\n", qPrintable(out));
            ++failures;
        } else {
            std::printf("wrote %s\n", qPrintable(out));
        }
    }
    return failures == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    platform::register_font_substitutes();
    const QStringList args = app.arguments();
    if (args.size() == 3 && args[1] == "sheet") return sheet(args[2]);
    if (args.size() == 4 && args[1] == "secrets") return secrets(args[2], args[3]);
    std::fprintf(stderr, "usage: art_tool sheet <out.png> | art_tool secrets <svg folder> <out dir>\n");
    return 2;
}
