#pragma once

#include <QByteArray>
#include <QString>

#include <array>
#include <cstdint>
#include <optional>

// One line of the high-score table.
struct HighScoreEntry {
  std::uint8_t Score = 0;  // tracks completed in that game
  QString PlayerName;      // at most 18 characters of the font

  bool operator==(const HighScoreEntry&) const = default;
};

constexpr int HighScoreCount = 10;
constexpr int MaxPlayerNameLength = 18;

// The ten best games of a database, best first: element 0 is entry 1.
using HighScoreTable = std::array<HighScoreEntry, HighScoreCount>;

// Scores 10 down to 1 with names that read as the game's credits.
HighScoreTable DefaultHighScoreTable();

// The ".whs" layout: per entry the score byte, the name's length as a
// little-endian word and one ISO 8859-1 byte per character.
QByteArray HighScoreBytes(const HighScoreTable& table);
// The table from the front of bytes. From the first entry that is
// incomplete or has a name longer than 18 characters on, the entries are
// those of the default table. Bytes after the tenth entry are ignored.
HighScoreTable HighScoreTableFromBytes(const QByteArray& bytes);

// The table of the file at path; an empty path, or a file that cannot be
// read, gives the default table.
HighScoreTable ReadHighScoreFile(const QString& path);
// Writes the file whole through a temporary file beside it. Empty on
// success, else what went wrong; the old file is then as it was.
QString WriteHighScoreFile(const QString& path, const HighScoreTable& table);

// Puts a game's score into the table with an empty name: above every entry
// with the same or a lower score, entry 10 dropped. Gives the index of the
// new entry, or none (table unchanged) when the score is below entry 10's.
std::optional<int> InsertScore(HighScoreTable& table, std::uint8_t score);
