// The faces labels draw in: asked for by the installed stand-in's own name, they must put down
// exactly the pixels the game's font name, looked up through its stand-ins, does.
#include <gtest/gtest.h>

#include <QFont>
#include <QImage>
#include <QPainter>
#include <string>

#include "platform/controls.h"
#include "platform/fonts.h"
#include "platform/services.h"

namespace {

// The game's name with its stand-ins left to Qt, as labels once asked for it.
QFont through_stand_ins(const platform::FontDesc& f) {
    QFont font(QString::fromStdString(f.name));
    font.setPointSizeF(f.size);
    font.setBold(f.bold);
    if (f.name == "Impact") font.setWeight(QFont::Black);
    font.setItalic(f.italic);
    font.setUnderline(f.underline);
    return font;
}

QImage drawn(const QFont& font) {
    QImage image(420, 60, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter p(&image);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRect(0, 0, 420, 60), Qt::TextWordWrap | Qt::AlignTop,
               QStringLiteral("back to menu: Start Linear Game 0123456789 VERSION 1.10 X X (3) >> Crazy!"));
    return image;
}

TEST(FontFaces, LabelsDrawTheLettersTheGamesFontNamesStandFor) {
    platform::register_font_substitutes();
    struct Case {
        const char* name;
        double size;
        bool bold, italic;
    };
    // Each face the screens use, and one slanted.
    const Case cases[] = {
        {"Verdana", 8, true, false},         {"Impact", 20, false, false},       {"Century Gothic", 11, true, false},
        {"Comic Sans MS", 12, true, false},  {"Tahoma", 9.75, true, false},      {"MS Sans Serif", 8, false, false},
        {"Verdana", 9, false, true},
    };
    for (const Case& c : cases) {
        platform::FontDesc desc;
        desc.name = c.name;
        desc.size = c.size;
        desc.bold = c.bold;
        desc.italic = c.italic;
        SCOPED_TRACE(std::string(c.name) + " " + std::to_string(c.size));
        EXPECT_TRUE(drawn(platform::qfont(desc)) == drawn(through_stand_ins(desc)));
    }
}

}  // namespace
