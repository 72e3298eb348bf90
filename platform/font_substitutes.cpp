// Free stand-ins for the font names the game asks for.
#include <QFont>
#include <QStringList>

#include "platform/services.h"

namespace platform {

// Each name gets a list, tried in order, ending in a plain sans face: without an entry,
// fontconfig may answer "Impact" with a Dingbats face, which turns every label into symbols.
void register_font_substitutes() {
    const QString dejavu = QStringLiteral("DejaVu Sans");
    const QString liberation = QStringLiteral("Liberation Sans");
    // Impact is tall, narrow and heavy: the condensed face is the nearest shape we have.
    QFont::insertSubstitutions(QStringLiteral("Impact"),
                               {QStringLiteral("DejaVu Sans Condensed"),
                                QStringLiteral("Liberation Sans Narrow"), dejavu, liberation});
    // DejaVu Sans has Verdana's wide letters and tall lower case; Tahoma is the narrower one.
    QFont::insertSubstitutions(QStringLiteral("Verdana"), {dejavu, liberation});
    QFont::insertSubstitutions(QStringLiteral("Tahoma"), {liberation, dejavu});
    QFont::insertSubstitutions(QStringLiteral("Century Gothic"), {dejavu, liberation});
    QFont::insertSubstitutions(QStringLiteral("Comic Sans MS"),
                               {QStringLiteral("Comic Neue"), dejavu, liberation});
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"), {liberation, dejavu});
}

}  // namespace platform
