// Measures play on the real clock with the real window: the step period of
// WormPlay at delay 1 (speed 100) and delay 26 (speed 1) over a straight
// run across an open track, the CPU of the program during each run, and
// the CPU while the pause screen waits for a choice.

#include "core/block_codes.h"
#include "core/frm_worm.h"
#include "core/worm_play.h"
#include "platform/attach_game_window.h"
#include "platform/game_window.h"
#include "platform/qt_platform.h"
#include "tools/process_cpu.h"
#include "shell/pause_screen.h"
#include "shell/running_game.h"

#include <QApplication>
#include <QTimer>


#include <chrono>
#include <cstdio>
#include <set>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

constexpr int MeasuredSteps = 40;

// The program's platform with the keys held by the measurement instead of
// the keyboard, and a look at the play copy before every wait: the moment
// a new cell is covered is the moment the worm moved.
class MeasuredPlatform : public QtPlatform {
 public:
  void WaitFor(int ms) override {
    if (form && counting) Look();
    QtPlatform::WaitFor(ms);
  }
  bool KeypadHeld(KeypadKey key) override {
    return held.contains(key) || (key == KeypadKey::Fire && Clock::now() < fireUntil);
  }

  frmWorm* form = nullptr;
  bool counting = false;
  std::set<KeypadKey> held;
  Clock::time_point fireUntil;
  std::vector<Clock::time_point> moves;

 private:
  void Look() {
    int covered = 0;
    const TrackRecord& copy = form->Database.PlayCopy();
    for (BlockCode code : copy.Blocks) covered += IsWormBody(code) ? 1 : 0;
    if (covered != covered_) moves.push_back(Clock::now());
    covered_ = covered;
    // Enough steps seen: the pause input ends the test run.
    if (static_cast<int>(moves.size()) > MeasuredSteps + 2) held.insert(KeypadKey::Pause);
  }

  int covered_ = 0;
};

// An open track of Dirt, the start at the left heading right.
TrackRecord StraightRun(std::uint8_t speed) {
  TrackRecord track;
  track.Name = QStringLiteral("Step timing");
  track.StartDirection = 3;
  track.StartSpeed = speed;
  track.StartLength = 500;  // grows all the way: one more covered cell per step
  for (int y = 0; y < TrackHeight; ++y)
    for (int x = 0; x < TrackWidth; ++x)
      if (x == 0 || y == 0 || x == TrackWidth - 1 || y == TrackHeight - 1)
        track.Blocks[BlockIndex(x, y)] = Blocks::Border;
  track.Blocks[BlockIndex(1, 18)] = Blocks::WormholeStart;
  track.Blocks[BlockIndex(51, 1)] = Blocks::Apple;
  return track;
}

void MeasureSteps(frmWorm& form, MeasuredPlatform& platform, std::uint8_t speed, int delay) {
  form.Database.TrackCount = 1;
  form.Database.Tracks = {TrackRecord{}, StraightRun(speed)};
  form.Database.Settings = {3, 10, 5, 0};
  form.InEditor = true;
  form.NewGame = true;
  platform.form = &form;
  platform.held.clear();
  platform.moves.clear();
  platform.counting = true;
  // Fire skips the countdown and is let go before the first step.
  platform.fireUntil = Clock::now() + std::chrono::milliseconds(800);
  RunningGame game;
  const double cpuBefore = CpuSeconds();
  const Clock::time_point start = Clock::now();
  WormPlay(form, 1, game);
  const double wall = std::chrono::duration<double>(Clock::now() - start).count();
  const double cpu = 100.0 * (CpuSeconds() - cpuBefore) / wall;
  platform.held.clear();
  const std::vector<Clock::time_point>& moves = platform.moves;
  if (static_cast<int>(moves.size()) < MeasuredSteps + 2) {
    std::printf("delay %d: only %zu moves seen\n", delay, moves.size());
    return;
  }
  // From the 2nd move on: the first steps follow the start's waits.
  const double period =
      std::chrono::duration<double, std::milli>(moves[MeasuredSteps + 1] - moves[1]).count() /
      MeasuredSteps;
  const double target = (delay + 1) * 12.0;
  std::printf("delay %2d: step period %.2f ms over %d steps (target %.0f ms, %+.2f %%); "
              "CPU %.1f %% of one core over %.1f s of the track\n",
              delay, period, MeasuredSteps, target, 100.0 * (period - target) / target, cpu, wall);
}

void MeasurePauseScreen(frmWorm& form, MeasuredPlatform& platform) {
  form.InEditor = false;
  platform.counting = false;
  platform.held.clear();
  RunningGame game;
  const double cpuBefore = CpuSeconds();
  const Clock::time_point start = Clock::now();
  // Fire after 5 s goes on playing.
  QTimer fire;
  fire.setSingleShot(true);
  QObject::connect(&fire, &QTimer::timeout, [&platform] { platform.held = {KeypadKey::Fire}; });
  fire.start(5000);
  PauseScreen(form, game);
  const double wall = std::chrono::duration<double>(Clock::now() - start).count();
  std::printf("pause screen: CPU %.1f %% of one core over %.1f s\n",
              100.0 * (CpuSeconds() - cpuBefore) / wall, wall);
  platform.held.clear();
}

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  MeasuredPlatform platform;
  frmWorm form(platform);
  GameWindow window(form);
  AttachGameWindow(platform, form, window);
  if (!form.Form_Load(QString())) return 1;
  form.Form_Activate();
  form.tmrMainMenu.SetEnabled(false);
  window.Open(true);
  form.picPlayField.Move(2, 36, 636, 444);
  form.RunEvent([&] {
    MeasureSteps(form, platform, 100, 1);
    MeasureSteps(form, platform, 1, 26);
    MeasurePauseScreen(form, platform);
  });
  return 0;
}
