#include "core/sound_bank.h"
#include "shell/high_score_screen.h"
#include "shell/high_score_table.h"
#include "screen_fixture.h"

#include <QFile>

namespace {

// The table is wiped in (320 ms) and shown for 4500 ms before the entry.
constexpr std::int64_t EntryStart = 320 + 4500;

struct Press {
  KeypadKey key;
  std::int64_t from;  // after the entry started
  std::int64_t until;
};

class HighScoreScreenTest : public ScreenFixture {
 protected:
  HighScoreScreenTest() {
    form.TrackPath = folder.path() + QStringLiteral("/Track/");
    QDir().mkpath(form.TrackPath);
    form.FontCharset = QString::fromUtf8("ABCDEFGHIJKLMNOPQRSTUVWXYZÅÄÖ #%0123456789");
    // Every glyph a solid white cell.
    QImage font(187, 272, QImage::Format_RGB32);
    font.fill(Qt::white);
    for (int y = 136; y < 272; ++y)
      for (int x = 0; x < 187; ++x) font.setPixel(x, y, qRgb(0, 0, 0));
    EXPECT_TRUE(font.save(form.PicturePath + "FontClip.gif", "PNG"));
    SavePicture("FontBlock.gif", 23, 40, Qt::darkBlue);
  }

  QString TablePath() const { return form.TrackPath + "Vora.whs"; }

  // Entry mode with the default table; the presses count from the entry's
  // start, and fire at finalFire leaves the table.
  void Enter(std::uint8_t score, const std::vector<Press>& presses, std::int64_t finalFire) {
    for (const Press& press : presses)
      platform.HoldKey(press.key, EntryStart + press.from, EntryStart + press.until);
    platform.HoldKey(KeypadKey::Fire, EntryStart + finalFire);
    HighScoreScreen(form, HighScoreEntryMode, "Vora", score);
  }

