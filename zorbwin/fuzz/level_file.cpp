// Opens any bytes as the level file; every level of a file it accepts must read as a maze.
#include "core/level_file.h"
#include "scratch_folder.h"

#include <algorithm>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static ScratchFolder scratch;
  const QString folder = scratch.Begin();
  scratch.Write(LevelFileName, data, size);
  std::unique_ptr<LevelFile> file = OpenLevelFile(LevelFileName, {folder});
  if (!file) return 0;
  std::array<CellCode, MazeCellCount> cells{};
  // The first levels and the last; reading level k reads the k before it too.
  const int count = file->levelCount;
  for (int level : {0, 1, 2, count - 1, count, -1}) {
    const int record = LevelRecord(*file, level);
    if (record < 0 || record >= count || ReadLevel(*file, cells, record) != LevelRead)
      __builtin_trap();
    if (!std::all_of(cells.begin(), cells.end(), IsCellCode)) __builtin_trap();
  }
  return 0;
}
