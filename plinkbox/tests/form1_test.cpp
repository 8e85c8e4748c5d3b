#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDrag>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include "desktop_alerts.h"
#include "form1.h"
#include "messages.h"
#include "play.h"

namespace {

class ScriptedAlerts : public Alerts {
 public:
  void Warning(const QString& caption, const QString& text) override {
    warnings << caption + "|" + text;
  }
  void Information(const QString& caption, const QString& text) override {
    informations << caption + "|" + text;
  }
  void Message(const QString& caption, const QString& text) override {
    messages << caption + "|" + text;
  }
  void Beep() override { ++beeps; }

  QStringList warnings;
  QStringList informations;
  QStringList messages;
  int beeps = 0;
};

class Form1Test : public testing::Test {
 protected:
  Form1Test() : form(alerts) {
    form.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&form));
  }

  // Presses the mouse on a disk; returns the drag it started, if any.
  QDrag* PressOn(DiskImage* disk) {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QTest::mousePress(disk, Qt::LeftButton, {}, disk->rect().center());
    QTest::mouseRelease(disk, Qt::LeftButton, {}, disk->rect().center());
    return disk->findChild<QDrag*>();
  }

  // Releases a drag at a point of the window: the drop goes to the widget
  // there that takes drops, or to its nearest parent that does.
  bool DropAt(QDrag* drag, QPoint windowPoint) { return DropAt(drag->mimeData(), windowPoint); }

  bool DropAt(const QMimeData* data, QPoint windowPoint) {
    QWidget* site = form.childAt(windowPoint);
    while (site != nullptr && !site->acceptDrops()) site = site->parentWidget();
    if (site == nullptr) return false;
    const QPoint local = site->mapFrom(&form, windowPoint);
    QDragEnterEvent enter(local, Qt::MoveAction, data, Qt::LeftButton, {});
    QApplication::sendEvent(site, &enter);
    if (!enter.isAccepted()) return false;
    QDropEvent drop(local, Qt::MoveAction, data, Qt::NoButton, {});
    QApplication::sendEvent(site, &drop);
    return drop.isAccepted();
  }

  QPoint ArrowPoint(int k) const { return form.Arrow(k)->mapTo(&form, QPoint(17, 30)); }

  bool DragToArrow(DiskImage* disk, int k) {
    QDrag* drag = PressOn(disk);
    return drag != nullptr && DropAt(drag, ArrowPoint(k));
  }

  void PlayByKeys(const std::string& columns) {
    for (char column : columns) {
      for (int step = 0; step < kColumns; ++step) QTest::keyClick(&form, Qt::Key_Left);
      for (int step = 0; step < column - '0'; ++step) QTest::keyClick(&form, Qt::Key_Right);
      QTest::keyClick(&form, Qt::Key_Return);
    }
  }

  bool ShowsPicture(int cell, const QPixmap& picture) const {
    return form.Cell(cell)->pixmap().toImage() == picture.toImage();
  }

  QColor PixelAt(QPoint windowPoint) { return form.grab().toImage().pixelColor(windowPoint); }

  ScriptedAlerts alerts;
  Form1 form;
  Pictures pictures;
};

TEST_F(Form1Test, WindowHasItsTitleSizeMenuAndPlaces) {
  EXPECT_EQ(form.windowTitle(), "Plinkett");
  EXPECT_EQ(form.minimumSize(), form.maximumSize());
  EXPECT_EQ(form.centralWidget()->size(), QSize(501, 412));
  EXPECT_EQ(form.centralWidget()->palette().color(QPalette::Window), QColor(0, 255, 255));
  QStringList commands;
  for (QAction* action : form.menuBar()->actions()) commands << action->text();
  EXPECT_EQ(commands, QStringList({"How To &Play", "&Reset", "E&xit", "&About"}));
  EXPECT_EQ(form.RedFrame()->geometry(), QRect(176, 0, 65, 57));
  EXPECT_EQ(form.BlueFrame()->geometry(), QRect(272, 0, 65, 57));
  EXPECT_EQ(form.RedDisk()->geometry(), QRect(16, 16, 32, 32));
  EXPECT_EQ(form.Arrow(6)->geometry(), QRect(360, 64, 34, 43));
  EXPECT_EQ(form.Cell(0)->geometry(), QRect(112, 112, 41, 41));
  EXPECT_EQ(form.Cell(48)->geometry(), QRect(352, 352, 41, 41));
  EXPECT_EQ(form.WinnerFrame()->geometry(), QRect(8, 48, 97, 89));
}

