// A scratch data folder that the game reads its files from while a test runs.
#pragma once

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <string>

#include "platform/services.h"

namespace testing_support {

class DataFolderTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        platform::set_data_folder(dir_.path().toStdString());
    }
    void TearDown() override { platform::set_data_folder(""); }

    // A fresh file each time: truncating one in place makes some file systems flush it.
    void write_file(const std::string& name, const std::string& contents) {
        const QString path = dir_.filePath(QString::fromStdString(name));
        QFile::remove(path);
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(contents.data(), static_cast<qint64>(contents.size()));
    }
    void remove_file(const std::string& name) { QFile::remove(dir_.filePath(QString::fromStdString(name))); }

    QTemporaryDir dir_;
};

}  // namespace testing_support
