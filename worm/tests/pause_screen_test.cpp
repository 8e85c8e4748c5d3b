#include "core/sound_bank.h"
#include "shell/pause_screen.h"
#include "shell/running_game.h"
#include "screen_fixture.h"

#include <QFile>

namespace {

constexpr QRgb Track = 0xff806040;

class PauseScreenTest : public ScreenFixture {
 protected:
  PauseScreenTest() {
    form.TrackPath = folder.path() + QStringLiteral("/Track/");
    QDir().mkpath(form.TrackPath);
    form.picPlayField.Move(2, 36, 636, 444);
    PlayFieldDc(form).Fill(QColor::fromRgb(Track));
    form.Play.Lives = 4;
    form.Play.Shield = 6;
    form.Play.Breaks = 1;
    form.Database.SaveCounter = 77;
    game.ChosenDatabase = "Vora";
    game.TracksCompleted = 3;
    game.Saved.PlayTrack = 2;
    game.Saved.PoolCount = 1;
    game.Saved.TrackPool = {5};
    game.Saved.Level = 1;
    // The pause input that opened the screen is let go at 400 ms.
    platform.HoldKey(KeypadKey::Pause, 0, 400);
  }

  QString SavePath() const { return form.TrackPath + "Vora.wsf"; }

  int MessageWaits() const {
    return static_cast<int>(std::count(platform.Waits.begin(), platform.Waits.end(), 1500));
  }

