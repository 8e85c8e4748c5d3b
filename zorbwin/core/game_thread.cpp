#include "core/game_thread.h"

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <system_error>
#include <thread>

#include "core/game_lock.h"
#include "core/game_state.h"
#include "core/game_tick.h"
#include "core/resource_ids.h"
#include "core/window_present.h"
#include "core/window_slots.h"

namespace {

struct ThreadSlot {
  bool used = false;
  std::jthread thread;
};

constexpr int THREAD_SLOT_COUNT = 10;

// The window shows the game at most once a display refresh.
constexpr auto PRESENT_INTERVAL = std::chrono::milliseconds(16);
ThreadSlot threadTable[THREAD_SLOT_COUNT];

// Sleeps with the game lock given up, so the window thread can work; wakes
// early when the thread is asked to stop. False when it was.
bool SleepUnlocked(std::unique_lock<std::mutex>& lock, std::stop_token stop,
                   int milliseconds) {
  static std::condition_variable_any wakeUp;
  wakeUp.wait_for(lock, stop, std::chrono::milliseconds(milliseconds),
                  [] { return false; });
  return !stop.stop_requested();
}

}  // namespace

int SpeedDelay(int speed) {
  constexpr int DELAYS[] = {30, 25, 10};
  return speed >= 0 && speed <= 2 ? DELAYS[speed] : DELAYS[1];
}

int StartGameThread(int& slot) {
  for (int index = 0; index < THREAD_SLOT_COUNT; ++index) {
    if (threadTable[index].used) continue;
    try {
      threadTable[index].thread = std::jthread(RunGameThread);
    } catch (const std::system_error&) {
      return 2;
    }
    threadTable[index].used = true;
    slot = index;
    return 0;
  }
  return 1;
}

int StopGameThread(int slot) {
  if (slot < 0 || slot >= THREAD_SLOT_COUNT || !threadTable[slot].used) return 3;
  threadTable[slot].thread.request_stop();
  threadTable[slot].thread.join();
  threadTable[slot].used = false;
  return 0;
}

void RunGameThread(std::stop_token stop) {
  using Clock = std::chrono::steady_clock;
  std::unique_lock lock(GameMutex());
  Clock::time_point lastPresent;
  const auto present = [&lastPresent] {
    if (RequestPresent(FindWindowSlot(MAIN_WINDOW_ID))) lastPresent = Clock::now();
  };
  // A pause inside a tick shows what the tick drew so far.
  const TickPause pause = [&](int milliseconds) {
    present();
    SleepUnlocked(lock, stop, milliseconds);
  };
  while (SleepUnlocked(lock, stop, SpeedDelay(gameState.speed))) {
    GameTick(pause);
    // What a quick tick drew goes with the next one's request.
    if (Clock::now() - lastPresent >= PRESENT_INTERVAL) present();
  }
}
