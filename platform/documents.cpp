// Opening a file or web address with the user's default program, with the old shell's results.
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>
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

// How long a click on a link may wait to learn whether the opener failed.
constexpr int kOpenerVerdictMs = 2000;

// The toolkit starts xdg-open detached and calls that success, so a desktop without a browser
// would swallow the click in silence. Watching the opener for a moment catches its quick
// failures; one still running by then is busy starting the program, and is left to it.
std::int32_t open_with_xdg(const QString& opener, const QUrl& url) {
    auto* proc = new QProcess(QCoreApplication::instance());
    QObject::connect(proc, &QProcess::finished, proc, &QObject::deleteLater);
    QObject::connect(proc, &QProcess::errorOccurred, proc, [proc](QProcess::ProcessError e) {
        if (e == QProcess::FailedToStart) proc->deleteLater();
    });
    proc->setProcessChannelMode(QProcess::ForwardedChannels);
    proc->start(opener, {url.toString(QUrl::FullyEncoded)});
    if (!proc->waitForStarted(kOpenerVerdictMs)) return kNoAssociation;
    if (!proc->waitForFinished(kOpenerVerdictMs)) return kOpened;
    const bool ok = proc->exitStatus() == QProcess::NormalExit && proc->exitCode() == 0;
    return ok ? kOpened : kNoAssociation;
}

std::int32_t open_with_desktop(const std::string& target) {
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) return kNoAssociation;
    const QString address = QString::fromStdString(target);
    const QUrl url = is_web_address(address) ? QUrl(address, QUrl::StrictMode)
                                             : QUrl::fromLocalFile(address);
    if (!url.isValid()) return kNoAssociation;
    const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (!opener.isEmpty()) return open_with_xdg(opener, url);
    return QDesktopServices::openUrl(url) ? kOpened : kNoAssociation;
}

}  // namespace

std::int32_t open_document(const std::string& path) {
    QString target = QString::fromStdString(path);
    if (!is_web_address(target)) {
        if (target.isEmpty()) return kFileNotFound;
        // The game names its documents relative to its own folder, not to wherever it was
        // started from. The opener is only asked about files that are really there, so a
        // missing document gives the same answer whichever opener is installed.
        const QFileInfo info(QDir(QString::fromStdString(data_folder())).absoluteFilePath(target));
        if (!info.exists() || !info.isReadable()) return kFileNotFound;
        target = QDir::cleanPath(info.absoluteFilePath());
    }
    const std::string resolved = target.toStdString();
    if (handler()) return handler()(resolved);
    return open_with_desktop(resolved);
}

void set_open_document_handler(std::function<std::int32_t(const std::string&)> h) {
    handler() = std::move(h);
}

}  // namespace platform
