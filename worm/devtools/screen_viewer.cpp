// Shows one of the game's screens or messages on the real platform, for a
// look at it; the game's files beside it, saved games and high scores in a
// folder of its own that goes at the end.

#include "core/draw_track.h"
#include "core/frm_worm.h"
#include "core/slide_headline.h"
#include "load_track.h"
#include "platform/attach_game_window.h"
#include "platform/game_window.h"
#include "platform/qt_platform.h"
#include "shell/choice_screen.h"
#include "shell/end_screen.h"
#include "shell/high_score_screen.h"
#include "shell/pause_screen.h"
#include "shell/running_game.h"
#include "shell/show_message.h"
#include "shell/status_display.h"

#include <QApplication>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

namespace {

const char* const Usage =
    "worm_screen_viewer [--window] [--close-after MS] SCREEN\n"
    "SCREEN: message1 .. message8, pause, info, end, scores, entry\n"
    "--close-after closes the window after MS milliseconds, as the player would\n";

// Track 1 of "Vora.wdb" in play, the headline and status shown.
bool ShowPlay(frmWorm& form) {
  if (!LoadTrack(form, form.TrackPath + QStringLiteral("Vora.wdb"), 1,
                 QStringLiteral("Screen viewer")))
    return false;
  form.Play.Lives = 3;
  form.Play.Shield = 7;
  form.Play.Breaks = 4;
  form.picPlayField.Move(2, 36, 636, 444);
  DrawTrack(form, 1);
  SlideHeadline(form, PlayHeadline);
  for (std::uint8_t item = StatusYellowKeys; item <= StatusHiddenBonus; ++item)
    form.UpdateStatus(item);
  form.Display(-1);
  return true;
}

// Where ShowMessage places each message.
void ShowMessageAsTheGameDoes(frmWorm& form, int number) {
  if (number == MessageNoDatabase || number == MessageNoSavedGame) {
    ShowFullScreen(form, QStringLiteral("MainMenu.jpg"), QStringLiteral("MainMenuClip.jpg"));
    ShowMessage(form, 223, 280, static_cast<std::uint8_t>(number));
  } else if (ShowPlay(form)) {
    const bool saved = number == MessageGameSaved;
    ShowMessage(form, saved ? 222 : 210, saved ? 241 : 230, static_cast<std::uint8_t>(number));
  }
}

// Saved games and high scores go to saveFolder.
void ShowScreen(frmWorm& form, const QString& screen, const QString& saveFolder) {
  if (screen.startsWith(QLatin1String("message"))) {
    ShowMessageAsTheGameDoes(form, screen.mid(7).toInt());
  } else if (screen == QLatin1String("pause") || screen == QLatin1String("info")) {
    if (!ShowPlay(form)) return;
    form.TrackPath = saveFolder;
    RunningGame game;
    game.ChosenDatabase = QStringLiteral("Viewer");
    game.TracksCompleted = 3;
    game.Saved.PlayTrack = 1;
    if (screen == QLatin1String("info"))
      InfoScreen(form);
    else
      PauseScreen(form, game);
  } else if (screen == QLatin1String("end")) {
    EndScreen(form);
  } else {
    form.TrackPath = saveFolder;
    const bool entry = screen == QLatin1String("entry");
    HighScoreScreen(form, entry ? HighScoreEntryMode : HighScoreViewMode, QStringLiteral("Viewer"),
                    5);
  }
}

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  application.setQuitOnLastWindowClosed(false);
  QStringList arguments = application.arguments().mid(1);
  const bool windowed = arguments.removeAll(QStringLiteral("--window")) > 0;
  int closeAfterMs = -1;
  const auto closeOption = arguments.indexOf(QStringLiteral("--close-after"));
  if (closeOption >= 0 && closeOption + 1 < arguments.size()) {
    closeAfterMs = arguments[closeOption + 1].toInt();
    arguments.remove(closeOption, 2);
  }
  const QStringList screens = {"message1", "message2", "message3", "message4", "message5",
                               "message6", "message7", "message8", "pause",    "info",
                               "end",      "scores",   "entry"};
  if (arguments.size() != 1 || !screens.contains(arguments.first())) {
    std::fputs(Usage, stderr);
    return 2;
  }
  const QTemporaryDir saveFolder;
  QtPlatform platform;
  frmWorm form(platform);
  GameWindow window(form);
  AttachGameWindow(platform, form, window);
  if (!form.Form_Load(QString())) return 1;
  form.tmrMainMenu.SetEnabled(false);
  window.OnActivate = [&form] { form.RunEvent([&form] { form.Form_Activate(); }); };
  window.Open(windowed);
  if (closeAfterMs >= 0)
    QTimer::singleShot(closeAfterMs, &window, [&platform, &form] {
      platform.RequestClose();
      form.RunEvent([] {});
    });
  QTimer::singleShot(100, &window, [&] {
    form.RunEvent([&] {
      ShowScreen(form, arguments.first(), saveFolder.path() + QStringLiteral("/"));
      form.ExitProgram();
    });
  });
  return application.exec();
}
