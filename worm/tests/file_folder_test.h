#pragma once

#include <gtest/gtest.h>

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>

// A test with a folder of its own for the files it writes and reads.
class FileFolderTest : public testing::Test {
 protected:
  QString PathOf(const QString& name) const { return dir_.filePath(name); }
  void WriteBytes(const QString& name, const QByteArray& bytes) {
    QFile file(PathOf(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
  }
  // The file's contents; empty when it cannot be read.
  QByteArray ReadBytes(const QString& name) const {
    QFile file(PathOf(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }

  QTemporaryDir dir_;
};
