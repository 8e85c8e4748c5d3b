#include "core/level_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "core/paged_file.h"

std::unique_ptr<LevelFile> gameLevelFile;

namespace {

// A paged file open for the lifetime of this object.
class OpenedFile {
 public:
  explicit OpenedFile(const QString& path) { opened_ = OpenPagedFile(path, slot_) == 0; }
  ~OpenedFile() {
    if (opened_) ClosePagedFile(slot_);
  }
  OpenedFile(const OpenedFile&) = delete;
  OpenedFile& operator=(const OpenedFile&) = delete;

  bool opened() const { return opened_; }
  int slot() const { return slot_; }

 private:
  int slot_ = -1;
  bool opened_ = false;
};

bool ReadInt32(int slot, std::int64_t position, std::int32_t& value) {
  std::uint8_t bytes[4];
  if (SeekPagedFile(slot, position) != 0 || ReadPagedFile(slot, bytes, 4) != 4) return false;
  value = static_cast<std::int32_t>(bytes[0] | bytes[1] << 8 | bytes[2] << 16 |
                                    static_cast<std::uint32_t>(bytes[3]) << 24);
  return true;
}

bool ValidPackedLength(std::int32_t length) {
  return length >= 0 && length <= LevelMaxPackedLength && length % 2 == 0;
}

// Expands the pairs of packed into cells; false when they do not make a maze.
bool ExpandLevel(const std::uint8_t* packed, int length,
                 std::array<CellCode, MazeCellCount>& cells) {
  std::array<CellCode, MazeCellCount> expanded{};
  int filled = 0;
  for (int i = 0; i < length; i += 2) {
    int run = packed[i];
    auto code = static_cast<CellCode>(packed[i + 1]);
    if (run > LevelMaxRun || !IsCellCode(code) || run > MazeCellCount - filled) return false;
    std::fill_n(expanded.begin() + filled, run, code);
    filled += run;
  }
  if (filled != MazeCellCount) return false;
  cells = expanded;
  return true;
}

// Reads the record whose length stands at position into data and moves
// position behind it: the packed length, or -1 for a bad length or a record
// that the file cuts short.
int ReadRecord(int slot, std::int64_t& position, std::uint8_t* data) {
  std::int32_t length = 0;
  if (!ReadInt32(slot, position, length) || !ValidPackedLength(length)) return -1;
  if (ReadPagedFile(slot, data, length) != length) return -1;
  position += 4 + length;
  return length;
}

// True when each of the count records holds a maze.
bool EveryLevelIsAMaze(int slot, int count) {
  std::array<std::uint8_t, LevelMaxPackedLength> packed{};
  std::array<CellCode, MazeCellCount> cells{};
  std::int64_t position = LevelHeaderSize;
  for (int record = 0; record < count; ++record) {
    int length = ReadRecord(slot, position, packed.data());
    if (length < 0 || !ExpandLevel(packed.data(), length, cells)) return false;
  }
  return true;
}

}  // namespace

std::unique_ptr<LevelFile> OpenLevelFile(const QString& name, const QStringList& folders) {
  for (const QString& folder : folders) {
    QString path = QDir(folder).filePath(name);
    if (!QFileInfo(path).isFile()) continue;
    OpenedFile file(path);
    if (!file.opened()) continue;
    std::uint8_t header[LevelHeaderSize];
    if (ReadPagedFile(file.slot(), header, LevelHeaderSize) != LevelHeaderSize) return nullptr;
    auto count =
        static_cast<std::int16_t>(header[LevelCountOffset] | header[LevelCountOffset + 1] << 8);
    if (count < 1 || !EveryLevelIsAMaze(file.slot(), count)) return nullptr;
    auto level = std::make_unique<LevelFile>();
    level->name = path;
    level->levelCount = count;
    return level;
  }
  return nullptr;
}

std::unique_ptr<LevelFile> OpenLevelFile(const QString& name) {
  return OpenLevelFile(name, {QCoreApplication::applicationDirPath(), QDir::currentPath()});
}

int ReadLevel(LevelFile& file, std::array<CellCode, MazeCellCount>& cells, int k) {
  OpenedFile opened(file.name);
  if (!opened.opened()) return LevelFileNotOpened;
  std::int64_t position = LevelHeaderSize;
  int length = -1;
  for (int record = 0; record <= k; ++record) {
    length = ReadRecord(opened.slot(), position, file.data.data());
    if (length < 0) return LevelMalformed;
  }
  return ExpandLevel(file.data.data(), length, cells) ? LevelRead : LevelMalformed;
}

int LevelRecord(const LevelFile& file, int level) {
  int count = file.levelCount;
  return ((level % count) + count) % count;
}
