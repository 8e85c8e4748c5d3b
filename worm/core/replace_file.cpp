#include "core/replace_file.h"

#include <QSaveFile>

namespace {

FileSaveResult CannotWrite(const QString& path, const QString& why) {
  return {false, QStringLiteral("Cannot write \"%1\": %2").arg(path, why)};
}

}  // namespace

FileSaveResult ReplaceFile(const QString& path, const QByteArray& bytes, SaveFaults* faults) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return CannotWrite(path, file.errorString());
  // A short write (a full disk) can pass unnoticed until the size is checked.
  if (file.write(bytes) != bytes.size() || !file.flush() || file.size() != bytes.size()) {
    file.cancelWriting();
    file.commit();
    return CannotWrite(path, QStringLiteral("the file could not be written completely."));
  }
  if (faults) faults->BeforeRename();
  if (!file.commit()) return CannotWrite(path, file.errorString());
  return {};
}
