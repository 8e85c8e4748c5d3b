#include "core/code_page.h"
#include "core/track_database.h"
#include "save_faults.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <csignal>
#include <sys/fsuid.h>
#include <sys/resource.h>
#include <unistd.h>

namespace {

QByteArray Word(int value) {
  QByteArray bytes;
  bytes.append(static_cast<char>(value & 0xFF));
  bytes.append(static_cast<char>((value >> 8) & 0xFF));
  return bytes;
}

// One track record laid out by hand: name bytes, the six fields, then the
// block layer filled with blockFill (99 on the ring) and a marked ground cell.
QByteArray TrackBytes(const QByteArray& name, int blockFill) {
  QByteArray bytes = Word(name.size()) + name;
  bytes.append(char(5));      // StartDirection
  bytes.append(char(100));    // StartSpeed
  bytes.append(Word(500));    // StartLength
  bytes.append(char(50));     // HiddenBonusCount
  bytes.append(char(10));     // Difficulty
  for (int y = 0; y < 37; ++y)
    for (int x = 0; x < 53; ++x) {
      const bool ring = x == 0 || y == 0 || x == 52 || y == 36;
      bytes.append(static_cast<char>(ring ? 99 : blockFill));
    }
  QByteArray ground(51 * 35, char(blockFill));
  ground[ground.size() - 1] = char(42);  // cell (51, 35)
  return bytes + ground;
}

// Two tracks ("Å€x" in the 8-bit code page and an empty name), settings
// 3, 5, 5, 2 and the save counter 300.
QByteArray FixtureBytes() {
  return QByteArray(1, char(2)) + TrackBytes("\xC5\x80x", 7) + TrackBytes("", 40) +
         QByteArray("\x03\x05\x05\x02", 4) + Word(300);
}

class TrackDatabaseTest : public ::testing::Test {
 protected:
  QString PathOf(const QString& name) const { return dir_.filePath(name); }

  QString WriteFixture(const QByteArray& bytes, const QString& name = "Fixture.wdb") const {
    QFile file(PathOf(name));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    return file.fileName();
  }

  static QByteArray ReadBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }

  // A database read from the fixture, as a known state to compare against.
  TrackDatabase LoadedFixture() const {
    TrackDatabase database;
    EXPECT_TRUE(ReadDatabaseFile(WriteFixture(FixtureBytes(), "Known.wdb"), database).Ok);
    return database;
  }

  QTemporaryDir dir_;
};

TEST_F(TrackDatabaseTest, ReadsEveryFieldOfTheHandMadeFile) {
  const TrackDatabase database = LoadedFixture();

  ASSERT_EQ(database.TrackCount, 2);
  ASSERT_EQ(database.Tracks.size(), 3u);
  EXPECT_EQ(database.PlayCopy(), TrackRecord{});

  const TrackRecord& first = database.Tracks[1];
  EXPECT_EQ(first.Name, QString::fromUtf8("Å€x"));
  EXPECT_EQ(first.StartDirection, 5);
  EXPECT_EQ(first.StartSpeed, 100);
  EXPECT_EQ(first.StartLength, 500);
  EXPECT_EQ(first.HiddenBonusCount, 50);
  EXPECT_EQ(first.Difficulty, 10);
  EXPECT_EQ(first.Blocks[BlockIndex(0, 0)], 99);
  EXPECT_EQ(first.Blocks[BlockIndex(1, 1)], 7);
  EXPECT_EQ(first.Blocks[BlockIndex(52, 36)], 99);
  EXPECT_EQ(first.Ground[GroundIndex(1, 1)], 7);
  EXPECT_EQ(first.Ground[GroundIndex(51, 35)], 42);

  EXPECT_EQ(database.Tracks[2].Name, QString());
  EXPECT_EQ(database.Tracks[2].Blocks[BlockIndex(51, 35)], 40);

  EXPECT_EQ(database.Settings, (DatabaseSettings{3, 5, 5, 2}));
  EXPECT_EQ(database.SaveCounter, 300);
}

TEST_F(TrackDatabaseTest, WritingWhatWasReadGivesTheSameBytesButAHigherCounter) {
  TrackDatabase database = LoadedFixture();
  const QString path = PathOf("Copy.wdb");

  ASSERT_TRUE(WriteDatabaseFile(path, database).Ok);

  const QByteArray expected = FixtureBytes();
  const QByteArray written = ReadBytes(path);
  ASSERT_EQ(written.size(), expected.size());
  EXPECT_EQ(written.size(), 7 + (3754 + 3) + 3754);
  EXPECT_EQ(written.left(written.size() - 2), expected.left(expected.size() - 2));
  EXPECT_EQ(written.right(2), Word(301));
  EXPECT_EQ(database.SaveCounter, 301);
}

