#include "core/play_database.h"

#include "core/frm_worm.h"
#include "core/next_track.h"
#include "core/slide_headline.h"
#include "core/wipe_screen.h"
#include "core/worm_play.h"
#include "shell/chosen_database_setting.h"
#include "shell/end_screen.h"
#include "shell/high_score_screen.h"
#include "shell/running_game.h"
#include "shell/show_message.h"
#include "shell/status_display.h"

#include <algorithm>

namespace {

constexpr std::int16_t MessageX = 210;
constexpr std::int16_t MessageY = 230;
constexpr std::uint8_t MostTracksCompleted = 255;
const QString Caption = QStringLiteral("The Vora");

// How a game ended.
enum class GameEnd {
  Completed,  // no track is left
  Lost,       // the last life is lost
  Quit,       // ended from the pause screen
};

// One run of PlayDatabase.
class DatabaseGame {
 public:
  DatabaseGame(frmWorm& form, RunningGame& game) : form_(form), game_(game) {}

  void Run();

 private:
  bool LoadDatabase();
  void StartNewGame();
  void ContinueSavedGame();
  GameEnd PlayTracks();
  // Plays the track until it is finished, quit or the last life is lost.
  TrackResult PlayUntilDone(std::uint8_t track);
  TrackResult PlayOnce(std::uint8_t track);
  // A life less; true (after message 2 and a fresh shield) when one remains.
  bool LoseLife();
  void EndGame(GameEnd end);

  frmWorm& form_;
  RunningGame& game_;
};

void DatabaseGame::Run() {
  if (!LoadDatabase()) {
    form_.tmrMainMenu.SetEnabled(true);
    return;
  }
  form_.picPlayField.Move(2, 36, 636, 444);
  form_.picPlayField.SetVisible(true);
  form_.NewGame = true;
  if (form_.Play.ResumeGame)
    ContinueSavedGame();
  else
    StartNewGame();
  EndGame(PlayTracks());
}

bool DatabaseGame::LoadDatabase() {
  game_.ChosenDatabase = ReadChosenDatabase(form_.System);
  const QString path = form_.TrackPath + game_.ChosenDatabase + QStringLiteral(".wdb");
  const DatabaseFileResult read = ReadDatabaseFile(path, form_.Database);
  if (read.Ok) return true;
  form_.System.ShowCursor(true);
  form_.System.MessageBox(read.Message, Caption, MessageButtons::Ok, MessageIcon::Exclamation);
  form_.System.ShowCursor(false);
  return false;
}

void DatabaseGame::StartNewGame() {
  game_.RefillPool = true;
  game_.TrackPool.clear();
  game_.TracksCompleted = 0;
  const std::uint8_t level = form_.Database.Settings.Level;
  game_.FixedLevel = level != 0;
  game_.Level = game_.FixedLevel ? level : 1;
  game_.Saved.FixedLevel = game_.FixedLevel;
}

void DatabaseGame::ContinueSavedGame() {
  const SavedGame& saved = game_.Saved;
  game_.Level = saved.Level;
  game_.TrackPool.assign(saved.TrackPool.begin(),
                         saved.TrackPool.begin() + std::min<std::size_t>(saved.PoolCount,
                                                                         saved.TrackPool.size()));
  game_.PlayTrack = saved.PlayTrack;
  game_.RefillPool = saved.RefillPool;
  game_.FixedLevel = saved.FixedLevel;
  game_.TracksCompleted = saved.TracksCompleted;
  form_.Play.Lives = saved.Lives;
  form_.Play.Shield = saved.Shield;
  form_.Play.Breaks = saved.Breaks;
}

GameEnd DatabaseGame::PlayTracks() {
  bool pick = !form_.Play.ResumeGame;  // a continued game starts on its saved track
  for (;; pick = true) {
    if (pick) game_.PlayTrack = NextTrack(form_.System, form_.Database, game_);
    if (game_.PlayTrack == 0) return GameEnd::Completed;
    switch (PlayUntilDone(game_.PlayTrack)) {
      case TrackFinished:
        ShowMessage(form_, MessageX, MessageY, MessageTrackDone);
        game_.TracksCompleted = static_cast<std::uint8_t>(
            std::min<int>(game_.TracksCompleted + 1, MostTracksCompleted));
        break;
      case TrackKilled:
        ShowMessage(form_, MessageX, MessageY, MessageGameOver);
        return GameEnd::Lost;
      case TrackQuit:
        return GameEnd::Quit;
      default:
        break;
    }
  }
}

TrackResult DatabaseGame::PlayUntilDone(std::uint8_t track) {
  TrackResult result = PlayOnce(track);
  while (result == TrackKilled && LoseLife()) result = PlayOnce(track);
  return result;
}

TrackResult DatabaseGame::PlayOnce(std::uint8_t track) {
  if (track > form_.Database.TrackCount) return TrackNotPlayable;
  return WormPlay(form_, track, game_);
}

bool DatabaseGame::LoseLife() {
  PlayState& play = form_.Play;
  if (play.Lives > 0) --play.Lives;
  form_.UpdateStatus(StatusLives);
  if (play.Lives == 0) return false;
  ShowMessage(form_, MessageX, MessageY, MessageLifeLost);
  play.Shield = form_.Database.Settings.Shield;
  play.Breaks = form_.Database.Settings.Breaks;
  return true;
}

void DatabaseGame::EndGame(GameEnd end) {
  form_.Display(0);
  if (form_.HeadlineShown[PlayHeadline]) SlideHeadline(form_, PlayHeadline);
  WipeScreen(form_, false, QStringLiteral("Play"));
  PictureBox& playField = form_.picPlayField;
  playField.SetVisible(false);
  playField.ClearPicture();
  playField.Move(98, 416, 81, 33);
  form_.picDummy.ClearPicture();
  if (end == GameEnd::Completed) EndScreen(form_);
  if (end != GameEnd::Quit)
    HighScoreScreen(form_, HighScoreEntryMode, game_.ChosenDatabase, game_.TracksCompleted);
  form_.tmrMainMenu.SetEnabled(true);
}

}  // namespace

void PlayDatabase(frmWorm& form, RunningGame& game) { DatabaseGame(form, game).Run(); }
