#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTest>
#include <mutex>

#include "core/event_codes.h"
#include "core/game_lock.h"
#include "core/game_state.h"
#include "core/game_surfaces.h"
#include "core/level_file.h"
#include "core/resource_ids.h"
#include "core/surface.h"
#include "core/window_slots.h"
#include "tests/qt_application.h"
#include "ui/game_window.h"
#include "ui/main_window_events.h"

namespace {

GameState Snapshot() {
  std::lock_guard lock(GameMutex());
  return gameState;
}

// The program as it starts: the main window, its start event and the game
// thread, on the shipped level file.
class StartUpTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    EnsureApplication();
    QStandardPaths::setTestModeEnabled(true);
  }
  void SetUp() override {
    const QString levelFile =
        QDir(QCoreApplication::applicationDirPath()).filePath(LevelFileName);
    if (!QFile::exists(levelFile)) GTEST_SKIP() << "no level file beside the tests";
    gameState = GameState{};
    ClearSurfaces();
    ClearWindowSlots();
    ASSERT_EQ(RegisterMainWindowEvents(), 0);
    slot = CreateMainWindow(MAIN_WINDOW_ID, "Zorbix 2.3", WINDOW_MINIMISE_BOX);
    ASSERT_TRUE(QTest::qWaitFor([] { return Snapshot().phase != PHASE_IDLE; }, 2000));
  }
  void TearDown() override {
    if (slot >= 0) DestroyMainWindow(slot);
    gameLevelFile.reset();
  }
  bool WaitForPhase(int phase) {
    return QTest::qWaitFor([phase] { return Snapshot().phase == phase; }, 2000);
  }
  int slot = -1;
};

TEST_F(StartUpTest, StartEventBuildsTheFirstLevelOfANewGame) {
  const GameState state = Snapshot();
  EXPECT_EQ(state.level, 0);
  EXPECT_EQ(state.lives, 3);
  EXPECT_EQ(state.score, 0);
  EXPECT_EQ(state.running, 1);
  EXPECT_GT(state.dotsLeft, 0);
  const Surface* shown = SurfaceInUse(gameSurfaces.windowSurface);
  ASSERT_NE(shown, nullptr);
  EXPECT_EQ(shown->device.size(), QSize(580, 380));
  EXPECT_TRUE(WaitForPhase(PHASE_WAITING));
}

TEST_F(StartUpTest, CursorKeyStartsPlayAndPauseHoldsIt) {
  ASSERT_TRUE(WaitForPhase(PHASE_WAITING));
  QWidget* window = qobject_cast<QWidget*>(windowSlots[slot].window);
  QTest::keyClick(window, Qt::Key_Left);
  ASSERT_TRUE(WaitForPhase(PHASE_PLAYING));
  QTest::keyClick(window, Qt::Key_P);
  EXPECT_EQ(Snapshot().phase, PHASE_PAUSED);
}

TEST_F(StartUpTest, NewGameRebuildsTheFirstLevelAtOnce) {
  {
    std::lock_guard lock(GameMutex());
    gameState.level = 4;
    gameState.score = 1230;
    gameState.lives = 1;
  }
  DispatchEvent(slot, EV_MENU, CMD_NEW);
  const GameState state = Snapshot();
  EXPECT_EQ(state.level, 0);
  EXPECT_EQ(state.score, 0);
  EXPECT_EQ(state.lives, 3);
  EXPECT_TRUE(WaitForPhase(PHASE_WAITING));
}

TEST_F(StartUpTest, ClearedMazePostsTheNextLevelToTheWindow) {
  {
    std::lock_guard lock(GameMutex());
    gameState.running = 0;
  }
  PostEvent(slot, EV_NEXTLEVEL);
  {
    std::lock_guard lock(GameMutex());
    ++gameState.level;
  }
  ASSERT_TRUE(QTest::qWaitFor([] { return Snapshot().running == 1; }, 2000));
  EXPECT_EQ(Snapshot().level, 1);
  EXPECT_TRUE(WaitForPhase(PHASE_WAITING));
}

}  // namespace