  HighScoreTable Stored() const { return ReadHighScoreFile(TablePath()); }
};

// Right once selects "A"; left once from "A" selects "%".
const Press RightOnce(std::int64_t at) { return {KeypadKey::Right, at, at + 1}; }
const Press LeftOnce(std::int64_t at) { return {KeypadKey::Left, at, at + 1}; }
const Press FireAt(std::int64_t at) { return {KeypadKey::Fire, at, at + 5}; }

TEST_F(HighScoreScreenTest, NameEntries) {
  std::vector<Press> nineteenAs = {RightOnce(0)};
  for (int i = 0; i < 19; ++i) nineteenAs.push_back(FireAt(200 + 20 * i));
  nineteenAs.push_back(LeftOnce(700));
  nineteenAs.push_back(FireAt(900));
  std::vector<int> eighteenStamps(1 + 18 + 1, SoundStamp);
  eighteenStamps.front() = SoundFanfare2;
  eighteenStamps.push_back(SoundPip);
  eighteenStamps.push_back(SoundSelected);
  const struct {
    const char* what;
    std::vector<Press> presses;
    QString name;
    std::vector<int> sounds;
  } cases[] = {
      {"A, then end",
       {RightOnce(0), FireAt(200), LeftOnce(300), FireAt(500)},
       "A",
       {SoundFanfare2, SoundStamp, SoundStamp, SoundPip, SoundSelected}},
      {"fire before any move adds nothing but stamps",
       {FireAt(0), LeftOnce(50), FireAt(300)},
       "",
       {SoundFanfare2, SoundStamp, SoundStamp, SoundPip, SoundSelected}},
      {"rub out on an empty name is silent",
       {{KeypadKey::Left, 0, 200}, FireAt(400), RightOnce(500), FireAt(700)},
       "",
       {SoundFanfare2, SoundStamp, SoundPip, SoundSelected}},
      {"rub out takes the last letter",
       {RightOnce(0), FireAt(200), {KeypadKey::Left, 300, 451}, FireAt(700), RightOnce(800),
        FireAt(1000)},
       "",
       {SoundFanfare2, SoundStamp, SoundRemove, SoundStamp, SoundPip, SoundSelected}},
      {"the 19th letter is refused, the end still works", nineteenAs, QString(18, 'A'),
       eighteenStamps},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    ScriptedPlatform scripted;
    frmWorm window(scripted);
    window.PicturePath = form.PicturePath;
    window.TrackPath = form.TrackPath;
    window.FontCharset = form.FontCharset;
    QFile::remove(TablePath());
    for (const Press& press : c.presses)
      scripted.HoldKey(press.key, EntryStart + press.from, EntryStart + press.until);
    scripted.HoldKey(KeypadKey::Fire, EntryStart + 2000);

    HighScoreScreen(window, HighScoreEntryMode, "Vora", 5);

    const HighScoreTable stored = Stored();
    EXPECT_EQ(stored[5], (HighScoreEntry{5, c.name})) << "above the old 5";
    EXPECT_EQ(stored[6], DefaultHighScoreTable()[5]);
    EXPECT_EQ(stored[9], DefaultHighScoreTable()[8]) << "the old entry 10 dropped";
    EXPECT_EQ(SoundsOf(scripted), c.sounds);
    EXPECT_FALSE(window.picPlayField.Visible());
    EXPECT_FALSE(window.tmrMainMenu.Enabled()) << "the running of a database does that";
  }
}

TEST_F(HighScoreScreenTest, HoldingRightStepsEvery150MsAndWraps) {
  // The moments of the 150 ms waits: a wait shows in Waits after its call.
  std::vector<std::int64_t> steps;
  std::size_t waitsBefore = 0;
  std::int64_t calledAt = 0;
  platform.OnWait = [&] {
    if (platform.Waits.size() > waitsBefore && platform.Waits.back() == 150 &&
        calledAt < EntryStart + 5000)
      steps.push_back(calledAt);
    waitsBefore = platform.Waits.size();
    calledAt = platform.Now;
  };
  // 33 steps: A .. Z, Å, Ä, Ö, space, #, %, then A again.
  Enter(5, {{KeypadKey::Right, 0, 32 * 150 + 1}, FireAt(5000), LeftOnce(5100), FireAt(5300)},
        6000);
  ASSERT_EQ(steps.size(), 33u);
  for (std::size_t i = 1; i < steps.size(); ++i) EXPECT_EQ(steps[i] - steps[i - 1], 150) << i;
  EXPECT_EQ(Stored()[5].PlayerName, "A") << "wrapped from % to A";
}

TEST_F(HighScoreScreenTest, ScoreBelowEntryTenReturnsAtOnce) {
  HighScoreTable table = DefaultHighScoreTable();
  ASSERT_EQ(WriteHighScoreFile(TablePath(), table), QString());
  HighScoreScreen(form, HighScoreEntryMode, "Vora", 0);
  EXPECT_EQ(platform.Now, 0);
  EXPECT_TRUE(platform.PlayedSounds.empty());
  EXPECT_TRUE(platform.MidiEvents.empty());
  EXPECT_EQ(Stored(), table);
}

TEST_F(HighScoreScreenTest, ViewShowsTheTableAndBringsTheMenuBack) {
  platform.HoldKey(KeypadKey::Fire, 0, 100);  // still held from the menu
  platform.HoldKey(KeypadKey::Fire, 1000);
  QRgb rank = 0, name = 0, score = 0, margin = 0, item = 0;
  platform.OnWait = [&] {
    if (platform.Now != 900) return;
    rank = PlayFieldPixel(70 + 8, 48 + 10);     // "1"
    name = PlayFieldPixel(320, 48 + 10);        // "THE VORA", centred
    score = PlayFieldPixel(530 + 28, 48 + 10);  // "10"
    margin = PlayFieldPixel(20, 48 + 10);
    item = PlayFieldPixel(510, 450);
  };

  HighScoreScreen(form, HighScoreViewMode, "Vora", 0);

  EXPECT_EQ(rank, qRgb(255, 255, 255));
  EXPECT_EQ(name, qRgb(255, 255, 255));
  EXPECT_EQ(score, qRgb(255, 255, 255));
  EXPECT_EQ(margin, Plain);
  EXPECT_EQ(item, Lit);
  EXPECT_EQ(Sounds(), (std::vector<int>{SoundPip, SoundSelected}));
  EXPECT_TRUE(form.tmrMainMenu.Enabled());
  EXPECT_FALSE(QFile::exists(TablePath())) << "a view never writes";
  EXPECT_TRUE(Music().contains(form.SoundPath + "High.Mid"));
  EXPECT_EQ(form.picMisc.Rect(), QRect(182, 380, 81, 33));
  EXPECT_EQ(form.picPlayField.Rect(), QRect(98, 416, 81, 33));
}

TEST_F(HighScoreScreenTest, AFailedWriteIsToldAndKeepsTheOldTable) {
  form.TrackPath = folder.path() + QStringLiteral("/No such folder/");
  Enter(5, {LeftOnce(0), FireAt(200)}, 1000);
  ASSERT_EQ(platform.Questions.size(), 1u);
  EXPECT_TRUE(platform.Questions[0].Text.contains("not saved"));
  EXPECT_FALSE(platform.CursorShown);
}

}  // namespace
