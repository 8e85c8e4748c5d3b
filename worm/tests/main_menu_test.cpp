#include "game_fixture.h"
#include "shell/main_menu.h"
#include "shell/saved_game.h"

#include <map>

namespace {

// Left, top of each item of the menu: lit when it shows the clip picture.
const std::map<int, QPoint> ItemCorners = {
    {1, {256, 206}}, {2, {450, 291}}, {3, {249, 370}}, {4, {112, 288}}, {5, {275, 289}}};

class MainMenuTest : public GameFixture {
 protected:
  MainMenuTest() {
    SavePicture("MainMenu.jpg", 640, 480, Plain);
    SavePicture("MainMenuClip.jpg", 640, 480, Lit);
    SaveDatabase("Small", {MakeTrack(TrackKind::Finish, 1), MakeTrack(TrackKind::Finish, 1)});
    ChooseDatabase("Small");
    AnswerScreens = false;
  }

  // The items lit on the playfield now.
  std::vector<int> LitItems() {
    std::vector<int> lit;
    for (const auto& [item, corner] : ItemCorners)
      if (PlayFieldPixel(corner.x() + 5, corner.y() + 5) == Lit) lit.push_back(item);
    return lit;
  }

  // Runs the menu until it hands over, or until the window closes at `until`.
  void RunMenu(std::int64_t until = 6000) {
    platform.CloseWindowAt(until);
    try {
      menu.tmrMainMenu_Timer();
    } catch (const ProgramClosing&) {
    }
  }

  void Press(KeypadKey key, std::int64_t from, std::int64_t until) {
    platform.HoldKey(key, from, until);
  }

  void SaveSavedGame(const QString& name, std::int16_t saveCounter) {
    SavedGame saved;
    saved.Lives = 2;
    saved.Shield = 4;
    saved.Breaks = 1;
    saved.PlayTrack = 2;
    saved.Level = 1;
    saved.DatabaseName = name;
    saved.SaveCounter = saveCounter;
    ASSERT_TRUE(WriteSavedGame(form.TrackPath + "Small.wsf", saved).isEmpty());
  }

  // The save counter of the database file on disk.
  std::int16_t DiskSaveCounter() {
    TrackDatabase database;
    EXPECT_TRUE(ReadDatabaseFile(form.TrackPath + "Small.wdb", database).Ok);
    return database.SaveCounter;
  }

