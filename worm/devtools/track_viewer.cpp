#include "core/bonus_icons.h"
#include "load_track.h"
#include "core/draw_track.h"
#include "core/frm_worm.h"
#include "core/slide_headline.h"
#include "platform/attach_game_window.h"
#include "platform/game_window.h"
#include "platform/qt_platform.h"
#include "shell/status_display.h"

#include <QApplication>
#include <QStringList>
#include <QTimer>

namespace {

const QString Caption = QStringLiteral("Track viewer");

// Counts every resource up and round again, one step per half second; a
// bonus picture joins the row every third step.
[[noreturn]] void ChangeStatus(frmWorm& form) {
  PlayState& values = form.Play;
  for (int step = 0;; ++step) {
    values.Keys = {std::uint8_t(step % 4), std::uint8_t(step / 2 % 4), std::uint8_t(step % 12)};
    values.Shield = std::uint8_t(10 - step % 11);
    values.Lives = std::uint8_t(step / 3 % 10);
    values.Breaks = std::uint8_t(step % 11);
    values.HiddenBonusLeft = std::uint8_t(50 - step % 51);
    for (std::uint8_t item = StatusYellowKeys; item <= StatusHiddenBonus; ++item)
      form.UpdateStatus(item);
    if (step % 3 == 0)
      AddBonusIcon(form, std::uint8_t(52 + step / 3 % 5));
    form.WaitMs(500);
  }
}

void ShowTrack(frmWorm& form, int track) {
  if (!LoadTrack(form, form.TrackPath + QStringLiteral("Vora.wdb"), track, Caption)) {
    form.ExitProgram();
    return;
  }
  form.picPlayField.Move(2, 36, 636, 444);
  DrawTrack(form, track);
  SlideHeadline(form, PlayHeadline);
  form.Display(-1);
  ChangeStatus(form);
}

}  // namespace

// worm_track_viewer [--window] [track number]
int main(int argc, char** argv) {
  QApplication application(argc, argv);
  application.setQuitOnLastWindowClosed(false);
  QStringList arguments = application.arguments().mid(1);
  const bool windowed = arguments.removeAll(QStringLiteral("--window")) > 0;
  const int track = arguments.isEmpty() ? 1 : arguments.first().toInt();

  QtPlatform platform;
  frmWorm form(platform);
  GameWindow window(form);
  AttachGameWindow(platform, form, window);
  if (!form.Form_Load(QString()))
    return 1;
  form.tmrMainMenu.SetEnabled(false);
  window.Open(windowed);
  QTimer::singleShot(0, &window, [&] { form.RunEvent([&] { ShowTrack(form, track); }); });
  return application.exec();
}
