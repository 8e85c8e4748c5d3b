#include "game_fixture.h"
#include "shell/high_score_table.h"
#include "shell/main_menu.h"

namespace {

// The program from its start: the real start-up, the menu on its timer, a
// game over a database of two tracks, the high-score entry, the menu again
// and quitting from it.
class WholeGameTest : public GameFixture {
 protected:
  WholeGameTest() {
    auto saveSheet = [this](const char* name, const QImage& sheet) {
      ASSERT_TRUE(sheet.save(form.PicturePath + name, "PNG"));
    };
    saveSheet("WormClip.gif", MakeSheet(8, 36));
    saveSheet("BuildClip.gif", MakeSheet(10, 6));
    SavePicture("FontClip.gif", 187, 272, Qt::white);
    SavePicture("FontBlock.gif", 26, 40, QColor(80, 80, 200));
    SaveDatabase("Duo", {MakeTrack(TrackKind::Finish, 1), MakeTrack(TrackKind::Finish, 2)});
    ChooseDatabase("Duo");
  }

  // Runs the timer events as the window would, until the program ends.
  void RunProgram() {
    platform.CloseWindowAt(platform.Now + 600000);  // a fault ends the test instead of a hang
    while (!platform.ExitCode) form.RunEvent([this] { ASSERT_TRUE(platform.FireNextTimer()); });
  }

  int Count(const QStringList& list, const QString& item) const {
    return static_cast<int>(list.count(item));
  }
};

TEST_F(WholeGameTest, MenuGameHighScoreEntryAndBackToTheMenu) {
  ASSERT_TRUE(form.Form_Load(QString()));
  form.Form_Activate();
  MainMenu menu(form, [] { FAIL() << "the editor was entered"; });
  // Once the menu is back after the table: left and fire, quit.
  bool quitting = false;
  OnEachWait = [&] {
    if (quitting || Count(Music(), form.SoundPath + "Main.Mid") < 2) return;
    quitting = true;
    platform.HoldKey(KeypadKey::Left, platform.Now, ScriptedPlatform::Never);
    platform.HoldKey(KeypadKey::Fire, platform.Now + 1500, platform.Now + 1550);
  };
  RunProgram();

  EXPECT_LT(platform.Now, 600000);
  EXPECT_EQ(platform.ExitCode, 0);
  EXPECT_EQ(messages, (std::vector<int>{1, 3, 1, 3}));
  const QStringList music = Music();
  EXPECT_EQ(Count(music, form.SoundPath + "Main.Mid"), 2);
  EXPECT_EQ(Count(music, form.SoundPath + "TheEnd.Mid"), 1);
  EXPECT_EQ(Count(music, form.SoundPath + "High.Mid"), 1);
  EXPECT_EQ(music.filter("Vora").size(), 2);

  // A score of 2 goes above the default table's 2, named "A".
  QFile file(form.TrackPath + "Duo.whs");
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const HighScoreTable onDisk = HighScoreTableFromBytes(file.readAll());
  HighScoreTable expected = DefaultHighScoreTable();
  ASSERT_EQ(InsertScore(expected, 2), 8);
  expected[8].PlayerName = "A";
  EXPECT_EQ(onDisk, expected);
  // Quitting undid the start-up.
  EXPECT_EQ(platform.DisplayModes.back(), platform.Desktop);
  EXPECT_TRUE(platform.CursorShown);
  EXPECT_EQ(platform.SoundShutDownCalls, 1);
  EXPECT_FALSE(form.W95.DisableKeys);
}

}  // namespace