  int editorEntries = 0;
  MainMenu menu{form, [this] { ++editorEntries; }};
};

TEST_F(MainMenuTest, CentreIsLitOnceAndTheHighlightSpringsBack) {
  std::map<std::int64_t, std::vector<int>> litAt;
  OnEachWait = [&] {
    for (std::int64_t at : {900, 1200, 1400, 2500})
      if (platform.Now == at) litAt[at] = LitItems();
  };
  Press(KeypadKey::Up, 1000, 1500);
  RunMenu(3000);
  EXPECT_EQ(litAt[900], std::vector<int>{5});
  EXPECT_EQ(litAt[1200], std::vector<int>{1});
  EXPECT_EQ(litAt[1400], std::vector<int>{1});
  EXPECT_EQ(litAt[2500], std::vector<int>{5});
  // Once for the centre, once up, once back: not on every pass.
  EXPECT_EQ(Sounds(), (std::vector<int>{SoundPip, SoundPip, SoundPip}));
  const QStringList music = Music();
  EXPECT_EQ(music.mid(0, 3), (QStringList{form.SoundPath + "Main.Mid", "Open", "Play"}));
  EXPECT_FALSE(form.tmrMainMenu.Enabled());
}

TEST_F(MainMenuTest, MessagesSevenAndEight) {
  enum class Saved { None, Valid, NameInOtherCase, OtherSaveCounter };
  struct Case {
    const char* what;
    QString chosen;
    KeypadKey push;  // Fire alone: the centre item
    Saved saved;
    std::vector<int> messages;
  };
  const Case cases[] = {
      {"new game, nothing chosen", "Empty", KeypadKey::Fire, Saved::None, {7}},
      {"new game, file missing", "Gone", KeypadKey::Fire, Saved::None, {7}},
      {"continue, nothing chosen", "Empty", KeypadKey::Down, Saved::None, {7}},
      {"continue, no saved game", "Small", KeypadKey::Down, Saved::None, {8}},
      {"continue, name in other case", "Small", KeypadKey::Down, Saved::NameInOtherCase, {8}},
      {"continue, database saved since", "Small", KeypadKey::Down, Saved::OtherSaveCounter, {8}},
      {"continue, valid", "Small", KeypadKey::Down, Saved::Valid, {1}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    QFile::remove(form.TrackPath + "Small.wsf");
    if (c.saved == Saved::Valid) SaveSavedGame("Small", DiskSaveCounter());
    if (c.saved == Saved::NameInOtherCase) SaveSavedGame("small", DiskSaveCounter());
    if (c.saved == Saved::OtherSaveCounter) SaveSavedGame("Small", DiskSaveCounter() + 1);
    ChooseDatabase(c.chosen);
    messages.clear();
    starts.clear();
    platform.PlayedSounds.clear();
    const std::int64_t start = platform.Now;
    if (c.push != KeypadKey::Fire) Press(c.push, start + 800, start + 3000);
    Press(KeypadKey::Fire, start + 1000, start + 1050);
    RunMenu(start + 4000);
    EXPECT_EQ(messages, c.messages);
    if (c.saved == Saved::Valid) {
      // The saved track with the saved lives.
      ASSERT_EQ(starts.size(), 1u);
      EXPECT_EQ(starts[0], (TrackStart{"Finish", 2, 4, 1}));
    } else {
      EXPECT_TRUE(starts.empty());
    }
    if (c.push == KeypadKey::Fire) {
      // The centre is lit again after the message, with its sound.
      EXPECT_EQ(Sounds(), (std::vector<int>{SoundPip, SoundSelected, SoundPip}));
      EXPECT_EQ(LitItems(), std::vector<int>{5});
    }
  }
}

TEST_F(MainMenuTest, EachItemHandsOverWithTheMenuLeft) {
  enum class Part { HighScores, Editor, Quit, NewGame };
  struct Case {
    const char* what;
    std::optional<KeypadKey> push;
    Part part;
  };
  const Case cases[] = {
      {"up: high scores", KeypadKey::Up, Part::HighScores},
      {"right: editor", KeypadKey::Right, Part::Editor},
      {"centre: new game", std::nullopt, Part::NewGame},
      {"left: quit", KeypadKey::Left, Part::Quit},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    platform.MidiEvents.clear();
    form.picMsgBox.SetVisible(false);  // left by the game that the window's close ended
    messages.clear();
    editorEntries = 0;
    const std::int64_t start = platform.Now;
    if (c.push) Press(*c.push, start + 800, start + 1500);
    Press(KeypadKey::Fire, start + 1000, start + 1050);
    // The view of the high scores ends with fire.
    if (c.part == Part::HighScores) Press(KeypadKey::Fire, start + 3000, start + 3050);
    RunMenu(start + 5000);
    const QStringList music = Music();
    ASSERT_GE(music.size(), 5);
    EXPECT_EQ(music.mid(3, 2), (QStringList{"Stop", "close"}));
    EXPECT_EQ(TunePlayed("High.Mid"), c.part == Part::HighScores);
    EXPECT_EQ(editorEntries, c.part == Part::Editor ? 1 : 0);
    EXPECT_EQ(platform.ExitCode.has_value(), c.part == Part::Quit);
    EXPECT_EQ(messages, c.part == Part::NewGame ? std::vector<int>{1} : std::vector<int>{});
    if (c.part == Part::HighScores) {
      EXPECT_TRUE(form.tmrMainMenu.Enabled());
    }
    if (c.part == Part::Editor) {
      EXPECT_EQ(form.picPlayField.Rect(), QRect(98, 416, 81, 33));
    }
  }
  // Quitting undid the start-up.
  EXPECT_EQ(platform.DisplayModes.back(), platform.Desktop);
  EXPECT_TRUE(platform.CursorShown);
}

TEST_F(MainMenuTest, ACommandLineGoesStraightIntoTheEditor) {
  form.CommandLine = "/tracks/Mine.wdb";
  form.tmrMainMenu.SetEnabled(true);
  RunMenu();
  EXPECT_EQ(editorEntries, 1);
  EXPECT_TRUE(platform.MidiEvents.empty());
  EXPECT_NE(PlayFieldPixel(320, 100), Plain);  // the menu picture never showed
  EXPECT_FALSE(form.tmrMainMenu.Enabled());
}

}  // namespace
