#include "shell/saved_game.h"

#include "shell/byte_stream.h"
#include "shell/replace_file.h"

#include <QFile>

#include <algorithm>

namespace {

constexpr std::int16_t True = -1;
constexpr std::int16_t PoolDimensions = 1;
constexpr std::int32_t PoolLowerBound = 1;
constexpr std::uint32_t MaxTracks = 100;
// Longer than any saved game; a larger file is not read whole.
constexpr qint64 MaxFileSize = 1 << 16;

bool IsTrackNumber(std::uint8_t track) { return track >= 1 && track <= MaxTracks; }

void AppendFlag(QByteArray& bytes, bool flag) {
  AppendWord(bytes, static_cast<std::uint16_t>(flag ? True : 0));
}

// The pool field; none when its layout or a track is out of range.
std::optional<std::vector<std::uint8_t>> ReadPool(ByteReader& reader) {
  const auto dimensions = static_cast<std::int16_t>(reader.Word());
  const std::uint32_t count = reader.Long();
  const auto lowerBound = static_cast<std::int32_t>(reader.Long());
  if (!reader.Ok() || dimensions != PoolDimensions || lowerBound != PoolLowerBound ||
      count > MaxTracks)
    return std::nullopt;
  const QByteArray tracks = reader.Bytes(count);
  std::vector<std::uint8_t> pool(tracks.begin(), tracks.end());
  if (!reader.Ok() || !std::all_of(pool.begin(), pool.end(), IsTrackNumber)) return std::nullopt;
  return pool;
}

}  // namespace

QByteArray SavedGameBytes(const SavedGame& game) {
  QByteArray bytes;
  AppendByte(bytes, game.Lives);
  AppendByte(bytes, game.Shield);
  AppendByte(bytes, game.Breaks);
  AppendByte(bytes, game.PlayTrack);
  AppendFlag(bytes, game.RefillPool);
  AppendByte(bytes, game.PoolCount);
  AppendWord(bytes, PoolDimensions);
  AppendLong(bytes, static_cast<std::uint32_t>(game.TrackPool.size()));
  AppendLong(bytes, PoolLowerBound);
  for (std::uint8_t track : game.TrackPool) AppendByte(bytes, track);
  AppendByte(bytes, game.Level);
  AppendFlag(bytes, game.FixedLevel);
  const QByteArray name = game.DatabaseName.toLatin1();
  AppendWord(bytes, static_cast<std::uint16_t>(name.size()));
  bytes.append(name);
  AppendWord(bytes, static_cast<std::uint16_t>(game.SaveCounter));
  AppendByte(bytes, game.TracksCompleted);
  return bytes;
}

std::optional<SavedGame> SavedGameFromBytes(const QByteArray& bytes) {
  ByteReader reader(bytes);
  SavedGame game;
  game.Lives = reader.Byte();
  game.Shield = reader.Byte();
  game.Breaks = reader.Byte();
  game.PlayTrack = reader.Byte();
  game.RefillPool = reader.Word() != 0;
  game.PoolCount = reader.Byte();
  std::optional<std::vector<std::uint8_t>> pool = ReadPool(reader);
  if (!pool) return std::nullopt;
  game.TrackPool = std::move(*pool);
  game.Level = reader.Byte();
  game.FixedLevel = reader.Word() != 0;
  game.DatabaseName = QString::fromLatin1(reader.Bytes(reader.Word()));
  game.SaveCounter = static_cast<std::int16_t>(reader.Word());
  game.TracksCompleted = reader.Byte();
  if (!reader.Ok() || game.Lives == 0 || !IsTrackNumber(game.PlayTrack) ||
      game.PoolCount > game.TrackPool.size())
    return std::nullopt;
  return game;
}

bool ReadSavedGame(const QString& path, SavedGame& game) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return false;
  const std::optional<SavedGame> read = SavedGameFromBytes(file.read(MaxFileSize));
  if (!read) return false;
  game = *read;
  return true;
}

QString WriteSavedGame(const QString& path, const SavedGame& game) {
  return ReplaceFile(path, SavedGameBytes(game));
}
