#pragma once

#include <QByteArray>
#include <QString>

// A point inside a save where a test can stop or disturb it.
class SaveFaults {
 public:
  virtual ~SaveFaults() = default;
  // Runs when the temporary file holds all bytes, just before it replaces the target.
  virtual void BeforeRename() {}
};

// Outcome of a save; Message says what went wrong.
struct FileSaveResult {
  bool Ok = true;
  QString Message;
};

// Writes bytes to path through a temporary file beside it that is then renamed into
// place, so the old file stays as it was unless the new one is complete. A failure
// removes the temporary file and tells why.
FileSaveResult ReplaceFile(const QString& path, const QByteArray& bytes,
                           SaveFaults* faults = nullptr);
