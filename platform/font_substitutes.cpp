// Free stand-ins for the font names the game asks for.
#include <QFont>
#include <QStringList>

#include "platform/fonts.h"
#include "platform/services.h"

namespace platform {

namespace {

const QString kImpact = QStringLiteral("Impact");

}  // namespace

// Each name gets a list, tried in order, ending in a plain sans face: without an entry,
// fontconfig may answer "Impact" with a Dingbats face, which turns every label into symbols.
void register_font_substitutes() {
    const QString dejavu = QStringLiteral("DejaVu Sans");
    const QString liberation = QStringLiteral("Liberation Sans");
    // Impact is tall, narrow and heavy: Roboto Condensed in its bold weight has that shape.
    QFont::insertSubstitutions(kImpact, {QStringLiteral("Roboto Condensed"), QStringLiteral("DejaVu Sans Condensed"),
                                         QStringLiteral("Liberation Sans Narrow"), dejavu, liberation});
    // DejaVu Sans has Verdana's wide letters and tall lower case; Tahoma is the narrower one.
    QFont::insertSubstitutions(QStringLiteral("Verdana"), {dejavu, liberation});
    QFont::insertSubstitutions(QStringLiteral("Tahoma"), {liberation, dejavu});
    // URW Gothic is the geometric face Century Gothic was drawn to match, widths included, so
    // button captions keep the room they were given.
    QFont::insertSubstitutions(QStringLiteral("Century Gothic"), {QStringLiteral("URW Gothic"), dejavu, liberation});
    QFont::insertSubstitutions(QStringLiteral("Comic Sans MS"),
                               {QStringLiteral("Comic Neue"), dejavu, liberation});
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"), {liberation, dejavu});
}

QFont qfont(const FontSpec& f) {
    QFont font(QString::fromStdString(f.name));
    font.setPointSizeF(f.size > 0 ? f.size : 8.0);  // a size of 0 or less would make Qt warn
    font.setBold(f.bold);
    // Impact comes in one weight, a heavy one; its stand-in also has light ones, so the name
    // always asks for the heaviest.
    if (font.family() == kImpact) font.setWeight(QFont::Black);
    font.setItalic(f.italic);
    font.setUnderline(f.underline);
    return font;
}

}  // namespace platform