TEST_F(Form1Test, DraggingTheRedDiskOntoAnArrowDropsItIntoThatColumn) {
  QDrag* drag = PressOn(form.RedDisk());
  ASSERT_NE(drag, nullptr);
  EXPECT_EQ(drag->pixmap().toImage(), pictures.redDisk.toImage());
  EXPECT_TRUE(DropAt(drag, ArrowPoint(2)));
  EXPECT_TRUE(ShowsPicture(44, pictures.redDisk));
  EXPECT_EQ(form.game().board()[44], kRedMark);
  EXPECT_EQ(alerts.beeps, 1);
  EXPECT_FALSE(form.RedDisk()->isEnabled());
  EXPECT_TRUE(form.BlueDisk()->isEnabled());
  EXPECT_EQ(form.BlueFrame()->BorderStyle(), kBorderShown);
  EXPECT_EQ(form.RedFrame()->BorderStyle(), kBorderHidden);

  EXPECT_TRUE(DragToArrow(form.BlueDisk(), 2));
  EXPECT_TRUE(ShowsPicture(37, pictures.blueDisk));
  EXPECT_EQ(alerts.beeps, 2);
}

TEST_F(Form1Test, TheRedDiskLosesItsBorderForGoodWhileTheBlueOneGetsItBack) {
  EXPECT_EQ(form.RedDisk()->BorderStyle(), kBorderShown);
  EXPECT_EQ(form.BlueDisk()->BorderStyle(), kBorderHidden);
  const int expected[][2] = {{kBorderHidden, kBorderShown},
                             {kBorderHidden, kBorderHidden},
                             {kBorderHidden, kBorderShown}};
  for (const auto& borders : expected) {
    PlayByKeys("0");
    EXPECT_EQ(form.RedDisk()->BorderStyle(), borders[0]);
    EXPECT_EQ(form.BlueDisk()->BorderStyle(), borders[1]);
  }
}

TEST_F(Form1Test, DroppingAnywhereButOnAnArrowDoesNothing) {
  const QPoint elsewhere[] = {form.Cell(44)->mapTo(&form, QPoint(20, 20)),
                              form.BlueFrame()->mapTo(&form, QPoint(30, 30)),
                              QPoint(480, 200)};
  for (QPoint point : elsewhere) {
    EXPECT_FALSE(DropAt(PressOn(form.RedDisk()), point));
  }
  EXPECT_EQ(form.game().MoveCount(), 0);
  EXPECT_EQ(alerts.beeps, 0);
  EXPECT_TRUE(form.RedDisk()->isEnabled());
}

TEST_F(Form1Test, ADisabledDiskDoesNotDrag) {
  EXPECT_EQ(PressOn(form.BlueDisk()), nullptr);
  EXPECT_EQ(form.game().MoveCount(), 0);
}

TEST_F(Form1Test, TheDiskOfTheSideNotToMoveCannotComeFromElsewhere) {
  QMimeData blueFromElsewhere;
  blueFromElsewhere.setData(DiskImage::kMimeType, "B");
  DropAt(&blueFromElsewhere, ArrowPoint(3));
  EXPECT_EQ(form.game().MoveCount(), 0);
  EXPECT_EQ(alerts.beeps, 0);
  EXPECT_TRUE(form.RedDisk()->isEnabled());
  EXPECT_TRUE(DragToArrow(form.RedDisk(), 3));
  EXPECT_EQ(form.game().board()[45], kRedMark);
}

TEST_F(Form1Test, AFullColumnWarnsAndTheSameSideMovesAgain) {
  for (int drop = 0; drop < 7; ++drop) {
    ASSERT_TRUE(DragToArrow(drop % 2 == 0 ? form.RedDisk() : form.BlueDisk(), 0));
  }
  EXPECT_TRUE(alerts.warnings.isEmpty());
  EXPECT_TRUE(DragToArrow(form.BlueDisk(), 0));
  EXPECT_EQ(alerts.warnings,
            QStringList({"Plinkett|Column is full.\n\rChoose another column."}));
  EXPECT_EQ(alerts.beeps, 7);
  EXPECT_EQ(form.game().MoveCount(), 7);
  EXPECT_TRUE(form.BlueDisk()->isEnabled());
  EXPECT_FALSE(form.RedDisk()->isEnabled());
  EXPECT_TRUE(DragToArrow(form.BlueDisk(), 1));
  EXPECT_TRUE(ShowsPicture(43, pictures.blueDisk));
}

TEST_F(Form1Test, AFourShowsTheWinnerAndTheRedLineUntilReset) {
  PlayByKeys("0101010");
  EXPECT_TRUE(form.WinnerFrame()->isVisible());
  EXPECT_EQ(form.WinnerLabel()->text(), "PLAYER 1\r\n   WINS!");
  EXPECT_EQ(form.RedFrame()->BorderStyle(), kBorderHidden);
  EXPECT_EQ(form.BlueFrame()->BorderStyle(), kBorderHidden);
  EXPECT_EQ(PressOn(form.RedDisk()), nullptr);
  EXPECT_EQ(PressOn(form.BlueDisk()), nullptr);
  // Between cells 28 and 35 the line lies over the cells' border.
  const QPoint onLine = form.centralWidget()->mapTo(&form, QPoint(132, 312));
  EXPECT_EQ(PixelAt(onLine), QColor(Qt::red));

  form.ResetCommand()->trigger();
  EXPECT_FALSE(form.WinnerFrame()->isVisible());
  EXPECT_TRUE(ShowsPicture(42, pictures.bullsEye));
  EXPECT_NE(PixelAt(onLine), QColor(Qt::red));
  EXPECT_TRUE(form.RedDisk()->isEnabled());
  EXPECT_EQ(form.RedFrame()->BorderStyle(), kBorderShown);
}

