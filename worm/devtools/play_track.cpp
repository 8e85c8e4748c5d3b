#include "core/frm_worm.h"
#include "load_track.h"
#include "core/worm_play.h"
#include "platform/attach_game_window.h"
#include "platform/game_window.h"
#include "platform/qt_platform.h"
#include "shell/running_game.h"
#include "shell/show_message.h"

#include <QApplication>
#include <QFileInfo>
#include <QStringList>
#include <QTimer>

#include <cstdio>

namespace {

const QString Caption = QStringLiteral("Play track");

// The database file: a path, or a name in the track folder.
QString DatabasePath(const frmWorm& form, const QString& database) {
  if (database.endsWith(QLatin1String(".wdb"), Qt::CaseInsensitive)) return database;
  return form.TrackPath + database + QStringLiteral(".wdb");
}

// The message that follows a track in a game.
void ShowResult(frmWorm& form, TrackResult result) {
  if (result == TrackFinished) ShowMessage(form, 210, 230, MessageTrackDone);
  if (result == TrackKilled) ShowMessage(form, 210, 230, MessageLifeLost);
}

void PlayOneTrack(frmWorm& form, const QString& path, int track) {
  int exitCode = 1;
  if (LoadTrack(form, path, track, Caption)) {
    form.picPlayField.Move(2, 36, 636, 444);
    form.NewGame = true;
    RunningGame game;
    game.ChosenDatabase = QFileInfo(path).completeBaseName();
    const TrackResult result = WormPlay(form, static_cast<std::uint8_t>(track), game);
    if (result == TrackNotPlayable)
      form.System.MessageBox(QStringLiteral("Track %1 has no start.").arg(track), Caption,
                             MessageButtons::Ok, MessageIcon::Exclamation);
    ShowResult(form, result);
    std::printf("result %d\n", static_cast<int>(result));
    std::fflush(stdout);
    exitCode = result == TrackNotPlayable ? 1 : 0;
  }
  form.ExitProgram();
  form.System.Quit(exitCode);
}

}  // namespace

// worm_play_track [--window] [database] [track number]: plays one track of a
// database ("Vora" in the track folder, or a ".wdb" path) and prints its result.
int main(int argc, char** argv) {
  QApplication application(argc, argv);
  application.setQuitOnLastWindowClosed(false);
  QStringList arguments = application.arguments().mid(1);
  const bool windowed = arguments.removeAll(QStringLiteral("--window")) > 0;
  bool numbered = false;
  const int track = arguments.isEmpty() ? 1 : arguments.last().toInt(&numbered);
  if (numbered) arguments.removeLast();
  const QString database = arguments.isEmpty() ? QStringLiteral("Vora") : arguments.first();

  QtPlatform platform;
  frmWorm form(platform);
  GameWindow window(form);
  AttachGameWindow(platform, form, window);
  if (!form.Form_Load(QString())) return 1;
  form.Form_Activate();
  form.tmrMainMenu.SetEnabled(false);
  window.Open(windowed);
  const QString path = DatabasePath(form, database);
  QTimer::singleShot(0, &window, [&] {
    form.RunEvent([&] { PlayOneTrack(form, path, numbered ? track : 1); });
  });
  return application.exec();
}
