#include "core/level_file.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <string>
#include <utility>
#include <vector>

#include "core/maze.h"

namespace {

using PackedRun = std::pair<int, char>;

QByteArray Int32(std::int32_t value) {
  QByteArray bytes(4, '\0');
  for (int i = 0; i < 4; ++i) bytes[i] = static_cast<char>((value >> (8 * i)) & 0xFF);
  return bytes;
}

QByteArray Packed(const std::vector<PackedRun>& runs) {
  QByteArray packed;
  for (auto [run, code] : runs) {
    packed.append(static_cast<char>(run));
    packed.append(code);
  }
  return packed;
}

QByteArray Record(const std::vector<PackedRun>& runs) {
  QByteArray packed = Packed(runs);
  return Int32(packed.size()) + packed;
}

QByteArray Header(int count) {
  QByteArray header(LevelHeaderSize, 'x');
  header[LevelCountOffset] = static_cast<char>(count & 0xFF);
  header[LevelCountOffset + 1] = static_cast<char>((count >> 8) & 0xFF);
  return header;
}

// A maze of one code in runs of 19, one per row.
std::vector<PackedRun> Rows(char code) {
  return std::vector<PackedRun>(MazeRows, {MazeColumns, code});
}

class LevelFileTest : public ::testing::Test {
 protected:
  QString Write(const QByteArray& bytes, const QString& name = LevelFileName) {
    QString path = QDir(folder_.path()).filePath(name);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    return path;
  }

  std::unique_ptr<LevelFile> Open() { return OpenLevelFile(LevelFileName, {folder_.path()}); }

  QTemporaryDir folder_;
  std::array<CellCode, MazeCellCount> cells_{};
};

TEST_F(LevelFileTest, RunsContinueOverRowEnds) {
  // 3 walls, 30 dots crossing the end of row 0 and the whole of row 1,
  // 0-length runs writing nothing, then corridor up to 361 cells.
  Write(Header(1) + Record({{3, '1'}, {30, '.'}, {0, '4'}, {127, ' '}, {127, ' '}, {74, ' '}}));
  auto file = Open();
  ASSERT_TRUE(file);
  ASSERT_EQ(ReadLevel(*file, cells_, 0), LevelRead);
  std::string top(cells_.begin(), cells_.begin() + 2 * MazeColumns);
  EXPECT_EQ(top,
            "111................"
            "..............     ");
  EXPECT_EQ(cells_[MazeCellCount - 1], ' ');
}

TEST_F(LevelFileTest, LevelUsesRecordModuloCount) {
  Write(Header(3) + Record(Rows('1')) + Record(Rows('.')) + Record(Rows('2')));
  auto file = Open();
  ASSERT_TRUE(file);
  EXPECT_EQ(file->levelCount, 3);
  const std::vector<std::pair<int, char>> cases = {{0, '1'}, {1, '.'}, {2, '2'},   {3, '1'},
                                                   {4, '.'}, {6, '1'}, {3001, '.'}};
  for (auto [level, code] : cases) {
    ASSERT_EQ(ReadLevel(*file, cells_, LevelRecord(*file, level)), LevelRead) << level;
    EXPECT_EQ(cells_[200], code) << "level " << level;
  }
}

TEST_F(LevelFileTest, ReadsRecordsAcrossPageBoundaries) {
  // Padding records push the one read across the 4096-byte page edge.
  QByteArray bytes = Header(6);
  std::vector<PackedRun> filler(361, {1, '1'});
  for (int i = 0; i < 5; ++i) bytes += Record(filler);  // 726 bytes each
  std::vector<PackedRun> mixed;
  for (int i = 0; i < MazeCellCount; ++i) mixed.push_back({1, i % 2 ? '.' : ' '});
  bytes += Record(mixed);
  ASSERT_GT(bytes.size(), 4096);
  ASSERT_LT(bytes.size() - 722, 4096);
  Write(bytes);
  auto file = Open();
  ASSERT_TRUE(file);
  ASSERT_EQ(ReadLevel(*file, cells_, 5), LevelRead);
  for (int i = 0; i < MazeCellCount; ++i) ASSERT_EQ(cells_[i], i % 2 ? '.' : ' ') << i;
}

TEST_F(LevelFileTest, MalformedLevelsAreRefusedAndKeepTheMaze) {
  QByteArray oddLength = Int32(3) + QByteArray(
                                        "\x13"
                                        "1"
                                        "\x13",
                                        3);
  QByteArray tooLong = Int32(4062) + QByteArray(4062, '\x01');
  QByteArray negativeLength = Int32(-2);
  const std::vector<std::pair<const char*, QByteArray>> cases = {
      {"too few cells", Record({{127, '1'}, {127, '1'}, {106, '1'}})},
      {"too many cells", Record({{127, '1'}, {127, '1'}, {108, '1'}})},
      {"run above 127", Record({{128, '1'}, {127, '1'}, {106, '1'}})},
      {"unknown code", Record({{127, '1'}, {127, '5'}, {107, '1'}})},
      {"zero code", Record({{127, '1'}, {127, '\0'}, {107, '1'}})},
      {"odd length", oddLength},
      {"length above 4060", tooLong},
      {"negative length", negativeLength},
      {"truncated record", Record(Rows('1')).left(30)},
      {"truncated length", Int32(722).left(2)},
  };
  for (const auto& [what, record] : cases) {
    // A damaged file is not opened at all.
    Write(Header(2) + Record(Rows('.')) + record);
    EXPECT_FALSE(Open()) << what;
    // One damaged after it was opened refuses the bad level only.
    Write(Header(2) + Record(Rows('.')) + Record(Rows('1')));
    auto file = Open();
    ASSERT_TRUE(file) << what;
    Write(Header(2) + Record(Rows('.')) + record);
    cells_.fill('x');
    EXPECT_EQ(ReadLevel(*file, cells_, 1), LevelMalformed) << what;
    EXPECT_EQ(cells_[0], 'x') << what;
    EXPECT_EQ(ReadLevel(*file, cells_, 0), LevelRead) << what;
  }
}

TEST_F(LevelFileTest, MissingOrBadFilesAreNotOpened) {
  EXPECT_FALSE(Open()) << "no file";
  Write(Header(1).left(20));
  EXPECT_FALSE(Open()) << "short header";
  for (int count : {0, -1, 2}) {
    Write(Header(count) + Record(Rows('1')));
    EXPECT_FALSE(Open()) << "count " << count;
  }
}

TEST_F(LevelFileTest, LooksInTheFoldersInOrder) {
  QTemporaryDir second;
  QFile other(QDir(second.path()).filePath(LevelFileName));
  ASSERT_TRUE(other.open(QIODevice::WriteOnly));
  other.write(Header(2) + Record(Rows('1')) + Record(Rows('1')));
  other.close();
  EXPECT_EQ(OpenLevelFile(LevelFileName, {folder_.path(), second.path()})->levelCount, 2);
  Write(Header(1) + Record(Rows('1')));
  EXPECT_EQ(OpenLevelFile(LevelFileName, {folder_.path(), second.path()})->levelCount, 1);
}

TEST_F(LevelFileTest, AFileGoneSinceOpeningIsReported) {
  QString path = Write(Header(1) + Record(Rows('1')));
  auto file = Open();
  ASSERT_TRUE(file);
  QFile::remove(path);
  EXPECT_EQ(ReadLevel(*file, cells_, 0), LevelFileNotOpened);
}

}  // namespace
