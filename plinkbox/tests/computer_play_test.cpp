#include <gtest/gtest.h>

#include <QMenuBar>
#include <vector>

#include "form1_fixture.h"
#include "play.h"

namespace {

class ComputerPlay : public Form1Test {
 protected:
  void Choose(ComputerLevel level) { form.ComputerCommands()->LevelCommand(level)->trigger(); }

  // How many cells show a blue disk.
  int BlueDisks() const {
    int count = 0;
    for (int i = 0; i < kCells; ++i) count += form.game().CellPicture(i) == Picture::Blue;
    return count;
  }

  // The column under the computer's disk, from where it flies.
  int ColumnUnderComputerDisk() const {
    const int x = form.ComputerDisk()->geometry().center().x();
    for (int k = 0; k < kColumns; ++k) {
      if (form.Arrow(k)->geometry().left() <= x && x <= form.Arrow(k)->geometry().right()) return k;
    }
    return -1;
  }

  // The cells that show the hint's see-through disk.
  std::vector<int> HintCells() const {
    std::vector<int> cells;
    for (int i = 0; i < kCells; ++i) {
      const QImage shown = form.Cell(i)->pixmap().toImage();
      if (shown == pictures.redHint.toImage() || shown == pictures.blueHint.toImage()) {
        cells.push_back(i);
      }
    }
    return cells;
  }
};

TEST_F(ComputerPlay, TheMenuOffersTheLevelsTheHintAndUndoAfterAbout) {
  const QList<QAction*> bar = form.menuBar()->actions();
  ASSERT_EQ(bar.size(), 5);
  EXPECT_EQ(bar[4]->menu(), form.ComputerCommands());
  QStringList items;
  for (QAction* action : form.ComputerCommands()->actions()) {
    items << (action->isSeparator() ? "-" : action->text() + " " + action->shortcut().toString());
  }
  EXPECT_EQ(items, QStringList({"&Off ", "&Easy ", "&Medium ", "&Hard ", "-", "H&int Ctrl+H",
                                "&Undo Ctrl+Z"}));
  EXPECT_EQ(form.ResetCommand()->shortcut().toString(), "Ctrl+N");

  const ComputerLevel levels[] = {ComputerLevel::Off, ComputerLevel::Easy, ComputerLevel::Medium,
                                  ComputerLevel::Hard};
  EXPECT_TRUE(form.ComputerCommands()->LevelCommand(ComputerLevel::Off)->isChecked());
  for (ComputerLevel chosen : levels) {
    Choose(chosen);
    EXPECT_EQ(form.ComputerCommands()->Level(), chosen);
    for (ComputerLevel level : levels) {
      EXPECT_EQ(form.ComputerCommands()->LevelCommand(level)->isChecked(), level == chosen);
    }
  }
}

TEST_F(ComputerPlay, WithTheComputerOffBlueStaysWithThePlayer) {
  ASSERT_TRUE(DragToArrow(form.RedDisk(), 3));
  scheduler.RunAll();
  EXPECT_EQ(scheduler.thoughts, 0);
  EXPECT_EQ(BlueDisks(), 0);
  EXPECT_TRUE(DragToArrow(form.BlueDisk(), 3));
  EXPECT_EQ(form.game().CellPicture(38), Picture::Blue);
}

TEST_F(ComputerPlay, TheComputersDiskFliesToItsArrowAndDropsInHalfASecond) {
  Choose(ComputerLevel::Easy);
  ASSERT_TRUE(DragToArrow(form.RedDisk(), 3));
  EXPECT_EQ(alerts.beeps, 1);
  // While the computer moves no disk can be dragged nor dropped by a key.
  EXPECT_EQ(PressOn(form.BlueDisk()), nullptr);
  EXPECT_EQ(PressOn(form.RedDisk()), nullptr);
  QTest::keyClick(&form, Qt::Key_2);
  EXPECT_EQ(form.game().MoveCount(), 1);
  EXPECT_FALSE(form.ComputerCommands()->HintCommand()->isEnabled());

  scheduler.Advance(0);
  EXPECT_TRUE(form.ComputerDisk()->isVisible());
  scheduler.Advance(DiskFlight::kTravelMs);
  const int column = ColumnUnderComputerDisk();
  ASSERT_NE(column, -1);
  EXPECT_EQ(form.ComputerDisk()->y(), form.Arrow(column)->geometry().center().y() - 16);
  EXPECT_EQ(BlueDisks(), 0);

  scheduler.Advance(DiskFlight::kDropMs - DiskFlight::kFrameMs);
  EXPECT_EQ(BlueDisks(), 0);
  scheduler.Advance(DiskFlight::kFrameMs);
  EXPECT_EQ(scheduler.Now(), 500);
  EXPECT_FALSE(form.ComputerDisk()->isVisible());
  EXPECT_EQ(BlueDisks(), 1);
  EXPECT_EQ(form.game().CellPicture(form.game().LandingCell(column) + kColumns), Picture::Blue);
  EXPECT_EQ(alerts.beeps, 2);
  EXPECT_TRUE(form.RedDisk()->isEnabled());
  EXPECT_EQ(form.RedFrame()->BorderStyle(), kBorderShown);
  EXPECT_TRUE(scheduler.Idle());
}

TEST_F(ComputerPlay, TheComputersFourIsShownLikeAPlayersFour) {
  PlayByKeys("016101");
  Choose(ComputerLevel::Easy);
  PlayByKeys("5");
  scheduler.RunAll();
  EXPECT_EQ(form.WinnerLabel()->text(), "PLAYER 2\r\n   WINS!");
  EXPECT_TRUE(form.WinnerFrame()->isVisible());
  // The line strikes cells 22 to 43 through, over the border between 29 and 36.
  EXPECT_EQ(PixelAt(OnLine(QPoint(172, 312))), QColor(Qt::red));
  EXPECT_EQ(alerts.beeps, 8);
  EXPECT_FALSE(form.RedDisk()->isEnabled());
  EXPECT_EQ(form.BlueFrame()->BorderStyle(), kBorderHidden);
}

TEST_F(ComputerPlay, AGameAgainstTheComputerEndsInAFullBoard) {
  PlayByKeys(kNoWinnerGame.substr(0, 46));
  Choose(ComputerLevel::Hard);
  EXPECT_EQ(scheduler.thoughts, 0);
  PlayByKeys(kNoWinnerGame.substr(46, 1));
  scheduler.RunAll();
  EXPECT_EQ(form.game().MoveCount(), 48);
  PlayByKeys(kNoWinnerGame.substr(48));
  EXPECT_EQ(form.WinnerLabel()->text(), "Board full.\r\n\r\nNo winner.");
  EXPECT_TRUE(alerts.warnings.isEmpty());
}

TEST_F(ComputerPlay, ALevelChosenWhileBlueIsToMoveTakesThatTurn) {
  PlayByKeys("3");
  Choose(ComputerLevel::Medium);
  EXPECT_FALSE(form.BlueDisk()->isEnabled());
  scheduler.RunAll();
  EXPECT_EQ(BlueDisks(), 1);
  EXPECT_TRUE(form.RedDisk()->isEnabled());
}

TEST_F(ComputerPlay, TurningTheComputerOffInFlightGivesBlueBackToThePlayer) {
  Choose(ComputerLevel::Easy);
  PlayByKeys("3");
  scheduler.Advance(100);
  Choose(ComputerLevel::Off);
  EXPECT_FALSE(form.ComputerDisk()->isVisible());
  EXPECT_TRUE(scheduler.Idle());
  EXPECT_TRUE(form.BlueDisk()->isEnabled());
  EXPECT_TRUE(DragToArrow(form.BlueDisk(), 3));
  EXPECT_EQ(form.game().CellPicture(38), Picture::Blue);
}

TEST_F(ComputerPlay, ANewGameByCtrlNStopsTheComputersMove) {
  Choose(ComputerLevel::Easy);
  PlayByKeys("3");
  scheduler.Advance(100);
  QTest::keyClick(&form, Qt::Key_N, Qt::ControlModifier);
  EXPECT_EQ(form.game().MoveCount(), 0);
  EXPECT_FALSE(form.ComputerDisk()->isVisible());
  scheduler.RunAll();
  EXPECT_EQ(form.game().MoveCount(), 0);
  EXPECT_TRUE(form.RedDisk()->isEnabled());
}

TEST_F(ComputerPlay, UndoAgainstTheComputerTakesBackAMoveOfEachSide) {
  Choose(ComputerLevel::Easy);
  EXPECT_FALSE(form.ComputerCommands()->UndoCommand()->isEnabled());
  QTest::keyClick(&form, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(form.game().MoveCount(), 0);

  PlayByKeys("3");
  scheduler.RunAll();
  PlayByKeys("3");
  scheduler.RunAll();
  ASSERT_EQ(form.game().MoveCount(), 4);
  QTest::keyClick(&form, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(form.game().MoveCount(), 2);
  EXPECT_EQ(Controls(form.game()), "red enabled, blue disabled, GO red");
  QTest::keyClick(&form, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(form.game().MoveCount(), 0);
  // The red disk has its border again, as at the start.
  EXPECT_EQ(Controls(form.game()), "red enabled+border, blue disabled, GO red");
  EXPECT_EQ(form.RedDisk()->BorderStyle(), kBorderShown);
  EXPECT_FALSE(form.ComputerCommands()->UndoCommand()->isEnabled());
}

TEST_F(ComputerPlay, UndoAfterTheComputersFourRestoresTheGame) {
  PlayByKeys("016101");
  Choose(ComputerLevel::Easy);
  PlayByKeys("5");
  scheduler.RunAll();
  ASSERT_TRUE(form.WinnerFrame()->isVisible());
  form.ComputerCommands()->UndoCommand()->trigger();
  EXPECT_FALSE(form.WinnerFrame()->isVisible());
  EXPECT_NE(PixelAt(OnLine(QPoint(172, 312))), QColor(Qt::red));
  EXPECT_EQ(form.game().MoveCount(), 6);
  EXPECT_EQ(Controls(form.game()), "red enabled, blue disabled, GO red");
  EXPECT_TRUE(form.RedDisk()->isEnabled());
}

TEST_F(ComputerPlay, UndoAfterAFullColumnWarningTakesBackTheMovesBeforeIt) {
  PlayByKeys("000000");
  Choose(ComputerLevel::Easy);
  PlayByKeys("1");
  scheduler.RunAll();
  ASSERT_EQ(form.game().MoveCount(), 8);
  form.ComputerCommands()->UndoCommand()->trigger();
  PlayByKeys("0");
  scheduler.RunAll();
  PlayByKeys("0");
  EXPECT_EQ(alerts.warnings.size(), 1);
  EXPECT_EQ(form.game().MoveCount(), 8);
  form.ComputerCommands()->UndoCommand()->trigger();
  EXPECT_EQ(form.game().MoveCount(), 6);
  EXPECT_TRUE(form.RedDisk()->isEnabled());
}

TEST_F(ComputerPlay, UndoInFlightTakesBackTheRedMove) {
  Choose(ComputerLevel::Easy);
  PlayByKeys("3");
  scheduler.Advance(300);
  form.ComputerCommands()->UndoCommand()->trigger();
  EXPECT_FALSE(form.ComputerDisk()->isVisible());
  scheduler.RunAll();
  EXPECT_EQ(form.game().MoveCount(), 0);
  EXPECT_TRUE(form.RedDisk()->isEnabled());
}

TEST_F(ComputerPlay, TheHintMarksHardsColumnForTheSideToMoveUntilTheMove) {
  // Red threatens to complete 42, 43, 44 at 45: blue has to block.
  PlayByKeys("06162");
  QTest::keyClick(&form, Qt::Key_H, Qt::ControlModifier);
  EXPECT_TRUE(HintCells().empty());
  scheduler.RunAll();
  EXPECT_EQ(HintCells(), std::vector<int>{45});
  EXPECT_TRUE(ShowsPicture(45, pictures.blueHint));
  // The keys' mark moves there too, so that Return drops into the hinted column.
  EXPECT_EQ(form.Arrow(3)->Mark(), QColor(0, 0, 220));
  QTest::keyClick(&form, Qt::Key_Return);
  EXPECT_EQ(form.game().CellPicture(45), Picture::Blue);
  EXPECT_TRUE(ShowsPicture(45, pictures.blueDisk));
  EXPECT_TRUE(HintCells().empty());
}

TEST_F(ComputerPlay, NoHintOnceTheGameIsOver) {
  PlayByKeys("0101010");
  EXPECT_FALSE(form.ComputerCommands()->HintCommand()->isEnabled());
  QTest::keyClick(&form, Qt::Key_H, Qt::ControlModifier);
  EXPECT_EQ(scheduler.thoughts, 0);
}

}  // namespace
