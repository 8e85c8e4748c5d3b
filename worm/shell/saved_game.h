#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

// The state of a game in progress, as the ".wsf" file beside its database
// stores it.
struct SavedGame {
  std::uint8_t Lives = 0;
  std::uint8_t Shield = 0;
  std::uint8_t Breaks = 0;
  std::uint8_t PlayTrack = 0;          // the track being played
  bool RefillPool = false;             // refill the pool for Level before the next track
  std::uint8_t PoolCount = 0;          // tracks left in the pool
  std::vector<std::uint8_t> TrackPool; // tracks of the level still to play
  std::uint8_t Level = 0;              // difficulty being played
  bool FixedLevel = false;             // the database fixes the level
  QString DatabaseName;                // database file name without ".wdb"
  std::int16_t SaveCounter = 0;        // the database's save counter when saved
  std::uint8_t TracksCompleted = 0;    // the score so far

  bool operator==(const SavedGame&) const = default;
};

// The file layout: bytes, little-endian words, booleans as -1 or 0; the
// pool as dimension count 1, element count, lower bound 1 and the tracks;
// the name as its length and one ISO 8859-1 byte per character.
QByteArray SavedGameBytes(const SavedGame& game);
// A record from the front of bytes; none when they end early or when a
// count or track number is out of range (no lives, no track, a pool of
// more than 100 tracks or more entries than it holds, a track outside
// 1..100). Bytes after the record are ignored.
std::optional<SavedGame> SavedGameFromBytes(const QByteArray& bytes);

// Reads the saved game of the file into game; false (and game unchanged)
// when the file cannot be read or holds no saved game.
bool ReadSavedGame(const QString& path, SavedGame& game);
// Writes the file whole through a temporary file beside it. Empty on
// success, else what went wrong; the old file is then as it was.
QString WriteSavedGame(const QString& path, const SavedGame& game);
