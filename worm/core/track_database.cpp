#include "core/track_database.h"

#include "core/code_page.h"
#include "core/replace_file.h"

#include <QFile>

#include <limits>

namespace {

// Reads exact byte counts from the file; the first short read fails the rest.
class ByteReader {
 public:
  explicit ByteReader(QFile& file) : file_(file) {}

  bool Read(void* target, qint64 size) {
    if (ok_ && size > 0) ok_ = file_.read(static_cast<char*>(target), size) == size;
    return ok_;
  }
  std::uint8_t Byte() {
    std::uint8_t value = 0;
    Read(&value, 1);
    return value;
  }
  std::uint16_t Word() {
    std::uint8_t bytes[2] = {0, 0};
    Read(bytes, 2);
    return static_cast<std::uint16_t>(bytes[0] | (bytes[1] << 8));
  }
  bool Ok() const { return ok_; }

 private:
  QFile& file_;
  bool ok_ = true;
};

void ReadTrack(ByteReader& reader, TrackRecord& track) {
  const std::uint16_t nameLength = reader.Word();
  QByteArray name(nameLength, '\0');
  reader.Read(name.data(), nameLength);
  track.Name = DecodeCodePage(name);
  track.StartDirection = reader.Byte();
  track.StartSpeed = reader.Byte();
  track.StartLength = static_cast<std::int16_t>(reader.Word());
  track.HiddenBonusCount = reader.Byte();
  track.Difficulty = reader.Byte();
  reader.Read(track.Blocks.data(), track.Blocks.size());
  reader.Read(track.Ground.data(), track.Ground.size());
}

void AppendByte(QByteArray& bytes, std::uint8_t value) {
  bytes.append(static_cast<char>(value));
}

void AppendWord(QByteArray& bytes, std::uint16_t value) {
  AppendByte(bytes, value & 0xFF);
  AppendByte(bytes, value >> 8);
}

void AppendTrack(QByteArray& bytes, const TrackRecord& track) {
  QByteArray name = EncodeCodePage(track.Name);
  name.truncate(std::numeric_limits<std::uint16_t>::max());
  AppendWord(bytes, static_cast<std::uint16_t>(name.size()));
  bytes.append(name);
  AppendByte(bytes, track.StartDirection);
  AppendByte(bytes, track.StartSpeed);
  AppendWord(bytes, static_cast<std::uint16_t>(track.StartLength));
  AppendByte(bytes, track.HiddenBonusCount);
  AppendByte(bytes, track.Difficulty);
  bytes.append(reinterpret_cast<const char*>(track.Blocks.data()), track.Blocks.size());
  bytes.append(reinterpret_cast<const char*>(track.Ground.data()), track.Ground.size());
}

QByteArray DatabaseBytes(const TrackDatabase& database, std::int16_t saveCounter) {
  QByteArray bytes;
  AppendByte(bytes, database.TrackCount);
  for (int track = 1; track <= database.TrackCount; ++track)
    AppendTrack(bytes, database.Tracks[track]);
  AppendByte(bytes, database.Settings.Lives);
  AppendByte(bytes, database.Settings.Shield);
  AppendByte(bytes, database.Settings.Breaks);
  AppendByte(bytes, database.Settings.Level);
  AppendWord(bytes, static_cast<std::uint16_t>(saveCounter));
  return bytes;
}

std::int16_t NextSaveCounter(std::int16_t counter) {
  return counter == std::numeric_limits<std::int16_t>::max()
             ? counter
             : static_cast<std::int16_t>(counter + 1);
}

DatabaseFileResult Failure(const QString& message) { return {false, message}; }

}  // namespace

DatabaseFileResult ReadDatabaseFile(const QString& path, TrackDatabase& database) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly))
    return Failure(QStringLiteral("Cannot open \"%1\": %2").arg(path, file.errorString()));

  ByteReader reader(file);
  TrackDatabase loaded;
  loaded.TrackCount = reader.Byte();
  // Tracks are kept as they are read, so a short file takes no room for its count.
  for (int track = 1; track <= loaded.TrackCount && reader.Ok(); ++track)
    ReadTrack(reader, loaded.Tracks.emplace_back());
  loaded.Settings.Lives = reader.Byte();
  loaded.Settings.Shield = reader.Byte();
  loaded.Settings.Breaks = reader.Byte();
  loaded.Settings.Level = reader.Byte();
  loaded.SaveCounter = static_cast<std::int16_t>(reader.Word());
  if (!reader.Ok())
    return Failure(QStringLiteral("\"%1\" is not a complete track database: it ends too early.")
                       .arg(path));

  database = std::move(loaded);
  return {};
}

DatabaseFileResult WriteDatabaseFile(const QString& path, TrackDatabase& database,
                                     SaveFaults* faults) {
  if (database.Tracks.size() <= database.TrackCount)
    return Failure(QStringLiteral("The database holds fewer tracks than its track count."));

  const std::int16_t counter = NextSaveCounter(database.SaveCounter);
  const FileSaveResult saved = ReplaceFile(path, DatabaseBytes(database, counter), faults);
  if (!saved.Ok) return Failure(saved.Message);

  database.SaveCounter = counter;
  return {};
}
