#include "shell/saved_game.h"
#include "file_folder_test.h"
#include "full_disk.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

SavedGame Fixture() {
  SavedGame game;
  game.Lives = 3;
  game.Shield = 7;
  game.Breaks = 2;
  game.PlayTrack = 12;
  game.RefillPool = true;
  game.PoolCount = 2;
  game.TrackPool = {4, 9, 100};
  game.Level = 5;
  game.FixedLevel = false;
  game.DatabaseName = QString::fromUtf8("Vora Å");
  game.SaveCounter = -2;
  game.TracksCompleted = 200;
  return game;
}

// The fixture's record byte for byte.
const QByteArray FixtureBytes = QByteArray::fromHex(
    "0307020c"          // lives, shield, breaks, track
    "ffff"              // refill pool: true
    "02"                // pool count
    "0100"              // the pool: one dimension,
    "03000000"          // three elements,
    "01000000"          // lower bound 1,
    "040964"            // the tracks
    "05" "0000"         // level, fixed level: false
    "0600" "566f726120c5"  // the name, ISO 8859-1
    "feff"              // save counter
    "c8");              // tracks completed

using SavedGameTest = FileFolderTest;

TEST_F(SavedGameTest, RecordIsWrittenByteForByte) {
  EXPECT_EQ(SavedGameBytes(Fixture()).toHex().toStdString(), FixtureBytes.toHex().toStdString());
}

TEST_F(SavedGameTest, FileRoundTrip) {
  ASSERT_EQ(WriteSavedGame(PathOf("Vora.wsf"), Fixture()), QString());
  EXPECT_EQ(ReadBytes("Vora.wsf"), FixtureBytes);
  SavedGame read;
  ASSERT_TRUE(ReadSavedGame(PathOf("Vora.wsf"), read));
  EXPECT_EQ(read, Fixture());

  SavedGame emptyPool = Fixture();
  emptyPool.TrackPool.clear();
  emptyPool.PoolCount = 0;
  emptyPool.FixedLevel = true;
  emptyPool.DatabaseName.clear();
  ASSERT_EQ(WriteSavedGame(PathOf("Vora.wsf"), emptyPool), QString());
  ASSERT_TRUE(ReadSavedGame(PathOf("Vora.wsf"), read));
  EXPECT_EQ(read, emptyPool) << "a shorter record replaces the file whole";
  EXPECT_EQ(ReadBytes("Vora.wsf").size(), FixtureBytes.size() - 3 - 6);
}

TEST_F(SavedGameTest, BytesAfterTheRecordAreIgnored) {
  WriteBytes("Old.wsf", FixtureBytes + "left from a longer record");
  SavedGame read;
  ASSERT_TRUE(ReadSavedGame(PathOf("Old.wsf"), read));
  EXPECT_EQ(read, Fixture());
}

TEST_F(SavedGameTest, DamagedFilesAreNoSavedGame) {
  auto patched = [](int offset, const QByteArray& bytes) {
    QByteArray patched = FixtureBytes;
    patched.replace(offset, bytes.size(), bytes);
    return patched;
  };
  const struct {
    const char* what;
    QByteArray bytes;
  } cases[] = {
      {"empty", {}},
      {"ends in the pool", FixtureBytes.left(17)},
      {"ends in the name", FixtureBytes.left(28)},
      {"ends before the score", FixtureBytes.left(FixtureBytes.size() - 1)},
      {"no lives", patched(0, QByteArray(1, 0))},
      {"track 0", patched(3, QByteArray(1, 0))},
      {"track 101", patched(3, QByteArray(1, 101))},
      {"two dimensions", patched(7, QByteArray::fromHex("0200"))},
      {"lower bound 0", patched(13, QByteArray::fromHex("00000000"))},
      {"a pool of 101 tracks", patched(9, QByteArray::fromHex("65000000"))},
      {"a huge pool", patched(9, QByteArray::fromHex("ffffffff"))},
      {"a pool track 0", patched(17, QByteArray(1, 0))},
      {"a pool count above the pool", patched(6, QByteArray(1, 4))},
      {"a name longer than the file", patched(23, QByteArray::fromHex("ffff"))},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    WriteBytes("Damaged.wsf", c.bytes);
    SavedGame game = Fixture();
    game.Lives = 9;
    EXPECT_FALSE(ReadSavedGame(PathOf("Damaged.wsf"), game));
    EXPECT_EQ(game.Lives, 9) << "the record in memory is kept";
  }
  SavedGame game;
  EXPECT_FALSE(ReadSavedGame(PathOf("Missing.wsf"), game));
}

TEST_F(SavedGameTest, FailedWriteKeepsTheOldFile) {
  WriteBytes("Vora.wsf", "old saved game");
  QString problem;
  {
    const FullDisk fullDisk(10);
    problem = WriteSavedGame(PathOf("Vora.wsf"), Fixture());
  }
  EXPECT_FALSE(problem.isEmpty());
  EXPECT_EQ(ReadBytes("Vora.wsf"), "old saved game");
  EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files), QStringList{"Vora.wsf"})
      << "no temporary file left";
}

}  // namespace
