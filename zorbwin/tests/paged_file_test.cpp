#include "core/paged_file.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <vector>

namespace {

class PagedFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    path_ = QDir(folder_.path()).filePath("data.bin");
    QFile file(path_);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    QByteArray bytes(Size, '\0');
    for (int i = 0; i < Size; ++i) bytes[i] = static_cast<char>(Byte(i));
    file.write(bytes);
  }

  static std::uint8_t Byte(int position) {
    return static_cast<std::uint8_t>(position * 7 + position / 256);
  }

  static constexpr int Size = 2 * PagedFilePageSize + 100;
  QTemporaryDir folder_;
  QString path_;
};

TEST_F(PagedFileTest, ReadsAcrossPageBoundaries) {
  int slot = -1;
  ASSERT_EQ(OpenPagedFile(path_, slot), 0);
  std::uint8_t bytes[8];
  for (int position : {4094, 8190, 10, 4093, 4096}) {
    ASSERT_EQ(SeekPagedFile(slot, position), 0);
    ASSERT_EQ(ReadPagedFile(slot, bytes, 6), 6) << position;
    for (int i = 0; i < 6; ++i) EXPECT_EQ(bytes[i], Byte(position + i)) << position + i;
  }
  // The end of the file stops a read early; nothing is read behind it.
  ASSERT_EQ(SeekPagedFile(slot, Size - 3), 0);
  EXPECT_EQ(ReadPagedFile(slot, bytes, 8), 3);
  EXPECT_EQ(bytes[2], Byte(Size - 1));
  EXPECT_EQ(ReadPagedFile(slot, bytes, 8), 0);
  ASSERT_EQ(SeekPagedFile(slot, Size + 5000), 0);
  EXPECT_EQ(ReadPagedFile(slot, bytes, 8), 0);
  EXPECT_EQ(ClosePagedFile(slot), 0);
}

TEST_F(PagedFileTest, SequentialReadWalksThroughThePages) {
  int slot = -1;
  ASSERT_EQ(OpenPagedFile(path_, slot), 0);
  std::vector<std::uint8_t> all(Size + 10);
  EXPECT_EQ(ReadPagedFile(slot, all.data(), Size + 10), Size);
  for (int i = 0; i < Size; ++i) ASSERT_EQ(all[i], Byte(i)) << i;
  ClosePagedFile(slot);
}

TEST_F(PagedFileTest, SlotsRunOutAndCloseOnlyOnce) {
  int slot = -1;
  EXPECT_EQ(OpenPagedFile(QDir(folder_.path()).filePath("missing"), slot), 4);
  std::vector<int> openSlots(PagedFileSlots);
  for (int& opened : openSlots) ASSERT_EQ(OpenPagedFile(path_, opened), 0);
  EXPECT_EQ(openSlots.front(), 0);
  EXPECT_EQ(openSlots.back(), PagedFileSlots - 1);
  EXPECT_EQ(OpenPagedFile(path_, slot), 1);
  for (int opened : openSlots) EXPECT_EQ(ClosePagedFile(opened), 0);
  EXPECT_EQ(ClosePagedFile(openSlots.front()), 1);
  std::uint8_t byte = 0;
  EXPECT_EQ(ReadPagedFile(openSlots.front(), &byte, 1), 0);
  EXPECT_EQ(SeekPagedFile(openSlots.front(), 0), 1);
}

}  // namespace