  RunningGame game;
};

TEST_F(PauseScreenTest, ItemsAndTheirAnswers) {
  struct Hold {
    KeypadKey key;
    std::int64_t from, until;
  };
  struct Case {
    const char* what;
    std::vector<Hold> holds;
    std::int16_t answer;
    std::vector<int> sounds;
    std::int64_t chosenAt = 900;  // fire seen (within the 1 ms of a poll)
  };
  const Case cases[] = {
      {"fire goes on", {{KeypadKey::Fire, 900, 1000}}, PauseGoOn, {SoundPip, SoundSelected}},
      {"up acts as no push",
       {{KeypadKey::Up, 500, 2000}, {KeypadKey::Fire, 900, 1000}},
       PauseGoOn,
       {SoundPip, SoundSelected}},
      {"left and fire end the game",
       {{KeypadKey::Left, 500, 2000}, {KeypadKey::Fire, 900, 1000}},
       PauseEndGame,
       {SoundPip, SoundPip, SoundSelected}},
      {"left let go, then fire goes on",
       {{KeypadKey::Left, 500, 700}, {KeypadKey::Fire, 900, 1000}},
       PauseGoOn,
       {SoundPip, SoundPip, SoundPip, SoundSelected}},
      {"fire waits until the pause key is let go",
       {{KeypadKey::Fire, 300, 1000}},
       PauseGoOn,
       {SoundSelected},
       400},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ScriptedPlatform scripted;
    frmWorm window(scripted);
    window.PicturePath = form.PicturePath;
    window.picPlayField.Move(2, 36, 636, 444);
    PlayFieldDc(window).Fill(QColor::fromRgb(Track));
    scripted.HoldKey(KeypadKey::Pause, 0, 400);
    for (const Hold& hold : c.holds) scripted.HoldKey(hold.key, hold.from, hold.until);
    RunningGame running;

    EXPECT_EQ(PauseScreen(window, running), c.answer);

    EXPECT_EQ(SoundsOf(scripted), c.sounds);
    EXPECT_NEAR(scripted.Now, c.chosenAt + 675 + 320, 1) << "flash and the track wiped back in";
    EXPECT_EQ(PlayFieldDc(window).Pixel(300, 200), Track);
    EXPECT_EQ(window.picPlayField.Kept().Pixel(300, 200), Track);
    EXPECT_EQ(scripted.Questions.size(), 0u);
  }
}

TEST_F(PauseScreenTest, UpKeepsTheTopSquareLit) {
  platform.HoldKey(KeypadKey::Up, 500);
  platform.HoldKey(KeypadKey::Fire, 900);
  QRgb top = 0, left = 0;
  platform.OnWait = [&] {
    if (platform.Now == 800) {
      top = PlayFieldPixel(300, 100);
      left = PlayFieldPixel(150, 200);
    }
  };
  EXPECT_EQ(PauseScreen(form, game), PauseGoOn);
  EXPECT_EQ(top, Lit);
  EXPECT_EQ(left, Plain);
}

TEST_F(PauseScreenTest, SavingTwiceWritesTheSameFileAndShowsTheMessageTwice) {
  platform.HoldKey(KeypadKey::Right, 500, 5300);
  platform.HoldKey(KeypadKey::Fire, 900, 1000);
  platform.HoldKey(KeypadKey::Fire, 3050, 3100);
  platform.HoldKey(KeypadKey::Left, 5400);
  platform.HoldKey(KeypadKey::Fire, 5600);
  std::vector<QByteArray> written;
  bool inMessage = false;
  platform.OnWait = [&] {
    const bool shown = form.picMsgBox.Visible();
    if (shown && !inMessage) {
      QFile file(SavePath());
      written.push_back(file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray());
      file.remove();
    }
    inMessage = shown;
  };

  EXPECT_EQ(PauseScreen(form, game), PauseEndGame);

  EXPECT_EQ(MessageWaits(), 2);
  SavedGame expected = game.Saved;
  expected.Lives = 4;
  expected.Shield = 6;
  expected.Breaks = 1;
  expected.DatabaseName = "Vora";
  expected.SaveCounter = 77;
  expected.TracksCompleted = 3;
  EXPECT_EQ(game.Saved, expected);
  ASSERT_EQ(written.size(), 2u);
  EXPECT_EQ(written[0], SavedGameBytes(expected));
  EXPECT_EQ(written[1], written[0]);
  EXPECT_TRUE(platform.Questions.empty());
}

TEST_F(PauseScreenTest, AFailedSaveShowsNoMessageSixAndTellsThePlayer) {
  form.TrackPath = folder.path() + QStringLiteral("/No such folder/");
  platform.HoldKey(KeypadKey::Right, 500, 3000);
  platform.HoldKey(KeypadKey::Fire, 900, 1000);
  platform.HoldKey(KeypadKey::Fire, 3500);

  EXPECT_EQ(PauseScreen(form, game), PauseGoOn);

  EXPECT_EQ(MessageWaits(), 0);
  ASSERT_EQ(platform.Questions.size(), 1u);
  EXPECT_TRUE(platform.Questions[0].Text.contains("not saved"));
  EXPECT_FALSE(platform.CursorShown) << "the cursor is hidden again";
  EXPECT_FALSE(QFile::exists(form.TrackPath + "Vora.wsf"));
}

TEST_F(PauseScreenTest, DownShowsTheInformationPageAndComesBack) {
  platform.HoldKey(KeypadKey::Down, 500, 3500);
  platform.HoldKey(KeypadKey::Fire, 900, 1000);
  platform.HoldKey(KeypadKey::Fire, 2000, 2100);
  platform.HoldKey(KeypadKey::Fire, 4000);
  QRgb infoItem = 0;
  QRgb pauseBottom = 0;
  platform.OnWait = [&] {
    if (platform.Now == 1900) infoItem = PlayFieldPixel(510, 400);
    if (platform.Now == 3400) pauseBottom = PlayFieldPixel(300, 300);
  };

  EXPECT_EQ(PauseScreen(form, game), PauseGoOn);

  EXPECT_EQ(infoItem, Lit) << "the information page waits with its item lit";
  EXPECT_EQ(pauseBottom, Plain) << "the pause picture is back, the item not lit";
  EXPECT_EQ(Sounds(), (std::vector<int>{SoundPip, SoundPip, SoundSelected, SoundPip,
                                        SoundSelected, SoundPip, SoundSelected}));
}

}  // namespace