TEST_F(Form1Test, TheFortyNinthDiskWithoutAFourEndsInAFullBoard) {
  PlayByKeys(kNoWinnerGame);
  EXPECT_EQ(form.game().MoveCount(), 49);
  EXPECT_EQ(alerts.beeps, 49);
  EXPECT_TRUE(form.WinnerFrame()->isVisible());
  EXPECT_EQ(form.WinnerLabel()->text(), "Board full.\r\n\r\nNo winner.");
  EXPECT_FALSE(form.RedDisk()->isEnabled());
  EXPECT_FALSE(form.BlueDisk()->isEnabled());
  EXPECT_EQ(form.RedFrame()->BorderStyle(), kBorderHidden);
  EXPECT_EQ(form.BlueFrame()->BorderStyle(), kBorderHidden);
  EXPECT_TRUE(alerts.warnings.isEmpty());
}

TEST_F(Form1Test, KeysChooseAColumnMarkedInTheColourOfTheSideToMove) {
  for (int k = 0; k < kColumns; ++k) EXPECT_FALSE(form.Arrow(k)->Marked());
  QTest::keyClick(&form, Qt::Key_Right);
  QTest::keyClick(&form, Qt::Key_Right);
  EXPECT_TRUE(form.Arrow(5)->Marked());
  EXPECT_FALSE(form.Arrow(3)->Marked());
  for (int step = 0; step < 3; ++step) QTest::keyClick(&form, Qt::Key_Right);
  EXPECT_TRUE(form.Arrow(6)->Marked());

  const Qt::Key drops[] = {Qt::Key_Down, Qt::Key_Space, Qt::Key_Return};
  for (Qt::Key key : drops) QTest::keyClick(&form, key);
  EXPECT_TRUE(ShowsPicture(48, pictures.redDisk));
  EXPECT_TRUE(ShowsPicture(41, pictures.blueDisk));
  EXPECT_TRUE(ShowsPicture(34, pictures.redDisk));
  EXPECT_EQ(alerts.beeps, 3);
  EXPECT_TRUE(form.Arrow(6)->Marked());

  form.ResetCommand()->trigger();
  EXPECT_FALSE(form.Arrow(6)->Marked());
}

TEST_F(Form1Test, MenuShowsTheRulesAndTheCredits) {
  form.HowToPlayCommand()->trigger();
  ASSERT_EQ(alerts.informations.size(), 1);
  const QString rules = alerts.informations[0];
  const QString fixedPart =
      "Plinkett|Each player chooses an icon. When your icon says GO, drag it onto to any "
      "column's numbered arrow and release it.The icon will drop and rest on the top-most "
      "icon already there. Once you'v dropped an icon, you can't retrieve it. When you form "
      "a line of 4 of your own icons anywhere in the grid either horizontally,vertically, or "
      "at a 45\u00b0 angle (up, down, to the right, or to the left), you win! You have to "
      "think ahead to block your opponent from getting 4 of his/her icons in a line, but at "
      "the same time you have to give yourself the opportunity to win. To practice, be both "
      "players yourself. For a new game, press Reset.\n\r\n\r";
  EXPECT_TRUE(rules.startsWith(fixedPart)) << rules.toStdString();
  EXPECT_EQ(rules.count("\n\r"), 4);

  form.AboutCommand()->trigger();
  ASSERT_EQ(alerts.messages.size(), 1);
  EXPECT_TRUE(alerts.messages[0].startsWith("Plinkett|"));
  EXPECT_EQ(alerts.messages[0].count("\n\r"), 3);
}

TEST_F(Form1Test, ResetCentresTheWindowAndExitClosesIt) {
  form.move(0, 0);
  form.ResetCommand()->trigger();
  const QRect screenArea = form.screen()->geometry();
  const QSize size = form.frameGeometry().size();
  EXPECT_EQ(form.frameGeometry().topLeft(),
            QPoint(screenArea.x() + (screenArea.width() - size.width()) / 2,
                   screenArea.y() + (screenArea.height() - size.height()) / 2));

  form.ExitCommand()->trigger();
  EXPECT_FALSE(form.isVisible());
}

TEST(DesktopAlerts, TheWarningIsAModalBoxWithAnExclamationIcon) {
  DesktopAlerts alerts;
  QString seen;
  QTimer::singleShot(0, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->icon(), QMessageBox::Warning);
    EXPECT_EQ(box->windowTitle(), "Plinkett");
    seen = box->text();
    box->button(QMessageBox::Ok)->click();
  });
  alerts.Warning(kGameTitle, ColumnFullText());
  // Each LF CR of the text is one line break on the screen.
  EXPECT_EQ(seen, "Column is full.\nChoose another column.");
}

}  // namespace
