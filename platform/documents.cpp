// Opening a file or web address with the user's default program, with the old shell's results.
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QProcess>
#include <QStandardPaths>
#include <QTimer>
#include <QUrl>
#include <algorithm>
#include <memory>
#include <utility>

#include "platform/services.h"

namespace platform {
namespace {

// The old shell's numbers: above 32 is success, 2 is "file not found", 31 "no program for it".
constexpr std::int32_t kOpened = 42;
constexpr std::int32_t kFileNotFound = 2;
constexpr std::int32_t kNoAssociation = 31;

std::function<std::int32_t(const std::string&)>& handler() {
    static std::function<std::int32_t(const std::string&)> h;
    return h;
}

bool is_web_address(const QString& address) {
    for (const char* scheme : {"http:", "https:", "mailto:"}) {
        if (address.startsWith(QLatin1String(scheme), Qt::CaseInsensitive)) return true;
    }
    return false;
}

// How long the opener has to fail before it is taken to be busy starting the program.
int g_opener_patience_ms = 2000;

// The toolkit starts xdg-open detached and calls that success, so a desktop without a browser
// would swallow the click in silence. Watching the opener for a moment catches its quick
// failures; one still running by then is busy starting the program, and is left to it. The
// watch runs beside the event loop: the window keeps answering while the opener thinks.
void open_with_xdg(const QString& opener, const QUrl& url, DocumentVerdict verdict) {
    auto* proc = new QProcess(QCoreApplication::instance());
    auto* patience = new QTimer(proc);
    patience->setSingleShot(true);
    // Whichever comes first answers; the verdict may open a message box, inside which the
    // others can still arrive.
    auto answer = [pending = std::make_shared<DocumentVerdict>(std::move(verdict))](std::int32_t r) {
        if (!*pending) return;
        const DocumentVerdict tell = std::exchange(*pending, nullptr);
        tell(r);
    };
    QObject::connect(proc, &QProcess::finished, proc,
                     [proc, answer](int code, QProcess::ExitStatus status) {
                         proc->deleteLater();
                         answer(status == QProcess::NormalExit && code == 0 ? kOpened : kNoAssociation);
                     });
    QObject::connect(proc, &QProcess::errorOccurred, proc, [proc, answer](QProcess::ProcessError e) {
        if (e != QProcess::FailedToStart) return;
        proc->deleteLater();
        answer(kNoAssociation);
    });
    QObject::connect(patience, &QTimer::timeout, proc, [answer] { answer(kOpened); });
    proc->setProcessChannelMode(QProcess::ForwardedChannels);
    patience->start(g_opener_patience_ms);
    proc->start(opener, {url.toString(QUrl::FullyEncoded)});
}

void open_with_desktop(const std::string& target, DocumentVerdict verdict) {
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) return verdict(kNoAssociation);
    const QString address = QString::fromStdString(target);
    const QUrl url = is_web_address(address) ? QUrl(address, QUrl::StrictMode)
                                             : QUrl::fromLocalFile(address);
    if (!url.isValid()) return verdict(kNoAssociation);
    const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (!opener.isEmpty()) return open_with_xdg(opener, url, std::move(verdict));
    verdict(QDesktopServices::openUrl(url) ? kOpened : kNoAssociation);
}

}  // namespace

int set_opener_patience(int ms) { return std::exchange(g_opener_patience_ms, std::max(0, ms)); }

void open_document(const std::string& path, DocumentVerdict verdict) {
    if (!verdict) verdict = [](std::int32_t) {};
    QString target = QString::fromStdString(path);
    if (!is_web_address(target)) {
        if (target.isEmpty()) return verdict(kFileNotFound);
        // The game names its documents relative to its own folder, not to wherever it was
        // started from. The opener is only asked about files that are really there, so a
        // missing document gives the same answer whichever opener is installed.
        const QFileInfo info(QDir(QString::fromStdString(data_folder())).absoluteFilePath(target));
        if (!info.exists() || !info.isReadable()) return verdict(kFileNotFound);
        target = QDir::cleanPath(info.absoluteFilePath());
    }
    const std::string resolved = target.toStdString();
    if (handler()) return verdict(handler()(resolved));
    open_with_desktop(resolved, std::move(verdict));
}

void set_open_document_handler(std::function<std::int32_t(const std::string&)> h) {
    handler() = std::move(h);
}

}  // namespace platform