TEST_F(TrackDatabaseTest, EmptyDatabaseHoldsOnlyThePlayCopy) {
  const QByteArray bytes = QByteArray("\x00\x03\x05\x05\x00", 5) + Word(-2);
  TrackDatabase database = LoadedFixture();

  ASSERT_TRUE(ReadDatabaseFile(WriteFixture(bytes), database).Ok);
  EXPECT_EQ(database.TrackCount, 0);
  EXPECT_EQ(database.Tracks.size(), 1u);
  EXPECT_EQ(database.Settings, (DatabaseSettings{3, 5, 5, 0}));
  EXPECT_EQ(database.SaveCounter, -2);

  ASSERT_TRUE(WriteDatabaseFile(PathOf("Empty.wdb"), database).Ok);
  EXPECT_EQ(ReadBytes(PathOf("Empty.wdb")), QByteArray("\x00\x03\x05\x05\x00", 5) + Word(-1));
}

TEST_F(TrackDatabaseTest, EveryWriteAdvancesTheCounterUntil32767) {
  const struct {
    std::int16_t before;
    std::int16_t afterTwoWrites;
  } cases[] = {{0, 2}, {-1, 1}, {-32768, -32766}, {32766, 32767}, {32767, 32767}};
  for (const auto& c : cases) {
    TrackDatabase database;
    database.SaveCounter = c.before;
    ASSERT_TRUE(WriteDatabaseFile(PathOf("Counter.wdb"), database).Ok);
    ASSERT_TRUE(WriteDatabaseFile(PathOf("Counter.wdb"), database).Ok);
    EXPECT_EQ(database.SaveCounter, c.afterTwoWrites) << "from " << c.before;
    EXPECT_EQ(ReadBytes(PathOf("Counter.wdb")).right(2), Word(c.afterTwoWrites));
  }
}

TEST_F(TrackDatabaseTest, CountBeyondTheTracksHeldIsNotWritten) {
  TrackDatabase database;
  database.TrackCount = 2;
  EXPECT_FALSE(WriteDatabaseFile(PathOf("Short.wdb"), database).Ok);
  EXPECT_FALSE(QFile::exists(PathOf("Short.wdb")));
  EXPECT_EQ(database.SaveCounter, 0);
}

TEST_F(TrackDatabaseTest, BytesAfterTheCounterAreIgnored) {
  TrackDatabase database;
  ASSERT_TRUE(ReadDatabaseFile(WriteFixture(FixtureBytes() + "trailing"), database).Ok);
  EXPECT_EQ(database.SaveCounter, 300);
}

TEST_F(TrackDatabaseTest, TruncatedOrMissingFileIsRefusedAndMemoryKept) {
  const QByteArray full = FixtureBytes();
  const struct {
    const char* where;
    qsizetype length;
  } cuts[] = {{"empty file", 0},
              {"inside the first name", 4},
              {"inside the blocks", 1 + 2 + 3 + 6 + 100},
              {"before the last track", 1 + 3757},
              {"inside the settings", full.size() - 4},
              {"inside the counter", full.size() - 1}};
  const TrackDatabase known = LoadedFixture();
  for (const auto& cut : cuts) {
    TrackDatabase database = known;
    const DatabaseFileResult result =
        ReadDatabaseFile(WriteFixture(full.left(cut.length)), database);
    EXPECT_FALSE(result.Ok) << cut.where;
    EXPECT_FALSE(result.Message.isEmpty()) << cut.where;
    EXPECT_EQ(database.TrackCount, known.TrackCount) << cut.where;
    EXPECT_EQ(database.Tracks, known.Tracks) << cut.where;
    EXPECT_EQ(database.SaveCounter, known.SaveCounter) << cut.where;
  }

  TrackDatabase database = known;
  EXPECT_FALSE(ReadDatabaseFile(PathOf("Missing.wdb"), database).Ok);
  EXPECT_EQ(database.Tracks, known.Tracks);
}

TEST_F(TrackDatabaseTest, FailedWriteIsReportedAndKeepsTheOldFile) {
  TrackDatabase database = LoadedFixture();
  const QString path = WriteFixture("old contents", "Old.wdb");

  // The write stops after 1000 bytes, as on a full disk.
  std::signal(SIGXFSZ, SIG_IGN);
  rlimit saved{};
  getrlimit(RLIMIT_FSIZE, &saved);
  rlimit small = saved;
  small.rlim_cur = 1000;
  setrlimit(RLIMIT_FSIZE, &small);
  const DatabaseFileResult result = WriteDatabaseFile(path, database);
  setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, SIG_DFL);

  EXPECT_FALSE(result.Ok);
  EXPECT_FALSE(result.Message.isEmpty());
  EXPECT_EQ(ReadBytes(path), "old contents");
  EXPECT_EQ(database.SaveCounter, 300);
  EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files).size(), 2) << "no temporary file left";
}

