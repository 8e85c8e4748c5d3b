#include <gtest/gtest.h>

#include <QMenuBar>
#include <QTest>
#include <vector>

#include "core/event_codes.h"
#include "core/game_state.h"
#include "core/play_keys.h"
#include "core/resource_ids.h"
#include "core/window_slots.h"
#include "tests/qt_application.h"
#include "ui/game_window.h"
#include "ui/main_window_events.h"

namespace {

struct Seen {
  int32_t code;
  int x, y;
  bool operator==(const Seen&) const = default;
};

std::vector<Seen> seen;

template <int32_t Code>
void Record(int, const EventPoint* point) {
  seen.push_back({Code, point ? point->x : -1, point ? point->y : -1});
}

const EventRow RECORDING_TABLE[] = {
    {EV_CREATE, 0, Record<EV_CREATE>},      {EV_KEYDOWN, KEY_LEFT, Record<EV_KEYDOWN>},
    {EV_KEYUP, KEY_LEFT, Record<EV_KEYUP>}, {EV_KEYDOWN, VK_F1, Record<VK_F1>},
    {EV_MENU, CMD_NEW, Record<CMD_NEW>},    {EV_MENU, CMD_BEST_OF, Record<CMD_BEST_OF>},
    {EV_CLOSE, 0, Record<EV_CLOSE>},        {EV_NEXTLEVEL, 0, Record<EV_NEXTLEVEL>},
    {EV_LBUTTON, 0, Record<EV_LBUTTON>},    {EV_RBUTTON, 0, Record<EV_RBUTTON>},
    {EV_DESTROY, 0, Record<EV_DESTROY>},
};

class WindowProcedureTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { EnsureApplication(); }
  void SetUp() override {
    ClearWindowSlots();
    seen.clear();
    ASSERT_EQ(RegisterEvents(MAIN_WINDOW_ID, std::size(RECORDING_TABLE), RECORDING_TABLE, 0), 0);
    slot = CreateMainWindow(MAIN_WINDOW_ID, "Zorbix 2.3", WINDOW_MINIMISE_BOX);
    ASSERT_EQ(slot, 0);
    window = qobject_cast<QMainWindow*>(windowSlots[slot].window);
    ASSERT_NE(window, nullptr);
  }
  void TearDown() override { DestroyMainWindow(slot); }

  QAction* MenuAction(const QString& text) {
    for (QAction* action : window->menuBar()->findChildren<QAction*>())
      if (action->text() == text) return action;
    return nullptr;
  }

  int slot = -1;
  QMainWindow* window = nullptr;
};

TEST_F(WindowProcedureTest, WindowHasItsTitleMenuAndFixedDrawingArea) {
  EXPECT_EQ(seen, (std::vector<Seen>{{EV_CREATE, -1, -1}}));
  EXPECT_EQ(window->windowTitle(), "Zorbix 2.3");
  EXPECT_EQ(window->objectName(), "C00016");
  EXPECT_EQ(window->centralWidget()->size(), QSize(580, 380));
  EXPECT_EQ(window->minimumSize(), window->maximumSize());
  EXPECT_TRUE(window->windowFlags() & Qt::WindowMinimizeButtonHint);
  EXPECT_FALSE(window->windowFlags() & Qt::WindowMaximizeButtonHint);
  QStringList titles;
  for (QAction* action : window->menuBar()->actions()) titles << action->text();
  EXPECT_EQ(titles, (QStringList{"&Game", "&Options", "&Info"}));
  for (const char* item : {"&New", "&Quit", "&Best of", "&About"})
    EXPECT_NE(MenuAction(item), nullptr) << item;
}

TEST_F(WindowProcedureTest, PlatformEventsBecomeEventCodes) {
  seen.clear();
  QTest::keyPress(window, Qt::Key_Left);
  QTest::keyRelease(window, Qt::Key_Left);
  QTest::keyClick(window, Qt::Key_F1);
  QTest::keyClick(window, Qt::Key_Right);  // no row: dropped
  MenuAction("&New")->trigger();
  MenuAction("&Best of")->trigger();
  window->close();
  QWidget* area = window->centralWidget();
  QTest::mouseClick(area, Qt::LeftButton, {}, QPoint(10, 20));
  QTest::mouseClick(area, Qt::RightButton, {}, QPoint(579, 379));
  PostEvent(slot, EV_NEXTLEVEL);
  QCoreApplication::processEvents();
  const std::vector<Seen> expected = {
      {EV_KEYDOWN, -1, -1}, {EV_KEYUP, -1, -1},     {VK_F1, -1, -1},
      {CMD_NEW, -1, -1},    {CMD_BEST_OF, -1, -1},  {EV_CLOSE, -1, -1},
      {EV_LBUTTON, 10, 20}, {EV_RBUTTON, 579, 379}, {EV_NEXTLEVEL, -1, -1}};
  EXPECT_EQ(seen, expected);
  EXPECT_TRUE(window->isVisible());  // a close request only reaches the table
}

TEST_F(WindowProcedureTest, DestroyFreesTheSlotAndSendsItsEvent) {
  DestroyMainWindow(slot);
  EXPECT_EQ(seen.back(), (Seen{EV_DESTROY, -1, -1}));
  EXPECT_EQ(windowSlots[slot].id, -1);
  EXPECT_EQ(windowSlots[slot].window, nullptr);
  slot = -1;
}

// The main window's own table, driven without a window.
class MainWindowEventsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ClearWindowSlots();
    gameState = GameState{};
    ASSERT_EQ(RegisterMainWindowEvents(), 0);
    slot = FindWindowSlot(MAIN_WINDOW_ID);
  }
  int slot = -1;
};

TEST_F(MainWindowEventsTest, CursorKeysSteerAndEndAPause) {
  const struct {
    int32_t key;
    uint8_t dir;
  } cases[] = {
      {KEY_LEFT, DIR_LEFT}, {KEY_RIGHT, DIR_RIGHT}, {KEY_UP, DIR_UP}, {KEY_DOWN, DIR_DOWN}};
  for (const auto& c : cases) {
    gameState.phase = PHASE_PAUSED;
    DispatchEvent(slot, EV_KEYDOWN, c.key);
    EXPECT_EQ(gameState.requestedDir, c.dir);
    EXPECT_EQ(gameState.phase, PHASE_PLAYING);
  }
}

TEST_F(MainWindowEventsTest, PandF1PauseOnlyWhilePlaying) {
  for (int32_t key : {int32_t{VK_P}, int32_t{VK_F1}}) {
    gameState.phase = PHASE_WAITING;
    DispatchEvent(slot, EV_KEYDOWN, key);
    EXPECT_EQ(gameState.phase, PHASE_WAITING);
    gameState.phase = PHASE_PLAYING;
    DispatchEvent(slot, EV_KEYDOWN, key);
    EXPECT_EQ(gameState.phase, PHASE_PAUSED);
  }
}

TEST_F(MainWindowEventsTest, OtherKeysReleasesAndMouseButtonsAreDropped) {
  gameState.phase = PHASE_PLAYING;
  const EventPoint point{5, 5};
  DispatchEvent(slot, EV_KEYUP, KEY_LEFT);
  DispatchEvent(slot, EV_KEYDOWN, 'Q');
  DispatchEvent(slot, EV_LBUTTON, 0, &point);
  DispatchEvent(slot, EV_RBUTTON, 0, &point);
  DispatchEvent(slot, EV_TIMER, 0);
  EXPECT_EQ(gameState.phase, PHASE_PLAYING);
  EXPECT_EQ(gameState.requestedDir, DIR_NONE);
}

}  // namespace
