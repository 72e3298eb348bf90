// Free stand-ins for the font names the game asks for.
#include <QFont>
#include <QHash>
#include <QStringList>
#include <mutex>

#include "platform/fonts.h"
#include "platform/services.h"

namespace platform {

namespace {

const QString kImpact = QStringLiteral("Impact");

std::mutex g_faces_mutex;
QHash<QString, QString> g_faces;  // game font name -> installed face, as first asked for

// The face Qt settles on for a game font name: the name itself when it is installed, else the
// first of its stand-ins that is. Asking Qt for that face by its own name draws the same
// letters, but a name Qt has to look up through its stand-ins makes it ask fontconfig for the
// whole fallback list of every face at once (tens of milliseconds at start-up); for the face
// itself that list is only drawn up if a character is missing from it.
QString installed_face(const QString& name) {
    const std::lock_guard lock(g_faces_mutex);
    if (const auto it = g_faces.constFind(name); it != g_faces.cend()) return *it;
    QString face = name;
    if (!face_installed(name)) {
        for (const QString& stand_in : QFont::substitutes(name)) {
            if (face_installed(stand_in)) {
                face = stand_in;
                break;
            }
        }
    }
    g_faces.insert(name, face);
    return face;
}

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
    const std::lock_guard lock(g_faces_mutex);
    g_faces.clear();
}

QFont qfont(const FontDesc& f) {
    const QString name = QString::fromStdString(f.name);
    QFont font(installed_face(name));
    font.setPointSizeF(f.size > 0 ? f.size : 8.0);  // a size of 0 or less would make Qt warn
    font.setBold(f.bold);
    // Impact comes in one weight, a heavy one; its stand-in also has light ones, so the name
    // always asks for the heaviest.
    if (name == kImpact) font.setWeight(QFont::Black);
    font.setItalic(f.italic);
    font.setUnderline(f.underline);
    return font;
}

}  // namespace platform
