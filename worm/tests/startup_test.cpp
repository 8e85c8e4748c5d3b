#include "core/frm_worm.h"
#include "core/sound_bank.h"
#include "platform/scripted/scripted_platform.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QTemporaryDir>

namespace {

// A program folder with sprite sheets of the given sizes (PNG content under
// the ".gif" names; pictures are recognised by their content).
class StartupTest : public ::testing::Test {
 protected:
  StartupTest() { platform_.Folder = dir_.path() + '/'; }

  void MakeSheets(QSize worm = {96, 432}, QSize block = {120, 72}) {
    QDir(dir_.path()).mkpath("Picture");
    SaveSheet("WormClip.gif", worm);
    SaveSheet("BuildClip.gif", block);
  }

  void SaveSheet(const QString& name, QSize size) {
    QImage sheet(size, QImage::Format_RGB32);
    sheet.fill(Qt::darkGreen);
    ASSERT_TRUE(sheet.save(dir_.filePath("Picture/" + name), "PNG"));
  }

  QTemporaryDir dir_;
  ScriptedPlatform platform_;
  frmWorm form_{platform_};
};

TEST_F(StartupTest, LoadSetsUpTheWindowAndTheSharedState) {
  MakeSheets();
  platform_.Desktop = QSize(1280, 1024);
  ASSERT_TRUE(form_.Form_Load(QStringLiteral("/tracks/My.wdb")));

  EXPECT_EQ(form_.CommandLine, "/tracks/My.wdb");
  EXPECT_FALSE(platform_.CursorShown);
  EXPECT_TRUE(form_.W95.DisableKeys && form_.W95.DisableTaskSwitch);
  EXPECT_EQ(form_.DesktopWidth, 1280);
  EXPECT_EQ(form_.DesktopHeight, 1024);
  ASSERT_EQ(platform_.DisplayModes.size(), 1u);
  EXPECT_EQ(platform_.DisplayModes[0], QSize(640, 480));
  EXPECT_EQ(form_.AppName, "Vora");
  EXPECT_EQ(form_.PicturePath, platform_.Folder + "Picture/");
  EXPECT_EQ(form_.SoundPath, platform_.Folder + "Sound/");
  EXPECT_EQ(form_.CurserPath, platform_.Folder + "Curser/");
  EXPECT_EQ(form_.TrackPath, platform_.Folder + "Track/");
  EXPECT_EQ(form_.FontCharset.size(), 42);
  EXPECT_EQ(form_.CellSize, 12);
  EXPECT_EQ(form_.CurrentTrack, 1);
  EXPECT_EQ(form_.WormSheetDC, &form_.picWormClip.Kept());
  EXPECT_EQ(form_.WormSheetDC->Size(), QSize(96, 432));
  EXPECT_EQ(form_.BlockSheetDC->Size(), QSize(120, 72));
  EXPECT_TRUE(form_.tmrMainMenu.Enabled());
  EXPECT_EQ(form_.tmrMainMenu.Interval(), 250);

  const std::pair<const Label*, int> labels[] = {{&form_.lblKey[1], 326}, {&form_.lblKey[2], 361},
                                                 {&form_.lblKey[3], 396}, {&form_.lblLives, 125},
                                                 {&form_.lblBonus, 532}};
  for (const auto& [label, left] : labels) {
    EXPECT_EQ(label->Container, &form_.picHeadline);
    EXPECT_EQ(label->Rect().topLeft(), QPoint(left, 18));
    EXPECT_EQ(label->Caption(), "0");
  }
  EXPECT_EQ(form_.pgbShield.Rect().topLeft(), QPoint(208, 18));
  EXPECT_EQ(form_.pgbBreak.Rect().topLeft(), QPoint(430, 18));
  EXPECT_EQ(form_.pgbBreak.Max, 10);
}

TEST_F(StartupTest, SheetGeometryComesFromThePictureSizes) {
  const struct {
    QSize worm, block;
    int wormWidth, wormHeight, blockWidth, blockHeight;
  } cases[] = {{{96, 432}, {120, 72}, 12, 12, 12, 12},
               {{80, 360}, {100, 60}, 10, 10, 10, 10},
               {{84, 378}, {105, 63}, 10, 10, 10, 10},  // 10.5 rounds to even
               {{92, 414}, {115, 69}, 12, 12, 12, 12},  // 11.5 rounds to even
               {{90, 400}, {124, 70}, 11, 11, 12, 12}};
  for (const auto& c : cases) {
    MakeSheets(c.worm, c.block);
    frmWorm form(platform_);
    ASSERT_TRUE(form.Form_Load(QString()));
    EXPECT_EQ(form.WormCellWidth, c.wormWidth) << c.worm.width();
    EXPECT_EQ(form.WormCellHeight, c.wormHeight) << c.worm.height();
    EXPECT_EQ(form.BlockCellWidth, c.blockWidth) << c.block.width();
    EXPECT_EQ(form.BlockCellHeight, c.blockHeight) << c.block.height();
    EXPECT_EQ(form.WormSheetCols, 8);
    EXPECT_EQ(form.WormSheetRows, 36);
    EXPECT_EQ(form.BlockSheetCols, 10);
    EXPECT_EQ(form.BlockSheetRows, 6);
    EXPECT_EQ(form.CellSize, 12) << "positions stay on the 12-pixel grid";
  }
}

TEST_F(StartupTest, JoystickCentreIsHalfTheRangeRoundedToEven) {
  MakeSheets();
  const struct {
    JoystickCaps caps;
    int x, y;
  } cases[] = {{{65535, 65535}, 32768, 32768}, {{65533, 100}, 32766, 50}, {{1, 3}, 0, 2}};
  for (const auto& c : cases) {
    ScriptedPlatform platform;
    platform.Folder = platform_.Folder;
    platform.AttachJoystick(c.caps);
    frmWorm form(platform);
    ASSERT_TRUE(form.Form_Load(QString()));
    EXPECT_EQ(form.JoyCentreX, c.x);
    EXPECT_EQ(form.JoyCentreY, c.y);
  }
  ASSERT_TRUE(form_.Form_Load(QString()));
  EXPECT_EQ(form_.JoyCentreX, 0) << "no joystick";
  EXPECT_EQ(form_.JoyCentreY, 0);
}

TEST_F(StartupTest, MissingPicturesAreNamedInAMessage) {
  ASSERT_FALSE(form_.Form_Load(QString()));
  ASSERT_EQ(platform_.Questions.size(), 1u);
  EXPECT_TRUE(platform_.Questions[0].Text.contains("Picture")) << platform_.Questions[0].Text.toStdString();
  EXPECT_EQ(platform_.Questions[0].Caption, "The Vora");
  EXPECT_EQ(platform_.Questions[0].Icon, MessageIcon::Critical);
  EXPECT_TRUE(platform_.CursorShown) << "the message can be answered with the mouse";

  MakeSheets();
  QFile::remove(dir_.filePath("Picture/BuildClip.gif"));
  ASSERT_FALSE(form_.Form_Load(QString()));
  EXPECT_TRUE(platform_.Questions.back().Text.contains("BuildClip.gif"));
}

TEST_F(StartupTest, FirstActivationLoadsTheSoundBankOnce) {
  MakeSheets();
  ASSERT_TRUE(form_.Form_Load(QString()));
  form_.Form_Activate();
  form_.Form_Activate();

  EXPECT_EQ(platform_.SoundInitialiseCalls, 1);
  ASSERT_EQ(platform_.LoadedSounds.size(), 34u);
  for (int slot = 0; slot < SoundCount; ++slot) {
    EXPECT_EQ(platform_.LoadedSounds[slot].Slot, slot);
    EXPECT_EQ(platform_.LoadedSounds[slot].Path, form_.SoundPath + SoundFileNames[slot]);
  }
  EXPECT_EQ(platform_.LoadedSounds[0].Path, form_.SoundPath + "Applaus.wav");
  EXPECT_EQ(platform_.LoadedSounds[21].Path, form_.SoundPath + "Pip.wav");
  EXPECT_EQ(platform_.LoadedSounds[33].Path, form_.SoundPath + "Xlife.wav");

  form_.PlaySoundEffect(4);
  form_.PlaySoundEffect(4);
  ASSERT_EQ(platform_.PlayedSounds.size(), 2u) << "a repeated sound starts again";

  form_.ExitProgram();
  EXPECT_EQ(platform_.SoundShutDownCalls, 1);
  EXPECT_TRUE(platform_.CursorShown);
  EXPECT_FALSE(form_.W95.DisableKeys || form_.W95.DisableTaskSwitch);
  EXPECT_EQ(platform_.DisplayModes.back(), QSize(1920, 1080));
  EXPECT_EQ(platform_.ExitCode, 0);
}

TEST_F(StartupTest, WithoutSoundTheRunIsSilentAndExitSkipsShutDown) {
  MakeSheets();
  platform_.SoundInitialiseResult = 258;  // converted to a byte: 2
  ASSERT_TRUE(form_.Form_Load(QString()));
  form_.Form_Activate();
  EXPECT_EQ(form_.SoundStatus, 2);
  EXPECT_TRUE(platform_.LoadedSounds.empty());

  form_.PlaySoundEffect(10);
  EXPECT_TRUE(platform_.PlayedSounds.empty());
  form_.ExitProgram();
  EXPECT_EQ(platform_.SoundShutDownCalls, 0);
  EXPECT_EQ(platform_.ExitCode, 0);
}

TEST_F(StartupTest, WaitMsMovesTheClockByItsTime) {
  form_.WaitMs(0);
  form_.WaitMs(-5);
  EXPECT_EQ(platform_.TickCount(), 0);
  EXPECT_TRUE(platform_.Waits.empty()) << "no wait at all";
  form_.WaitMs(12);
  form_.WaitMs(40);
  EXPECT_EQ(platform_.TickCount(), 52);
}

TEST_F(StartupTest, ClosingTheWindowInsideABusyLoopEndsTheProgram) {
  MakeSheets();
  ASSERT_TRUE(form_.Form_Load(QString()));
  form_.Form_Activate();
  platform_.CloseWindowAt(100);

  int passes = 0;
  form_.RunEvent([&] {
    for (;;) {
      ++passes;
      form_.WaitMs(12);
    }
  });

  EXPECT_EQ(passes, 9);
  EXPECT_EQ(platform_.ExitCode, 0);
  EXPECT_EQ(platform_.SoundShutDownCalls, 1);
  EXPECT_TRUE(platform_.CursorShown);
  EXPECT_FALSE(form_.tmrMainMenu.Enabled());

  bool ran = false;
  form_.RunEvent([&] { ran = true; });
  EXPECT_FALSE(ran) << "nothing runs after the end";
}

TEST_F(StartupTest, MainMenuTimerFiresEvery250Ms) {
  MakeSheets();
  ASSERT_TRUE(form_.Form_Load(QString()));
  std::vector<std::int64_t> fired;
  form_.tmrMainMenu.OnTimer = [&] {
    fired.push_back(platform_.Now);
    if (fired.size() == 2) form_.tmrMainMenu.SetEnabled(false);
  };
  while (platform_.FireNextTimer()) {
  }
  EXPECT_EQ(fired, (std::vector<std::int64_t>{250, 500}));
}

}  // namespace
