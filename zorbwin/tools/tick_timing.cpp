// Measures the game's tick: the work of one playing tick, timed on the game
// state directly, and the period of the real game thread on the Normal
// speed. Run from the program's folder, where the level file lies.
#include <QCoreApplication>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <mutex>
#include <numeric>
#include <random>
#include <thread>
#include <vector>

#include "core/actor_table.h"
#include "core/game_lock.h"
#include "core/game_state.h"
#include "core/game_surfaces.h"
#include "core/game_thread.h"
#include "core/game_tick.h"
#include "core/level_file.h"
#include "core/level_setup.h"
#include "core/play_keys.h"
#include "core/surface.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr int WorkTicks = 3000;
constexpr int PlayerStepsPerFiveTicks = 4;
constexpr auto PeriodWindow = std::chrono::seconds(5);

double Milliseconds(Clock::duration duration) {
  return std::chrono::duration<double, std::milli>(duration).count();
}

bool StartLevel() {
  gameState = GameState{};
  gameState.speed = 1;
  gameState.lives = 1000;
  actorTable = StartingActorTable();
  return LoadCurrentLevel(-1) == 0;
}

// A bot plays on the game state; each tick's work is timed.
void MeasureWork() {
  std::mt19937 bot(7);
  constexpr std::uint8_t keys[] = {DIR_LEFT, DIR_RIGHT, DIR_UP, DIR_DOWN};
  std::vector<double> work;
  for (int tick = 0; tick < WorkTicks; ++tick) {
    if (bot() % 12 == 0) SteerKey(gameState, keys[bot() % 4]);
    if (gameState.running == 0) LoadCurrentLevel(-1);
    const auto start = Clock::now();
    GameTick([](int) {});
    work.push_back(Milliseconds(Clock::now() - start));
  }
  std::sort(work.begin(), work.end());
  std::printf("tick work: mean %.3f ms, median %.3f ms, 99th percentile %.3f ms over %d ticks\n",
              std::accumulate(work.begin(), work.end(), 0.0) / WorkTicks, work[WorkTicks / 2],
              work[WorkTicks * 99 / 100], WorkTicks);
}

int PlayerSteps() {
  std::lock_guard lock(GameMutex());
  return gameState.bonusTicks;
}

// The real game thread on Normal: the player steps on four ticks out of
// five, so its steps count the ticks; the chasers are kept away.
void MeasurePeriod() {
  {
    std::lock_guard lock(GameMutex());
    StartLevel();
    gameState.fruitLimit = 1 << 30;
  }
  int slot = -1;
  if (StartGameThread(slot) != 0) {
    std::printf("the game thread did not start\n");
    return;
  }
  // After the reset tick: a cursor key starts play.
  std::this_thread::sleep_for(std::chrono::milliseconds(200));
  {
    std::lock_guard lock(GameMutex());
    gameState.requestedDir = DIR_LEFT;
    for (int actor = FirstChaser; actor < FirstChaser + ChaserCount; ++actor)
      SetActive(actorTable[actor], false);
  }
  std::this_thread::sleep_for(std::chrono::milliseconds(200));
  const int firstSteps = PlayerSteps();
  const auto start = Clock::now();
  std::this_thread::sleep_for(PeriodWindow);
  const int steps = PlayerSteps() - firstSteps;
  const auto elapsed = Clock::now() - start;
  StopGameThread(slot);
  const double ticks = steps * 5.0 / PlayerStepsPerFiveTicks;
  std::printf("tick period on Normal: %.2f ms (%.0f ticks in %.0f ms)\n",
              Milliseconds(elapsed) / ticks, ticks, Milliseconds(elapsed));
}

}  // namespace

int main(int argc, char* argv[]) {
  QCoreApplication application(argc, argv);
  ClearSurfaces();
  gameLevelFile = OpenLevelFile(QString::fromLatin1(LevelFileName));
  if (!gameLevelFile || CreateGameSurfaces(-1) != 0 || !StartLevel()) {
    std::fprintf(stderr, "cannot set up the first level from %s\n", LevelFileName);
    return 1;
  }
  MeasureWork();
  MeasurePeriod();
  ReleaseGameSurfaces();
  return 0;
}
