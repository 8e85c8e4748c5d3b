#pragma once

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>

// A new folder in a scratch area for each fuzz input, since the settings reader keeps
// files it has read by name; the folder of the previous input is removed.
class ScratchFolder {
 public:
  // The folder of this input, empty.
  QString Begin() {
    if (!current_.isEmpty()) QDir(current_).removeRecursively();
    current_ = area_.filePath(QString::number(++count_));
    if (!QDir().mkpath(current_)) __builtin_trap();
    return current_;
  }

  // A file of this input holding the bytes.
  QString Write(const QString& name, const std::uint8_t* data, std::size_t size) const {
    QFile file(QDir(current_).filePath(name));
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size)) !=
            static_cast<qint64>(size))
      __builtin_trap();
    return file.fileName();
  }

 private:
  QTemporaryDir area_;
  QString current_;
  long long count_ = 0;
};
