#include <gtest/gtest.h>

#include <QMainWindow>
#include <QPaintEvent>
#include <QTest>
#include <vector>

#include "core/blit.h"
#include "core/event_codes.h"
#include "core/maze_drawing.h"
#include "core/play_keys.h"
#include "core/resource_ids.h"
#include "core/sprite_ids.h"
#include "core/sprite_sheet.h"
#include "core/window_present.h"
#include "core/window_slots.h"
#include "play_fixture.h"
#include "tests/qt_application.h"
#include "ui/game_window.h"

namespace {

// The house maze without dots in the player's row, so that steering along
// it changes nothing but the actors.
std::vector<std::string> EmptyPlayerRow() {
  std::vector<std::string> rows = HouseMaze;
  rows[12] = "1                 1";
  return rows;
}

// An actor's picture rectangle in top-down window pixels.
QRect TopDown(int x, int y) { return {x, WindowSurfaceHeight - y - SpriteSize, SpriteSize, SpriteSize}; }

// Where the actors were and are: the rectangles a tick may redraw.
QRegion ActorRects() {
  QRegion rects;
  for (const Actor& actor : actorTable) {
    rects += TopDown(actor.oldX, actor.oldY);
    rects += TopDown(actor.x, actor.y);
  }
  return rects;
}

QImage Shown() { return surfaces[gameSurfaces.windowSurface].device.copy(); }

// Every pixel that differs between the two pictures.
QRegion Differences(const QImage& before, const QImage& after) {
  QRegion differences;
  for (int y = 0; y < before.height(); ++y)
    for (int x = 0; x < before.width(); ++x)
      if (before.pixel(x, y) != after.pixel(x, y)) differences += QRect(x, y, 1, 1);
  return differences;
}

// Counts the present requests it receives and handles them as the window does.
class PresentProbe : public QObject {
 public:
  bool event(QEvent* event) override {
    if (event->type() != PresentEventType()) return QObject::event(event);
    PresentHandled();
    ++requests;
    return true;
  }
  int requests = 0;
};

class RepaintRegionTest : public PlayTest {
 protected:
  static void SetUpTestSuite() { EnsureApplication(); }
  void SetUp() override {
    PlayTest::SetUp();
    UseMaze(EmptyPlayerRow());
    TakeChangedRegion(gameSurfaces.windowSurface);
  }

  // One tick; the region it asks the window to repaint.
  static QRegion TickRegion() {
    Tick();
    return TakeChangedRegion(gameSurfaces.windowSurface);
  }
};

TEST_F(RepaintRegionTest, TickRepaintsOnlyTheActorsRectanglesAndAllItChanged) {
  StartPlay(DIR_LEFT);
  ASSERT_EQ(gameState.phase, PHASE_PLAYING);
  TakeChangedRegion(gameSurfaces.windowSurface);
  bool playerShown = false;
  for (int tick = 0; tick < 20; ++tick) {
    const QImage before = Shown();
    const QRegion region = TickRegion();
    ASSERT_EQ(gameState.phase, PHASE_PLAYING);
    EXPECT_TRUE(region.subtracted(ActorRects()).isEmpty()) << "tick " << tick;
    EXPECT_TRUE(Differences(before, Shown()).subtracted(region).isEmpty()) << "tick " << tick;
    playerShown |= region.contains(TopDown(Player().x, Player().y));
  }
  EXPECT_TRUE(playerShown) << "the moving player was never repainted";
}

TEST_F(RepaintRegionTest, StillPicturesRepaintNothing) {
  StartPlay(DIR_LEFT);
  Tick();
  PauseKey(gameState);
  TakeChangedRegion(gameSurfaces.windowSurface);
  const QImage paused = Shown();
  for (int tick = 0; tick < 10; ++tick) EXPECT_TRUE(TickRegion().isEmpty()) << "paused " << tick;
  EXPECT_EQ(Shown(), paused);

  // Game over writes its text once, then the picture stands still.
  gameState.phase = PHASE_GAME_OVER;
  const QRegion gameOver = TickRegion();
  EXPECT_FALSE(gameOver.isEmpty());
  EXPECT_TRUE(gameOver.subtracted(QRect(100, 170, 9 * 24, 30)).isEmpty());
  for (int tick = 0; tick < 10; ++tick) EXPECT_TRUE(TickRegion().isEmpty()) << "over " << tick;
}

TEST_F(RepaintRegionTest, WindowIsAskedToPresentOnlyWhatChanged) {
  ClearWindowSlots();
  ASSERT_EQ(RegisterEvents(MAIN_WINDOW_ID, 0, nullptr, 0), 0);
  PresentProbe probe;
  windowSlots[0].window = &probe;
  PresentHandled();
  const auto requestsAfterTick = [&probe] {
    Tick();
    RequestPresent(0);
    QCoreApplication::sendPostedEvents(&probe);
    const int requests = probe.requests;
    probe.requests = 0;
    TakeChangedRegion(gameSurfaces.windowSurface);
    return requests;
  };
  StartPlay(DIR_LEFT);
  EXPECT_EQ(requestsAfterTick(), 1);
  PauseKey(gameState);
  EXPECT_EQ(requestsAfterTick(), 0);
  EXPECT_EQ(requestsAfterTick(), 0);
  // A repaint copies the whole window again.
  RepaintWindow();
  EXPECT_EQ(TakeChangedRegion(gameSurfaces.windowSurface),
            QRegion(0, 0, WindowSurfaceWidth, WindowSurfaceHeight));
  ClearWindowSlots();
}

// Paint events that reach the main window's drawing area.
class PaintRecorder : public QObject {
 public:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) painted += static_cast<QPaintEvent*>(event)->region();
    return false;
  }
  QRegion painted;
};

void Ignore(int, const EventPoint*) {}

const EventRow KEY_TABLE[] = {{EV_KEYDOWN, KEY_LEFT, Ignore}};

TEST(DrawingAreaTest, ShowsTheChangedPartsOnlyAndNothingAfterAQuietEvent) {
  EnsureApplication();
  ClearWindowSlots();
  ClearSurfaces();
  ASSERT_EQ(RegisterEvents(MAIN_WINDOW_ID, std::size(KEY_TABLE), KEY_TABLE, 0), 0);
  const int slot = CreateMainWindow(MAIN_WINDOW_ID, "Zorbix 2.3", WINDOW_MINIMISE_BOX);
  auto* window = qobject_cast<QMainWindow*>(windowSlots[slot].window);
  ASSERT_NE(window, nullptr);
  ASSERT_EQ(CreateGameSurfaces(slot), 0);
  ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
  PresentHandled();
  PaintRecorder recorder;
  window->centralWidget()->installEventFilter(&recorder);
  QTest::qWait(20);
  recorder.painted = QRegion();

  DrawSprite(spriteSheet, gameSurfaces.windowSurface, SpritePlayer, 100, 100, BLIT_COPY);
  ASSERT_TRUE(RequestPresent(slot));
  ASSERT_TRUE(QTest::qWaitFor([&] { return !recorder.painted.isEmpty(); }, 1000));
  EXPECT_EQ(recorder.painted, QRegion(TopDown(100, 100)));

  recorder.painted = QRegion();
  QTest::keyClick(window, Qt::Key_Left);
  QTest::qWait(20);
  EXPECT_TRUE(recorder.painted.isEmpty());

  window->centralWidget()->removeEventFilter(&recorder);
  DestroyMainWindow(slot);
  ReleaseGameSurfaces();
  ClearSurfaces();
}

}  // namespace
