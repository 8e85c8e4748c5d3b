#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>
#include <cmath>

#include "desktop_alerts.h"
#include "form1_fixture.h"
#include "messages.h"
#include "play.h"

namespace {

// Relative luminance of a colour, on the sRGB scale.
double Luminance(const QColor& colour) {
  auto linear = [](double channel) {
    return channel <= 0.03928 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
         0.0722 * linear(colour.blueF());
}

double ContrastOnCyan(const QColor& colour) {
  return (Luminance(QColor(0, 255, 255)) + 0.05) / (Luminance(colour) + 0.05);
}

TEST_F(Form1Test, WindowHasItsTitleSizeMenuAndPlaces) {
  EXPECT_EQ(form.windowTitle(), "Plinkett");
  EXPECT_EQ(form.minimumSize(), form.maximumSize());
  EXPECT_EQ(form.centralWidget()->size(), QSize(501, 412));
  EXPECT_EQ(form.centralWidget()->palette().color(QPalette::Window), QColor(0, 255, 255));
  QStringList commands;
  for (QAction* action : form.menuBar()->actions()) commands << action->text();
  EXPECT_EQ(commands, QStringList({"How To &Play", "&Reset", "E&xit", "&About", "&Computer"}));
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

// The keyboard's mark as "column colour", e.g. "3 red"; "none" without one.
std::string KeyboardMark(const Form1& form) {
  std::string marks;
  for (int k = 0; k < kColumns; ++k) {
    const QColor mark = form.Arrow(k)->Mark();
    if (!mark.isValid()) continue;
    if (!marks.empty()) marks += ", ";
    marks += std::to_string(k) + (mark.red() > mark.blue() ? " red" : " blue");
  }
  return marks.empty() ? "none" : marks;
}

TEST_F(Form1Test, KeysChooseAColumnMarkedFromTheStartForTheSideToMove) {
  EXPECT_EQ(KeyboardMark(form), "3 red");
  QTest::keyClick(&form, Qt::Key_Right);
  QTest::keyClick(&form, Qt::Key_Right);
  EXPECT_EQ(KeyboardMark(form), "5 red");
  for (int step = 0; step < 3; ++step) QTest::keyClick(&form, Qt::Key_Right);
  EXPECT_EQ(KeyboardMark(form), "6 red");

  QTest::keyClick(&form, Qt::Key_Down);
  EXPECT_EQ(KeyboardMark(form), "6 blue");
  QTest::keyClick(&form, Qt::Key_Space);
  QTest::keyClick(&form, Qt::Key_Return);
  EXPECT_TRUE(ShowsPicture(48, pictures.redDisk));
  EXPECT_TRUE(ShowsPicture(41, pictures.blueDisk));
  EXPECT_TRUE(ShowsPicture(34, pictures.redDisk));
  EXPECT_EQ(alerts.beeps, 3);

  form.ResetCommand()->trigger();
  EXPECT_EQ(KeyboardMark(form), "3 red");
  PlayByKeys("0101010");
  EXPECT_EQ(KeyboardMark(form), "none");
}

TEST_F(Form1Test, NumberKeysDropStraightIntoTheirColumn) {
  const struct {
    int key;
    Qt::KeyboardModifiers modifiers;
    int cell;
  } drops[] = {{Qt::Key_1, Qt::NoModifier, 42},     {Qt::Key_7, Qt::NoModifier, 48},
               {Qt::Key_4, Qt::KeypadModifier, 45}, {Qt::Key_4, Qt::NoModifier, 38},
               {Qt::Key_1, Qt::NoModifier, 35}};
  Picture expected = Picture::Red;
  for (const auto& drop : drops) {
    QTest::keyClick(&form, static_cast<Qt::Key>(drop.key), drop.modifiers);
    EXPECT_EQ(form.game().CellPicture(drop.cell), expected) << drop.cell;
    expected = expected == Picture::Red ? Picture::Blue : Picture::Red;
  }
  EXPECT_EQ(KeyboardMark(form), "0 blue");
  const Qt::Key ignored[] = {Qt::Key_0, Qt::Key_8, Qt::Key_9};
  for (Qt::Key key : ignored) QTest::keyClick(&form, key);
  QTest::keyClick(&form, Qt::Key_2, Qt::AltModifier);
  EXPECT_EQ(form.game().MoveCount(), 5);
}

TEST_F(Form1Test, ThePlayerLabelsAreGreyedInAGreyThatReadsOnCyan) {
  for (int player : {1, 2}) {
    QLabel* label = form.PlayerLabel(player);
    EXPECT_FALSE(label->isEnabled());
    const QImage picture = label->grab().toImage();
    QColor darkest = Qt::white;
    for (int y = 0; y < picture.height(); ++y) {
      for (int x = 0; x < picture.width(); ++x) {
        const QColor pixel = picture.pixelColor(x, y);
        if (pixel.lightness() < darkest.lightness()) darkest = pixel;
      }
    }
    // Grey, neither black nor coloured, at a contrast of 4.5 to 1 or more on cyan.
    EXPECT_EQ(darkest.red(), darkest.green());
    EXPECT_EQ(darkest.green(), darkest.blue());
    EXPECT_GT(darkest.red(), 0);
    EXPECT_GE(ContrastOnCyan(darkest), 4.5) << darkest.name().toStdString();
  }
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
