#include "core/frm_worm.h"
#include "platform/attach_game_window.h"
#include "platform/cursor_file.h"
#include "platform/game_window.h"
#include "platform/qt_platform.h"
#include "platform/scripted/scripted_platform.h"
#include "render_fixture.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <QTest>

namespace {

struct MouseCall {
  int button, shift, x, y;
  bool operator==(const MouseCall&) const = default;
};

class GameWindowTest : public ::testing::Test {
 protected:
  GameWindowTest() {
    window_.resize(1400, 1000);
    form_.picPlayField.Move(2, 36, 636, 444);
    form_.picPlayField_MouseDown = [this](int b, int s, int x, int y) {
      down_.push_back({b, s, x, y});
    };
  }

  ScriptedPlatform platform_;
  frmWorm form_{platform_};
  GameWindow window_{form_};
  std::vector<MouseCall> down_;
};

TEST_F(GameWindowTest, ScreenIsEnlargedByTheLargestWholeFactor) {
  EXPECT_EQ(window_.Scale(), 2);
  window_.resize(1919, 1439);
  EXPECT_EQ(window_.Scale(), 2);
  window_.resize(1920, 1440);
  EXPECT_EQ(window_.Scale(), 3);
  window_.resize(600, 400);
  EXPECT_EQ(window_.Scale(), 1) << "never smaller than the logical screen";
}

TEST_F(GameWindowTest, MousePositionsArePlayFieldPixels) {
  // The 1280 x 960 screen stands at (60, 20) in the 1400 x 1000 window.
  window_.show();
  QTest::mouseClick(&window_, Qt::LeftButton, Qt::ShiftModifier, QPoint(60 + 2 * 14, 20 + 2 * 48));
  QTest::mouseClick(&window_, Qt::RightButton, Qt::NoModifier, QPoint(60 + 2 * 637, 20 + 2 * 479));
  QTest::mouseClick(&window_, Qt::LeftButton, Qt::NoModifier, QPoint(60 + 2 * 1, 20 + 2 * 1));
  EXPECT_EQ(down_, (std::vector<MouseCall>{{1, 1, 12, 12}, {2, 0, 635, 443}}))
      << "a click beside the playfield is not the playfield's";
}

TEST_F(GameWindowTest, MousePositionsAreTruncatedToTheLogicalPixel) {
  // Widget points at scale 2 (screen at (60, 20)) and at scale 1 (screen at
  // (30, 10) in a 700 x 500 window); the second half of a logical pixel
  // stays in that pixel, up to the playfield's last one.
  struct Case {
    QSize window;
    QPoint widget;
    QPoint playField;
  };
  const Case cases[] = {
      {{1400, 1000}, {60 + 2 * 25 + 1, 20 + 2 * 47 + 1}, {23, 11}},
      {{1400, 1000}, {60 + 2 * 26, 20 + 2 * 48}, {24, 12}},
      {{1400, 1000}, {60 + 2 * 637 + 1, 20 + 2 * 479 + 1}, {635, 443}},
      {{700, 500}, {30 + 637, 10 + 479}, {635, 443}},
      {{700, 500}, {30 + 2, 10 + 36}, {0, 0}},
  };
  window_.show();
  for (const Case& c : cases) {
    window_.resize(c.window);
    down_.clear();
    QTest::mouseClick(&window_, Qt::LeftButton, Qt::NoModifier, c.widget);
    ASSERT_EQ(down_.size(), 1u) << c.widget.x() << "," << c.widget.y();
    EXPECT_EQ(QPoint(down_[0].x, down_[0].y), c.playField) << c.widget.x() << "," << c.widget.y();
  }
}

TEST_F(GameWindowTest, DesktopPointsFollowTheScaledScreen) {
  window_.show();
  EXPECT_EQ(window_.DesktopPoint(QPoint(201, 152)),
            window_.mapToGlobal(QPoint(60 + 2 * 201, 20 + 2 * 152)));
}

TEST_F(GameWindowTest, KeysReachTheKeyTableAndTheWindowEvent) {
  std::vector<std::pair<int, int>> keys;
  form_.Form_KeyDown = [&](int code, int shift) { keys.emplace_back(code, shift); };
  window_.show();
  QTest::keyPress(&window_, Qt::Key_F2, Qt::ControlModifier);
  QTest::keyPress(&window_, Qt::Key_8, Qt::KeypadModifier);
  EXPECT_TRUE(window_.Keys().Held(KeypadKey::Up));
  QTest::keyRelease(&window_, Qt::Key_8, Qt::KeypadModifier);
  EXPECT_FALSE(window_.Keys().Held(KeypadKey::Up));
  // Ctrl itself comes first, as a key of its own.
  EXPECT_EQ(keys, (std::vector<std::pair<int, int>>{{17, 2}, {113, 2}, {104, 0}}));
}

TEST_F(GameWindowTest, ClosingAsksTheGame) {
  int requests = 0;
  window_.OnCloseRequest = [&] { ++requests; };
  window_.show();
  EXPECT_FALSE(window_.close()) << "the game decides when the window goes";
  EXPECT_EQ(requests, 1);
}

TEST(QtPlatformTest, SettingsAreKeptPerApplicationSectionAndKey) {
  QtPlatform platform;
  EXPECT_EQ(platform.GetSetting("VoraTest", "Misc", "Choosen Database", "Empty"), "Empty");
  platform.SaveSetting("VoraTest", "Misc", "Choosen Database", "My Tracks");
  EXPECT_EQ(platform.GetSetting("VoraTest", "Misc", "Choosen Database", "Empty"), "My Tracks");
  EXPECT_EQ(platform.GetSetting("VoraTest", "Other", "Choosen Database", "Empty"), "Empty");
}

TEST(QtPlatformTest, AGuardedCloseBoxClosesOnlyWhenTheGuardAgrees) {
  QtPlatform platform;
  WatchedPlatform clock;
  frmWorm form(clock);
  GameWindow window(form);
  AttachGameWindow(platform, form, window);
  bool allow = false;
  platform.SetCloseGuard([&] { return allow; });
  window.OnCloseRequest();
  EXPECT_FALSE(platform.CloseRequested());
  allow = true;
  clock.OnWait = [&] { window.OnCloseRequest(); };
  form.RunEvent([&] { form.WaitMs(12); });
  EXPECT_FALSE(platform.CloseRequested()) << "a busy loop cannot ask; the window stays";
  clock.OnWait = nullptr;
  window.OnCloseRequest();
  EXPECT_TRUE(platform.CloseRequested());
}

TEST(QtPlatformTest, WaitsEndAtOnceOnceTheWindowWasClosed) {
  QtPlatform platform;
  platform.RequestClose();
  EXPECT_THROW(platform.WaitFor(10000), ProgramClosing);
  EXPECT_THROW(platform.PumpEvents(), ProgramClosing);
}

TEST(CursorFileTest, ReadsTheHotSpotAndScales) {
  // A 2 x 2 cursor with its hot spot at (1, 0): directory, entry, bitmap
  // header, two colours, XOR rows and AND rows (4 bytes each).
  QByteArray file;
  auto word = [&](int v) { file.append(char(v & 0xFF)).append(char(v >> 8)); };
  auto dword = [&](int v) { word(v & 0xFFFF); word(v >> 16); };
  word(0); word(2); word(1);
  file.append(char(2)).append(char(2)).append(char(2)).append(char(0));
  word(1); word(0); dword(40 + 8 + 16); dword(22);
  dword(40); dword(2); dword(4); word(1); word(1); dword(0); dword(16); dword(0); dword(0);
  dword(0); dword(0);
  dword(0x000000); dword(0xFFFFFF);
  dword(0x40000000); dword(0x80000000);
  dword(0); dword(0);

  QTemporaryDir dir;
  QFile out(dir.filePath("Draw.cur"));
  ASSERT_TRUE(out.open(QIODevice::WriteOnly));
  out.write(file);
  out.close();

  const std::optional<QCursor> cursor = LoadCursorFile(out.fileName(), 3);
  ASSERT_TRUE(cursor.has_value());
  EXPECT_EQ(cursor->hotSpot(), QPoint(3, 0));
  EXPECT_EQ(cursor->pixmap().size(), QSize(6, 6));

  EXPECT_FALSE(LoadCursorFile(dir.filePath("Missing.cur"), 1).has_value());
  QFile bad(dir.filePath("Bad.cur"));
  ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
  bad.write("not a cursor at all");
  bad.close();
  EXPECT_FALSE(LoadCursorFile(bad.fileName(), 1).has_value());
}

}  // namespace
