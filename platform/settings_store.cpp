// The per-user settings store: one INI file per application, written through before returning.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>
#include <QVariant>
#include <cstdio>

#include "platform/services.h"

namespace platform {
namespace {

std::string& folder_override() {
    static std::string folder;
    return folder;
}

// QSettings nests groups at '/', so "section/key" addresses a key inside its section.
QString key_path(const std::string& section, const std::string& key) {
    return QString::fromStdString(section) + QLatin1Char('/') + QString::fromStdString(key);
}

}  // namespace

void set_settings_folder(const std::string& folder) { folder_override() = folder; }

std::string settings_folder() {
    if (!folder_override().empty()) return folder_override();
    return (QStandardPaths::writableLocation(QStandardPaths::ConfigLocation) +
            QStringLiteral("/quorvel"))
        .toStdString();
}

std::string settings_file(const std::string& app) { return settings_folder() + "/" + app + ".ini"; }

std::string get_setting(const std::string& app, const std::string& section,
                        const std::string& key, const std::string& default_value) {
    notify_read("setting", section + "/" + key);
    if (key.empty()) return default_value;
    const QString file = QString::fromStdString(settings_file(app));
    if (!QFileInfo::exists(file)) return default_value;  // don't let QSettings touch the folder
    QSettings store(file, QSettings::IniFormat);
    const QVariant value = store.value(key_path(section, key));
    // Everything we write reads back as text. Anything else was edited or damaged by hand:
    // an unquoted list of words is still what the player typed; the rest counts as missing.
    switch (value.typeId()) {
        case QMetaType::QString:
        case QMetaType::QByteArray: return value.toString().toStdString();
        case QMetaType::QStringList: return value.toStringList().join(QStringLiteral(", ")).toStdString();
        default: return default_value;
    }
}

void save_setting(const std::string& app, const std::string& section, const std::string& key,
                  const std::string& value) {
    if (key.empty()) {
        std::fprintf(stderr, "Settings: no key given for section \"%s\" of %s; nothing saved\n",
                     section.c_str(), app.c_str());
        return;
    }
    QDir().mkpath(QString::fromStdString(settings_folder()));
    const QString file = QString::fromStdString(settings_file(app));
    QSettings store(file, QSettings::IniFormat);
    store.setValue(key_path(section, key), QString::fromStdString(value));
    store.sync();
    // A format error only reports damage in the old file, which this write has replaced;
    // an access error means the value did not reach the disk.
    if (store.status() == QSettings::AccessError) {
        std::fprintf(stderr, "Settings: could not write %s\n", file.toLocal8Bit().constData());
    }
}

bool delete_settings(const std::string& app) {
    const QString file = QString::fromStdString(settings_file(app));
    QFile::remove(file);
    return !QFileInfo::exists(file);
}

}  // namespace platform
