#include "shell/replace_file.h"

#include <QDir>
#include <QSaveFile>

QString ReplaceFile(const QString& path, const QByteArray& bytes) {
  const QString shown = QDir::toNativeSeparators(path);
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly))
    return QStringLiteral("\"%1\" cannot be written: %2").arg(shown, file.errorString());
  // A short write (a full disk) can pass unnoticed until the size is checked.
  if (file.write(bytes) != bytes.size() || !file.flush() || file.size() != bytes.size()) {
    file.cancelWriting();
    file.commit();
    return QStringLiteral("\"%1\" could not be written completely.").arg(shown);
  }
  if (!file.commit())
    return QStringLiteral("\"%1\" cannot be written: %2").arg(shown, file.errorString());
  return {};
}
