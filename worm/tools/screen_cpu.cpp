// Measures the CPU the program uses while a screen waits for fire: a
// full-screen picture shown, the input read with InputReader::Next and the
// music checked on every pass, for 10 s of the real clock.

#include "core/frm_worm.h"
#include "core/input_reader.h"
#include "platform/attach_game_window.h"
#include "platform/game_window.h"
#include "platform/qt_platform.h"
#include "tools/process_cpu.h"

#include <QApplication>


#include <chrono>
#include <cstdio>

namespace {

using Clock = std::chrono::steady_clock;

void MeasureFireWait(frmWorm& form) {
  form.picPlayField.LoadPicture(form.PicturePath + QStringLiteral("TheEnd.jpg"));
  InputReader input(form);
  long passes = 0;
  const double cpuBefore = CpuSeconds();
  const Clock::time_point start = Clock::now();
  while (Clock::now() - start < std::chrono::seconds(10) && !input.Next().Fire()) {
    form.MusicCommand(QStringLiteral("Check"));
    ++passes;
  }
  const double wall = std::chrono::duration<double>(Clock::now() - start).count();
  std::printf("screen waiting for fire for %.1f s (%ld passes, %.2f ms each): CPU %.2f %% of one core\n",
              wall, passes, 1000.0 * wall / passes, 100.0 * (CpuSeconds() - cpuBefore) / wall);
}

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QtPlatform platform;
  frmWorm form(platform);
  GameWindow window(form);
  AttachGameWindow(platform, form, window);
  if (!form.Form_Load(QString())) return 1;
  form.tmrMainMenu.SetEnabled(false);
  window.Open(true);
  form.RunEvent([&] { MeasureFireWait(form); });
  return 0;
}
