#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <memory>

#include "core/maze.h"

// The level file: a 36-byte header with the level count at offset 30
// (16-bit little-endian), then one record per level: a 32-bit packed length
// L and L bytes of (run length, cell code) pairs filling the 361 cells row
// by row from the top.
constexpr int LevelHeaderSize = 36;
constexpr int LevelCountOffset = 30;
constexpr int LevelMaxPackedLength = 4060;
constexpr int LevelMaxRun = 127;

inline constexpr const char* LevelFileName = "ZORBWARP.DEC";

struct LevelFile {
  QString name;  // the path as opened, opened again for every level read
  std::int16_t levelCount = 0;
  std::array<std::uint8_t, LevelMaxPackedLength> data{};
};

// The level file of the running game, from start-up to the end.
extern std::unique_ptr<LevelFile> gameLevelFile;

// Opens name in the first of folders that holds it, reads the header and
// checks every level. None when no folder has a readable file, the header is
// short, the level count is below 1 or one of the levels is not a maze (see
// ReadLevel), so that a damaged file is reported at start.
std::unique_ptr<LevelFile> OpenLevelFile(const QString& name, const QStringList& folders);
// The same, looking in the program's folder and then the working directory.
std::unique_ptr<LevelFile> OpenLevelFile(const QString& name);

// Results of ReadLevel.
constexpr int LevelRead = 0;
constexpr int LevelFileNotOpened = 1;
constexpr int LevelMalformed = 2;

// Reads record k into file.data and expands it into cells. A record that
// ends early, a length that is odd, negative or above 4060, a run above 127,
// an unknown code or runs that do not fill exactly 361 cells is refused and
// leaves cells unchanged (the file may have changed since it was opened).
int ReadLevel(LevelFile& file, std::array<CellCode, MazeCellCount>& cells, int k);

// Record used for level: level mod level count.
int LevelRecord(const LevelFile& file, int level);
