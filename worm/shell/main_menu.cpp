#include "shell/main_menu.h"

#include "core/frm_worm.h"
#include "core/input_reader.h"
#include "core/play_database.h"
#include "core/sound_bank.h"
#include "shell/choice_screen.h"
#include "shell/chosen_database_setting.h"
#include "shell/high_score_screen.h"
#include "shell/show_message.h"

#include <QFileInfo>

#include <utility>

namespace {

constexpr std::int16_t MessageX = 223;
constexpr std::int16_t MessageY = 280;
// A pass of the idle menu: short enough for the stick and keys to answer
// at once, long enough for the waiting menu to cost next to no CPU.
constexpr std::int16_t MenuPassMs = 10;
const QString NoDatabase = QStringLiteral("Empty");

}  // namespace

MainMenu::MainMenu(frmWorm& form, std::function<void()> enterEditor)
    : form_(form), enterEditor_(std::move(enterEditor)) {
  form_.tmrMainMenu.OnTimer = [this] { tmrMainMenu_Timer(); };
}

MainMenu::~MainMenu() { form_.tmrMainMenu.OnTimer = nullptr; }

void MainMenu::tmrMainMenu_Timer() {
  Timer& timer = form_.tmrMainMenu;
  if (!form_.CommandLine.isEmpty()) {
    timer.SetEnabled(false);
    enterEditor_();
    return;
  }
  chosenDatabase_ = ReadChosenDatabase(form_.System);
  form_.Play.ResumeGame = false;
  timer.SetEnabled(false);
  ShowMenu();
  const Choice choice = RunLoop();
  Leave();
  HandOver(choice);
}

void MainMenu::ShowMenu() {
  ShowFullScreen(form_, QStringLiteral("MainMenu.jpg"), QStringLiteral("MainMenuClip.jpg"));
  form_.System.MidiFileName(form_.SoundPath + QStringLiteral("Main.Mid"));
  form_.MusicCommand(QStringLiteral("Play"));
}

MainMenu::Choice MainMenu::RunLoop() {
  InputReader input(form_);
  centreLit_ = false;
  for (;;) {
    form_.WaitMs(MenuPassMs);
    const InputSample& sample = input.Sample();
    Choice choice = Choice::None;
    if (sample.Up())
      choice = HoldItem(input, MenuItemHighScores, &InputSample::Up);
    else if (sample.Right())
      choice = HoldItem(input, MenuItemEditor, &InputSample::Right);
    else if (sample.Down())
      choice = HoldItem(input, MenuItemContinue, &InputSample::Down);
    else if (sample.Left())
      choice = HoldItem(input, MenuItemQuit, &InputSample::Left);
    else
      choice = Centre(input);
    if (choice != Choice::None) return choice;
    form_.MusicCommand(QStringLiteral("Check"));
  }
}

MainMenu::Choice MainMenu::HoldItem(InputReader& input, std::uint8_t item,
                                    bool (InputSample::*pushed)() const) {
  form_.PlaySoundEffect(SoundPip);
  centreLit_ = false;
  RefreshPlayField(form_);
  HighlightItem(form_, ScreenMain, item);
  while ((input.Next().*pushed)()) {
    if (!input.Last().Fire()) continue;
    FlashChoice(form_, ScreenMain, item, 3);
    const Choice choice = ChooseSideItem(item);
    if (choice != Choice::None) return choice;
  }
  RefreshPlayField(form_);
  return Choice::None;
}

MainMenu::Choice MainMenu::ChooseSideItem(std::uint8_t item) {
  switch (item) {
    case MenuItemHighScores: return Choice::HighScores;
    case MenuItemEditor: return Choice::Editor;
    case MenuItemQuit: return Choice::Quit;
    default: break;
  }
  if (DatabaseMissing())
    ShowMenuMessage(MessageNoDatabase);
  else if (SavedGameValid())
    return Choice::ContinueGame;
  else
    ShowMenuMessage(MessageNoSavedGame);
  return Choice::None;
}

MainMenu::Choice MainMenu::Centre(InputReader& input) {
  if (input.Sample().Fire()) {
    FlashChoice(form_, ScreenMain, MenuItemNewGame, 3);
    if (!DatabaseMissing()) return Choice::NewGame;
    ShowMenuMessage(MessageNoDatabase);
    centreLit_ = false;
  }
  if (!centreLit_) {
    form_.PlaySoundEffect(SoundPip);
    centreLit_ = true;
    HighlightItem(form_, ScreenMain, MenuItemNewGame);
  }
  return Choice::None;
}

bool MainMenu::DatabaseMissing() const {
  return chosenDatabase_ == NoDatabase ||
         !QFileInfo(form_.TrackPath + chosenDatabase_ + QStringLiteral(".wdb")).isFile();
}

bool MainMenu::SavedGameValid() {
  const QString base = form_.TrackPath + chosenDatabase_;
  const QString savedGamePath = base + QStringLiteral(".wsf");
  if (!QFileInfo(savedGamePath).isFile()) return false;
  if (!ReadDatabaseFile(base + QStringLiteral(".wdb"), form_.Database).Ok) return false;
  SavedGame& saved = game_.Saved;
  if (!ReadSavedGame(savedGamePath, saved)) return false;
  return saved.DatabaseName == chosenDatabase_ && saved.SaveCounter == form_.Database.SaveCounter;
}

void MainMenu::ShowMenuMessage(std::uint8_t number) {
  ShowMessage(form_, MessageX, MessageY, number);
}

void MainMenu::Leave() {
  LeaveFullScreen(form_);
  form_.MusicCommand(QStringLiteral("Stop"));
}

void MainMenu::HandOver(Choice choice) {
  switch (choice) {
    case Choice::HighScores:
      HighScoreScreen(form_, HighScoreViewMode, chosenDatabase_, 0);
      break;
    case Choice::Editor:
      enterEditor_();
      break;
    case Choice::ContinueGame:
      form_.Play.ResumeGame = true;
      PlayDatabase(form_, game_);
      break;
    case Choice::NewGame:
      PlayDatabase(form_, game_);
      break;
    case Choice::Quit:
      form_.ExitProgram();
      break;
    case Choice::None:
      break;
  }
}
