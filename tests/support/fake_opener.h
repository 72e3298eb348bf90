// A desktop opener of the test's own, first on PATH, with all the patience a busy machine needs:
// a failure must never be taken for a program still starting. PATH and the patience go back as
// it goes.
#pragma once

#include <QFile>
#include <QTemporaryDir>

#include "platform/services.h"

namespace testing_support {

class FakeOpener {
public:
    FakeOpener() { qputenv("PATH", bin_.path().toUtf8() + ":" + path_); }
    ~FakeOpener() {
        qputenv("PATH", path_);
        platform::set_opener_patience(patience_);
    }
    // From now on the opener runs `script`.
    bool runs(const char* script) const {
        QFile f(folder() + "/xdg-open");
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(script) < 0) return false;
        f.close();
        return f.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }
    QString folder() const { return bin_.path(); }

private:
    QTemporaryDir bin_;
    QByteArray path_ = qgetenv("PATH");
    int patience_ = platform::set_opener_patience(60000);
};

}  // namespace testing_support
