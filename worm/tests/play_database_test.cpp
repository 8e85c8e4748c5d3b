#include "core/play_database.h"
#include "game_fixture.h"
#include "shell/high_score_table.h"
#include "shell/running_game.h"
#include "shell/saved_game.h"

#include <QFile>

namespace {

class PlayDatabaseTest : public GameFixture {
 protected:
  PlayDatabaseTest() {
    ChooseDatabase("Small");
    // Every score of the table qualifies, so an entry follows each game.
    HighScoreTable table;
    EXPECT_TRUE(WriteHighScoreFile(HighScorePath(), table).isEmpty());
  }

  QString HighScorePath() const { return form.TrackPath + "Small.whs"; }

  void Play() {
    platform.CloseWindowAt(platform.Now + 600000);  // a fault ends the test instead of a hang
    PlayDatabase(form, game);
  }

  RunningGame game;
};

struct GameCase {
  const char* Name;
  std::vector<std::pair<TrackKind, std::uint8_t>> Tracks;  // kind, difficulty
  DatabaseSettings Settings;
  std::vector<int> Messages;
  bool EndScreen;
  int Score;
};

class PlayDatabaseGames : public PlayDatabaseTest,
                          public testing::WithParamInterface<GameCase> {};

TEST_P(PlayDatabaseGames, MessagesEndScreenAndScore) {
  const GameCase& c = GetParam();
  std::vector<TrackRecord> tracks;
  for (const auto& [kind, difficulty] : c.Tracks) tracks.push_back(MakeTrack(kind, difficulty));
  SaveDatabase("Small", tracks, c.Settings);
  Play();
  EXPECT_EQ(messages, c.Messages);
  EXPECT_EQ(TunePlayed("TheEnd.Mid"), c.EndScreen);
  EXPECT_TRUE(TunePlayed("High.Mid"));
  EXPECT_EQ(game.TracksCompleted, c.Score);
  const HighScoreTable table = ReadHighScoreFile(HighScorePath());
  EXPECT_EQ(table[0].Score, c.Score);
  EXPECT_EQ(table[0].PlayerName, "A");
  // Back to the menu, the playfield parked.
  EXPECT_TRUE(form.tmrMainMenu.Enabled());
  EXPECT_FALSE(form.picPlayField.Visible());
  EXPECT_EQ(form.picPlayField.Rect(), QRect(98, 416, 81, 33));
  EXPECT_FALSE(form.HeadlineShown[1]);
}

INSTANTIATE_TEST_SUITE_P(
    Databases, PlayDatabaseGames,
    testing::Values(
        GameCase{"TwoTracksFinished",
                 {{TrackKind::Finish, 1}, {TrackKind::Finish, 1}},
                 {3, 5, 5, 0},
                 {1, 3, 1, 3},
                 true,
                 2},
        GameCase{"LastLifeLost", {{TrackKind::Kill, 1}}, {2, 5, 5, 0}, {1, 2, 1, 4}, false, 0},
        GameCase{"FinishedThenLost",
                 {{TrackKind::Kill, 2}, {TrackKind::Finish, 1}, {TrackKind::Finish, 3}},
                 {1, 5, 5, 0},
                 {1, 3, 1, 4},
                 false,
                 1},
        GameCase{"FixedLevelPlaysOnlyItsTracks",
                 {{TrackKind::Kill, 2}, {TrackKind::Finish, 3}, {TrackKind::Kill, 4}},
                 {1, 5, 5, 3},
                 {1, 3},
                 true,
                 1},
        GameCase{"EmptyDatabaseIsCompletedAtOnce", {}, {3, 5, 5, 0}, {}, true, 0},
        GameCase{"TrackWithoutStartIsSkipped",
                 {{TrackKind::NoStart, 1}, {TrackKind::Finish, 1}},
                 {3, 5, 5, 0},
                 {1, 3},
                 true,
                 1},
        // No lives in the settings: the first death ends the game.
        GameCase{"NoLives", {{TrackKind::Kill, 1}}, {0, 5, 5, 0}, {1, 4}, false, 0}),
    [](const testing::TestParamInfo<GameCase>& info) { return info.param.Name; });

TEST_F(PlayDatabaseTest, QuittingFromPauseShowsNeitherEndScreenNorTable) {
  TrackRecord slow = MakeTrack(TrackKind::Finish, 1);
  slow.StartSpeed = 0;  // time to pause before the exit
  SaveDatabase("Small", {slow});
  // Pause in the first step of the track, then left and fire: end the game.
  OnTrackRunning = [this] {
    AnswerScreens = false;
    PulseFire(false);
    const std::int64_t at = platform.Now + 600;
    platform.HoldKey(KeypadKey::Pause, at, at + 100);
    platform.HoldKey(KeypadKey::Left, at + 1000, ScriptedPlatform::Never);
    platform.HoldKey(KeypadKey::Fire, at + 1500, at + 1600);
  };
  const QByteArray tableBefore = [this] {
    QFile file(HighScorePath());
    file.open(QIODevice::ReadOnly);
    return file.readAll();
  }();
  Play();
  EXPECT_EQ(messages, std::vector<int>{1});
  EXPECT_FALSE(TunePlayed("TheEnd.Mid"));
  EXPECT_FALSE(TunePlayed("High.Mid"));
  QFile file(HighScorePath());
  file.open(QIODevice::ReadOnly);
  EXPECT_EQ(file.readAll(), tableBefore);
  EXPECT_TRUE(form.tmrMainMenu.Enabled());
}

TEST_F(PlayDatabaseTest, ContinuedGameStartsOnTheSavedTrackThenUsesTheSettings) {
  SaveDatabase("Small", {MakeTrack(TrackKind::Finish, 1), MakeTrack(TrackKind::Kill, 1),
                         MakeTrack(TrackKind::Finish, 2)},
               {3, 1, 4, 0});
  SavedGame& saved = game.Saved;
  saved.Lives = 2;
  saved.Shield = 3;
  saved.Breaks = 1;
  saved.PlayTrack = 1;
  saved.TrackPool = {2};
  saved.PoolCount = 1;
  saved.Level = 1;
  saved.RefillPool = false;
  saved.TracksCompleted = 5;
  form.Play.ResumeGame = true;
  Play();
  // The saved track with the saved lives, then the saved pool; after the
  // lost life the shield and pads of the settings. Track 3 (level 2) never
  // comes: the last life is lost first.
  const std::vector<TrackStart> expected = {
      {"Finish", 2, 3, 1}, {"Kill", 2, 3, 1}, {"Kill", 1, 1, 4}};
  EXPECT_EQ(starts, expected);
  EXPECT_EQ(messages, (std::vector<int>{1, 3, 1, 2, 1, 4}));
  // The lives label counts each lost life at once.
  EXPECT_EQ(livesShown, (std::vector<QString>{"2", "2", "2", "1", "1", "0"}));
  EXPECT_EQ(ReadHighScoreFile(HighScorePath())[0].Score, 6);
  EXPECT_FALSE(form.Play.ResumeGame);
}

TEST_F(PlayDatabaseTest, ContinuedGameWhoseTrackIsGoneGoesOnWithItsPool) {
  SaveDatabase("Small", {MakeTrack(TrackKind::Finish, 1)}, {3, 1, 4, 0});
  SavedGame& saved = game.Saved;
  saved.Lives = 2;
  saved.Shield = 3;
  saved.Breaks = 1;
  saved.PlayTrack = 9;  // beyond the database
  saved.TrackPool = {1};
  saved.PoolCount = 1;
  saved.Level = 1;
  form.Play.ResumeGame = true;
  Play();
  EXPECT_EQ(starts, (std::vector<TrackStart>{{"Finish", 2, 3, 1}}));
  EXPECT_EQ(game.TracksCompleted, 1);
}

TEST_F(PlayDatabaseTest, ADamagedDatabaseIsReportedAndNoGameIsPlayed) {
  QFile file(form.TrackPath + "Small.wdb");
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("\x05\x01", 2);
  file.close();
  const std::size_t questionsBefore = platform.Questions.size();
  Play();
  ASSERT_EQ(platform.Questions.size(), questionsBefore + 1);
  EXPECT_TRUE(platform.Questions.back().Text.contains("Small.wdb"));
  EXPECT_TRUE(messages.empty());
  EXPECT_TRUE(platform.MidiEvents.empty());
  EXPECT_TRUE(form.tmrMainMenu.Enabled());
}

}  // namespace
