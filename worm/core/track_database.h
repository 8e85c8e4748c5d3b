#pragma once

#include "core/replace_file.h"

#include <QString>

#include <array>
#include <cstdint>
#include <vector>

// Size of the block layer: the playable 51 x 35 cells and a border ring.
constexpr int TrackWidth = 53;
constexpr int TrackHeight = 37;
// Size of the ground layer: the playable cells only.
constexpr int GroundWidth = 51;
constexpr int GroundHeight = 35;

// Block layer cell (x, y), x 0..52, y 0..36.
constexpr int BlockIndex(int x, int y) { return x + TrackWidth * y; }
// Ground layer cell (x, y), x 1..51, y 1..35.
constexpr int GroundIndex(int x, int y) { return (x - 1) + GroundWidth * (y - 1); }

struct TrackRecord {
  QString Name;
  std::uint8_t StartDirection = 0;
  std::uint8_t StartSpeed = 0;
  std::int16_t StartLength = 0;
  std::uint8_t HiddenBonusCount = 0;
  std::uint8_t Difficulty = 0;
  std::array<std::uint8_t, TrackWidth * TrackHeight> Blocks{};
  std::array<std::uint8_t, GroundWidth * GroundHeight> Ground{};

  bool operator==(const TrackRecord&) const = default;
};

struct DatabaseSettings {
  std::uint8_t Lives = 0;
  std::uint8_t Shield = 0;
  std::uint8_t Breaks = 0;
  std::uint8_t Level = 0;

  bool operator==(const DatabaseSettings&) const = default;
};

struct TrackDatabase {
  std::uint8_t TrackCount = 0;
  // Index 1..TrackCount are the tracks; index 0 is the play copy.
  std::vector<TrackRecord> Tracks = std::vector<TrackRecord>(1);
  DatabaseSettings Settings;
  std::int16_t SaveCounter = 0;

  TrackRecord& PlayCopy() { return Tracks[0]; }
  const TrackRecord& PlayCopy() const { return Tracks[0]; }
};

// Outcome of reading or writing a database file; Message says what went wrong.
struct DatabaseFileResult {
  bool Ok = true;
  QString Message;
};

// Replaces database with the file's contents. A file that cannot be opened or
// ends before its last track is complete is refused and database is kept.
DatabaseFileResult ReadDatabaseFile(const QString& path, TrackDatabase& database);

// Writes database to path with its SaveCounter increased (it stays at 32767).
// The file is written beside the target and renamed into place, so a failed
// write leaves the old file as it was and SaveCounter unchanged. Tests pass faults to
// disturb the save.
DatabaseFileResult WriteDatabaseFile(const QString& path, TrackDatabase& database,
                                     SaveFaults* faults = nullptr);
