// Reads any bytes as a track database; what it accepts must write back byte for byte
// (up to the save counter) and read again as the same database.
#include "core/track_database.h"
#include "scratch_files.h"

#include <limits>

namespace {

QByteArray ReadAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void Check(bool condition) {
  if (!condition) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static ScratchFiles files;
  files.Begin();
  TrackDatabase database;
  if (!ReadDatabaseFile(files.Write("In.wdb", data, size), database).Ok) return 0;

  const std::int16_t counter = database.SaveCounter;
  const QString copy = files.Path("Copy.wdb");
  Check(WriteDatabaseFile(copy, database).Ok);
  const QByteArray written = ReadAll(copy);
  const QByteArray input(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  Check(written.size() <= input.size());
  Check(written.chopped(2) == input.left(written.size() - 2));
  Check(database.SaveCounter == (counter == std::numeric_limits<std::int16_t>::max()
                                     ? counter
                                     : counter + 1));

  TrackDatabase reread;
  Check(ReadDatabaseFile(copy, reread).Ok);
  Check(reread.TrackCount == database.TrackCount && reread.Tracks == database.Tracks &&
        reread.Settings == database.Settings && reread.SaveCounter == database.SaveCounter);
  return 0;
}
