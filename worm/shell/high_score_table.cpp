#include "shell/high_score_table.h"

#include "shell/byte_stream.h"
#include "shell/replace_file.h"

#include <QFile>

#include <algorithm>

namespace {

// Ten full entries are far shorter; a larger file is not read whole.
constexpr qint64 MaxFileSize = 1 << 12;

const char* const CreditNames[HighScoreCount] = {
    "THE VORA",        "A WORM GAME",     "DESIGN AND CODE",  "BY THE VORA TEAM",
    "PIXELS AND TRACKS", "BY THE ART DESK", "SOUND AND MUSIC", "BY THE TUNE SHOP",
    "THANKS FOR PLAYING", "2026",
};

std::optional<HighScoreEntry> ReadEntry(ByteReader& reader) {
  HighScoreEntry entry;
  entry.Score = reader.Byte();
  const std::uint16_t length = reader.Word();
  if (!reader.Ok() || length > MaxPlayerNameLength) return std::nullopt;
  const QByteArray name = reader.Bytes(length);
  if (!reader.Ok()) return std::nullopt;
  entry.PlayerName = QString::fromLatin1(name);
  return entry;
}

}  // namespace

HighScoreTable DefaultHighScoreTable() {
  HighScoreTable table;
  for (int i = 0; i < HighScoreCount; ++i)
    table[i] = {static_cast<std::uint8_t>(HighScoreCount - i), QString::fromLatin1(CreditNames[i])};
  return table;
}

QByteArray HighScoreBytes(const HighScoreTable& table) {
  QByteArray bytes;
  for (const HighScoreEntry& entry : table) {
    const QByteArray name = entry.PlayerName.toLatin1();
    AppendByte(bytes, entry.Score);
    AppendWord(bytes, static_cast<std::uint16_t>(name.size()));
    bytes.append(name);
  }
  return bytes;
}

HighScoreTable HighScoreTableFromBytes(const QByteArray& bytes) {
  HighScoreTable table = DefaultHighScoreTable();
  ByteReader reader(bytes);
  for (HighScoreEntry& entry : table) {
    const std::optional<HighScoreEntry> read = ReadEntry(reader);
    if (!read) break;
    entry = *read;
  }
  return table;
}

HighScoreTable ReadHighScoreFile(const QString& path) {
  if (path.isEmpty()) return DefaultHighScoreTable();
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return DefaultHighScoreTable();
  return HighScoreTableFromBytes(file.read(MaxFileSize));
}

QString WriteHighScoreFile(const QString& path, const HighScoreTable& table) {
  return ReplaceFile(path, HighScoreBytes(table));
}

std::optional<int> InsertScore(HighScoreTable& table, std::uint8_t score) {
  if (score < table.back().Score) return std::nullopt;
  const auto place = std::find_if(table.begin(), table.end(), [score](const HighScoreEntry& entry) {
    return entry.Score <= score;
  });
  std::move_backward(place, table.end() - 1, table.end());
  *place = {score, QString()};
  return static_cast<int>(place - table.begin());
}
