#include <gtest/gtest.h>

#include <chrono>

#include "core/game_lock.h"
#include "core/game_state.h"
#include "core/game_thread.h"
#include "core/game_tick.h"
#include "core/play_keys.h"
#include "core/window_slots.h"

namespace {

void Tick() {
  GameTick([](int) {});
}

TEST(SpeedDelayTest, SleepBySpeedSetting) {
  EXPECT_EQ(SpeedDelay(0), 30);
  EXPECT_EQ(SpeedDelay(1), 25);
  EXPECT_EQ(SpeedDelay(2), 10);
  EXPECT_EQ(SpeedDelay(3), 25);
  EXPECT_EQ(SpeedDelay(-1), 25);
}

class PhaseTest : public ::testing::Test {
 protected:
  void SetUp() override {
    gameState = GameState{};
    gameState.phase = PHASE_RESET;
    gameState.running = 1;
  }
};

TEST_F(PhaseTest, CursorKeyWhileWaitingStartsPlayAtTheNextTick) {
  Tick();
  EXPECT_EQ(gameState.phase, PHASE_WAITING);
  PauseKey(gameState);
  Tick();
  EXPECT_EQ(gameState.phase, PHASE_WAITING);  // P does nothing while waiting
  SteerKey(gameState, DIR_LEFT);
  EXPECT_EQ(gameState.phase, PHASE_WAITING);
  Tick();
  EXPECT_EQ(gameState.phase, PHASE_PLAYING);
  EXPECT_EQ(gameState.requestedDir, DIR_LEFT);
}

TEST_F(PhaseTest, KeyBeforeResetIsClearedAndPlayWaitsForAFreshKey) {
  SteerKey(gameState, DIR_UP);
  Tick();
  Tick();
  EXPECT_EQ(gameState.phase, PHASE_WAITING);
  EXPECT_EQ(gameState.requestedDir, DIR_NONE);
}

TEST_F(PhaseTest, WaitingDoesNotStartWhileALevelIsBuilt) {
  Tick();
  gameState.running = 0;
  SteerKey(gameState, DIR_RIGHT);
  Tick();
  EXPECT_EQ(gameState.phase, PHASE_WAITING);
}

TEST_F(PhaseTest, PauseOnlyWhilePlayingAnyCursorKeyResumes) {
  gameState.phase = PHASE_PLAYING;
  PauseKey(gameState);
  EXPECT_EQ(gameState.phase, PHASE_PAUSED);
  Tick();
  EXPECT_EQ(gameState.phase, PHASE_PAUSED);
  SteerKey(gameState, DIR_DOWN);
  EXPECT_EQ(gameState.phase, PHASE_PLAYING);
  EXPECT_EQ(gameState.requestedDir, DIR_DOWN);
}

TEST_F(PhaseTest, GameOverClearsRunningOnce) {
  gameState.phase = PHASE_GAME_OVER;
  Tick();
  EXPECT_EQ(gameState.running, 0);
  EXPECT_EQ(gameState.phase, PHASE_GAME_OVER);
}

TEST(GameThreadTest, StartedThreadStopsOnRequestAndFreesItsSlot) {
  ClearWindowSlots();
  gameState = GameState{};
  int slot = -1;
  ASSERT_EQ(StartGameThread(slot), 0);
  EXPECT_EQ(slot, 0);
  const auto before = std::chrono::steady_clock::now();
  EXPECT_EQ(StopGameThread(slot), 0);
  EXPECT_LT(std::chrono::steady_clock::now() - before, std::chrono::seconds(1));
  EXPECT_EQ(StopGameThread(slot), 3);
  EXPECT_EQ(StopGameThread(10), 3);
}

TEST(GameThreadTest, FullThreadTableRefusesAnotherThread) {
  gameState = GameState{};
  int slots[10];
  for (int& slot : slots) ASSERT_EQ(StartGameThread(slot), 0);
  int extra = -1;
  EXPECT_EQ(StartGameThread(extra), 1);
  EXPECT_EQ(extra, -1);
  for (int slot : slots) EXPECT_EQ(StopGameThread(slot), 0);
}

}  // namespace