TEST_F(TrackDatabaseTest, SaveStoppedBeforeTheRenameKeepsTheOldFile) {
  TrackDatabase database = LoadedFixture();
  const QString path = WriteFixture("old contents", "Old.wdb");

  StopBeforeRename stop;
  EXPECT_EQ(ExitCodeInChild([&] {
              WriteDatabaseFile(path, database, &stop);
              return 0;
            }),
            StopBeforeRename::ExitCode);
  EXPECT_EQ(ReadBytes(path), "old contents");

  // Started again, the program saves over it and reads back what it saved.
  ASSERT_TRUE(WriteDatabaseFile(path, database).Ok);
  TrackDatabase reread;
  ASSERT_TRUE(ReadDatabaseFile(path, reread).Ok);
  EXPECT_EQ(reread.Tracks, database.Tracks);
  EXPECT_EQ(reread.SaveCounter, 301);
}

TEST_F(TrackDatabaseTest, SaveOntoAFullDiskIsReportedAndKeepsTheOldFile) {
  enum Outcome { Kept, NoSmallDisk, ReportedAsSaved, OldFileChanged, CounterMoved,
                 TemporaryFileLeft, SmallSaveFailed };
  TrackDatabase database = LoadedFixture();
  const QString path = PathOf("Old.wdb");
  const int outcome = ExitCodeInChild([&] {
    // Two pages: the old file takes one, the new one needs two.
    if (!MountSmallDisk(dir_.path(), 8192)) return NoSmallDisk;
    QFile old(path);
    if (!old.open(QIODevice::WriteOnly) || old.write("old contents") != 12 || !old.flush())
      return NoSmallDisk;
    const DatabaseFileResult result = WriteDatabaseFile(path, database);
    if (result.Ok || result.Message.isEmpty()) return ReportedAsSaved;
    if (ReadBytes(path) != "old contents") return OldFileChanged;
    if (database.SaveCounter != 300) return CounterMoved;
    if (QDir(dir_.path()).entryList(QDir::Files).size() != 1) return TemporaryFileLeft;
    // The program goes on: a database that fits is saved.
    TrackDatabase empty;
    if (!WriteDatabaseFile(path, empty).Ok || ReadBytes(path).size() != 7) return SmallSaveFailed;
    return Kept;
  });
  if (outcome == NoSmallDisk) GTEST_SKIP() << "no small file system can be mounted here";
  EXPECT_EQ(outcome, Kept) << "outcome " << outcome << " of the Outcome list";
}

// Root may write into read-only folders; while this lives, file access of
// this thread has the rights of an ordinary user instead.
class OrdinaryUserFileAccess {
 public:
  OrdinaryUserFileAccess() {
    if (root_) setfsuid(NobodyId);
  }
  ~OrdinaryUserFileAccess() {
    if (root_) setfsuid(0);
  }

 private:
  static constexpr uid_t NobodyId = 65534;
  const bool root_ = geteuid() == 0;
};

TEST_F(TrackDatabaseTest, WriteIntoReadOnlyFolderIsReportedAndKeepsTheOldFile) {
  TrackDatabase database = LoadedFixture();
  const QString path = WriteFixture("old contents", "Old.wdb");
  const QFile::Permissions readOnly = QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther |
                                      QFile::ExeOther;
  QFile::setPermissions(dir_.path(), readOnly);

  DatabaseFileResult result;
  bool mayWrite = false;
  {
    const OrdinaryUserFileAccess ordinaryUser;
    QFile probe(PathOf("probe"));
    mayWrite = probe.open(QIODevice::WriteOnly);
    if (mayWrite)
      probe.remove();
    else
      result = WriteDatabaseFile(path, database);
  }
  QFile::setPermissions(dir_.path(), readOnly | QFile::WriteOwner);
  if (mayWrite) GTEST_SKIP() << "this user may write into read-only folders";

  EXPECT_FALSE(result.Ok);
  EXPECT_EQ(ReadBytes(path), "old contents");
  EXPECT_EQ(database.SaveCounter, 300);
}

TEST(CodePageTest, ConvertsBetweenWindows1252AndText) {
  const struct {
    QByteArray bytes;
    QString text;
  } cases[] = {{"Track 1", "Track 1"},
               {"\x80", QString::fromUtf8("€")},
               {"\x9F\xC5\xC4\xD6\xFF", QString::fromUtf8("ŸÅÄÖÿ")},
               {"\x8A\x99", QString::fromUtf8("Š™")}};
  for (const auto& c : cases) {
    EXPECT_EQ(DecodeCodePage(c.bytes), c.text);
    EXPECT_EQ(EncodeCodePage(c.text), c.bytes);
  }

  // Bytes the code page leaves unassigned survive a read and a write too.
  QByteArray everyByte;
  for (int byte = 0; byte < 256; ++byte) everyByte.append(static_cast<char>(byte));
  const QString decoded = DecodeCodePage(everyByte);
  EXPECT_EQ(decoded.size(), 256);
  EXPECT_EQ(EncodeCodePage(decoded), everyByte);
  EXPECT_EQ(EncodeCodePage(QString::fromUtf8("a中😀b")), "a??b");
}

}  // namespace
