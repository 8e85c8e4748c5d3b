#pragma once

#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>

// Files of one fuzz input in a scratch folder; each input gets new names, since the
// settings reader keeps files it has read by name.
class ScratchFiles {
 public:
  // Removes the files of the previous input.
  void Begin() {
    for (const QString& path : made_) QFile::remove(path);
    made_.clear();
  }

  // A new path ending in name.
  QString Path(const QString& name) {
    made_.append(folder_.filePath(QString::number(++count_) + '-' + name));
    return made_.back();
  }

  // A new file ending in name holding the bytes.
  QString Write(const QString& name, const std::uint8_t* data, std::size_t size) {
    QFile file(Path(name));
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size)) !=
            static_cast<qint64>(size))
      __builtin_trap();
    return file.fileName();
  }

 private:
  QTemporaryDir folder_;
  QStringList made_;
  long long count_ = 0;
};
