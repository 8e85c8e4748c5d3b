// Measures WaitMs on the real clock: how far 500 waits of 12 ms overshoot
// while the screen changes between them, as in play, and how much CPU the
// program uses while it polls idle for 10 s.

#include "core/frm_worm.h"
#include "platform/game_window.h"
#include "platform/qt_platform.h"
#include "tools/process_cpu.h"

#include <QApplication>


#include <algorithm>
#include <chrono>
#include <cstdio>
#include <numeric>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double Milliseconds(Clock::duration duration) {
  return std::chrono::duration<double, std::milli>(duration).count();
}

void MeasureOvershoot(frmWorm& form) {
  constexpr int Waits = 500;
  std::vector<double> overshoots;
  for (int i = 0; i < Waits; ++i) {
    form.picPlayField.Dc().Fill(i % 2 ? Qt::red : Qt::blue);
    const Clock::time_point start = Clock::now();
    form.WaitMs(12);
    overshoots.push_back(Milliseconds(Clock::now() - start) - 12.0);
  }
  const double mean = std::accumulate(overshoots.begin(), overshoots.end(), 0.0) / Waits;
  std::sort(overshoots.begin(), overshoots.end());
  std::printf(
      "500 x WaitMs(12): mean %.3f ms; overshoot mean %.3f, median %.3f, worst %.3f ms\n",
      12.0 + mean, mean, overshoots[Waits / 2], overshoots.back());
}

// The idle menu: one 12 ms wait per polling pass.
void MeasureIdleCpu(frmWorm& form) {
  const double cpuBefore = CpuSeconds();
  const Clock::time_point start = Clock::now();
  while (Clock::now() - start < std::chrono::seconds(10)) form.WaitMs(12);
  const double wall = Milliseconds(Clock::now() - start) / 1000.0;
  std::printf("idle polling for %.1f s: CPU %.2f %% of one core\n", wall,
              100.0 * (CpuSeconds() - cpuBefore) / wall);
}

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QtPlatform platform;
  frmWorm form(platform);
  GameWindow window(form);
  platform.Attach(window, [&form](const std::function<void()>& handler) { form.RunEvent(handler); });
  window.Open(true);
  form.RunEvent([&] {
    MeasureOvershoot(form);
    MeasureIdleCpu(form);
  });
  return 0;
}
