#include "shell/high_score_table.h"
#include "file_folder_test.h"
#include "full_disk.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

HighScoreTable Scores(std::array<int, HighScoreCount> scores) {
  HighScoreTable table;
  for (int i = 0; i < HighScoreCount; ++i)
    table[i] = {static_cast<std::uint8_t>(scores[i]), QStringLiteral("P%1").arg(i + 1)};
  return table;
}

TEST(HighScoreTableTest, DefaultTableReadsAsCreditsInTheFont) {
  const QString font = QString::fromUtf8("ABCDEFGHIJKLMNOPQRSTUVWXYZÅÄÖ #%0123456789");
  const HighScoreTable table = DefaultHighScoreTable();
  for (int i = 0; i < HighScoreCount; ++i) {
    EXPECT_EQ(table[i].Score, 10 - i);
    const QString& name = table[i].PlayerName;
    EXPECT_FALSE(name.isEmpty());
    EXPECT_LE(name.size(), MaxPlayerNameLength) << name.toStdString();
    for (QChar c : name) EXPECT_TRUE(font.contains(c)) << name.toStdString();
  }
  EXPECT_EQ(table[0].PlayerName, "THE VORA");
}

TEST(HighScoreTableTest, InsertionRules) {
  const struct {
    const char* what;
    std::array<int, HighScoreCount> before;
    int score;
    std::optional<int> place;
  } cases[] = {
      {"above all", {10, 9, 8, 7, 6, 5, 4, 3, 2, 1}, 11, 0},
      {"equal goes above the equal entries", {9, 7, 7, 7, 5, 5, 3, 3, 2, 2}, 7, 1},
      {"equal to entry 10 takes place 10", {9, 8, 7, 6, 5, 4, 3, 3, 3, 2}, 2, 9},
      {"below entry 10", {9, 8, 7, 6, 5, 4, 3, 3, 3, 2}, 1, std::nullopt},
      {"0 against 1", {10, 9, 8, 7, 6, 5, 4, 3, 2, 1}, 0, std::nullopt},
      {"0 against 0", {5, 4, 3, 0, 0, 0, 0, 0, 0, 0}, 0, 3},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    HighScoreTable table = Scores(c.before);
    const HighScoreTable before = table;
    EXPECT_EQ(InsertScore(table, static_cast<std::uint8_t>(c.score)), c.place);
    if (!c.place) {
      EXPECT_EQ(table, before);
      continue;
    }
    const int k = *c.place;
    for (int i = 0; i < k; ++i) EXPECT_EQ(table[i], before[i]);
    EXPECT_EQ(table[k], (HighScoreEntry{static_cast<std::uint8_t>(c.score), QString()}));
    for (int i = k + 1; i < HighScoreCount; ++i) EXPECT_EQ(table[i], before[i - 1]);
  }
}

using HighScoreFileTest = FileFolderTest;

TEST_F(HighScoreFileTest, EntriesAreWrittenByteForByte) {
  HighScoreTable table = Scores({255, 9, 8, 7, 6, 5, 4, 3, 2, 0});
  table[0].PlayerName = QString::fromUtf8("ÅÄÖ A");
  table[9].PlayerName.clear();
  const QByteArray bytes = HighScoreBytes(table);
  EXPECT_EQ(bytes.left(8).toHex().toStdString(), "ff0500c5c4d62041");
  EXPECT_EQ(bytes.right(3).toHex().toStdString(), "000000") << "score 0, no name";
  EXPECT_EQ(bytes.size(), 8 + 8 * 5 + 3);
}

TEST_F(HighScoreFileTest, RoundTrip) {
  HighScoreTable table = Scores({200, 9, 8, 7, 6, 5, 4, 3, 2, 0});
  table[3].PlayerName = QString::fromUtf8("ÖRJAN ÅKE %#");
  table[4].PlayerName = QString(18, 'Z');
  ASSERT_EQ(WriteHighScoreFile(PathOf("Vora.whs"), table), QString());
  EXPECT_EQ(ReadHighScoreFile(PathOf("Vora.whs")), table);
  EXPECT_EQ(ReadHighScoreFile(QString()), DefaultHighScoreTable());
  EXPECT_EQ(ReadHighScoreFile(PathOf("Missing.whs")), DefaultHighScoreTable());
}

TEST_F(HighScoreFileTest, ShortOrDamagedFilesKeepTheDefaultsForWhatTheyLack) {
  const HighScoreTable table = Scores({20, 19, 18, 17, 16, 15, 14, 13, 12, 11});
  const QByteArray whole = HighScoreBytes(table);  // 5 bytes for each of entries 1..9
  QByteArray longName = whole;
  longName.replace(5 * 2 + 1, 2, QByteArray::fromHex("1300"));  // entry 3 claims 19 characters
  const struct {
    const char* what;
    QByteArray bytes;
    int fromFile;  // entries read from the file; the rest are the defaults
  } cases[] = {
      {"empty", {}, 0},
      {"three entries and a half", whole.left(5 * 3 + 2), 3},
      {"the last name cut", whole.left(whole.size() - 1), 9},
      {"a name longer than 18", longName, 2},
      {"bytes after the tenth entry", whole + "old longer table", 10},
  };
  const HighScoreTable defaults = DefaultHighScoreTable();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    WriteBytes("Short.whs", c.bytes);
    const HighScoreTable read = ReadHighScoreFile(PathOf("Short.whs"));
    for (int i = 0; i < HighScoreCount; ++i)
      EXPECT_EQ(read[i], i < c.fromFile ? table[i] : defaults[i]) << i;
  }
}

TEST_F(HighScoreFileTest, FailedWriteKeepsTheOldTable) {
  WriteBytes("Vora.whs", "old table");
  QString problem;
  {
    const FullDisk fullDisk(20);
    problem = WriteHighScoreFile(PathOf("Vora.whs"), DefaultHighScoreTable());
  }
  EXPECT_FALSE(problem.isEmpty());
  EXPECT_EQ(ReadBytes("Vora.whs"), "old table");
  EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files), QStringList{"Vora.whs"});
}

}  // namespace
