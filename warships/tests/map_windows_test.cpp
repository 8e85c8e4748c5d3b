#include "core/ship_placement.h"
#include "tests/test_doubles.h"
#include "window/enemy_map_window.h"
#include "window/home_map_window.h"
#include "window/start_window.h"

#include <QApplication>
#include <QScreen>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

int CountPixels(const QImage& image, QColor color)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += image.pixelColor(x, y) == color;
    return count;
}

TEST(MapWindows, SizesCaptionsAndCellPlaces)
{
    Form1 form1;
    Form2 form2;
    EXPECT_EQ(form1.size(), QSize(321, 241));
    EXPECT_EQ(form2.size(), QSize(321, 242));
    EXPECT_EQ(form1.windowTitle(), "Map of Enemy Territory");
    EXPECT_EQ(form2.windowTitle(), "Map of Home Base");
    // The enemy map can be closed but not minimised or maximised; the home
    // map has no buttons and stays out of the task bar.
    EXPECT_TRUE(form1.windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(form1.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    EXPECT_FALSE(form2.windowFlags() & (Qt::WindowCloseButtonHint | Qt::WindowMinMaxButtonsHint));
    EXPECT_EQ(form2.windowType(), Qt::Tool);
    for (auto [index, place] : {std::pair{0, QPoint(0, 0)}, {9, QPoint(288, 0)}, {37, QPoint(224, 72)}, {99, QPoint(288, 216)}}) {
        EXPECT_EQ(form1.Image1(index)->geometry(), QRect(place, QSize(33, 25))) << index;
        EXPECT_EQ(form2.Image1(index)->geometry(), QRect(place, QSize(33, 25))) << index;
    }
}

TEST(MapWindows, ClickOnAnEnemyCellShootsAndTheComputerAnswers)
{
    Form1 form1;
    Form2 form2;
    SeededRandom random(3);
    Battle battle(form1, form2, true, random);
    form1.SetBattle(&battle);
    form1.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form1));

    for (int index : {37, 64}) {
        CellBox* cell = form1.Image1(index);
        QTest::mouseClick(cell, Qt::LeftButton, {}, QPoint(16, 12));
        const bool hit = battle.Computer.ShipCells[index];
        ASSERT_EQ(cell->Marks().size(), 1u);
        EXPECT_EQ(cell->Marks()[0], hit ? HitMark() : MissMark());

        // The text is drawn in its colour, inside the border.
        const QImage image = cell->grab().toImage();
        EXPECT_GT(CountPixels(image, hit ? Qt::red : Qt::black), 0);
        EXPECT_EQ(CountPixels(image, Qt::red) > 0, hit);
    }
    EXPECT_EQ(std::count(battle.Computer.ShotCells.begin(), battle.Computer.ShotCells.end(), true), 2);

    // A second click on the same cell changes nothing.
    QTest::mouseClick(form1.Image1(37), Qt::LeftButton);
    EXPECT_EQ(form1.Image1(37)->Marks().size(), 1u);
    EXPECT_EQ(std::count(battle.Computer.ShotCells.begin(), battle.Computer.ShotCells.end(), true), 2);
}

// The cell's picture inside the frame of the latest shot.
QImage InsideFrame(CellBox* cell)
{
    return cell->grab().toImage().copy(cell->rect().adjusted(2, 2, -2, -2));
}

TEST(MapWindows, LatestShotIsFramedUntilTheNextOneAndItsTextStays)
{
    Form2 form2;
    form2.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form2));
    form2.PrintCell(44, MissMark());
    form2.PrintCell(45, HitMark());
    const QImage missText = InsideFrame(form2.Image1(44));
    const QImage hitText = InsideFrame(form2.Image1(45));

    form2.MarkLastShot(44);
    EXPECT_TRUE(form2.Image1(44)->Framed());
    EXPECT_EQ(InsideFrame(form2.Image1(44)), missText);
    EXPECT_EQ(form2.Image1(44)->Marks(), std::vector<CellMark>{MissMark()});
    // All four sides show, also those shared with the neighbours drawn later.
    const QImage window = form2.grab().toImage();
    const QRect cell = form2.Image1(44)->geometry();
    for (QPoint side : {QPoint(cell.left(), cell.center().y()), QPoint(cell.right(), cell.center().y()),
                        QPoint(cell.center().x(), cell.top()), QPoint(cell.center().x(), cell.bottom())})
        EXPECT_EQ(window.pixelColor(side), CellBox::FrameColor) << side.x() << "," << side.y();

    form2.MarkLastShot(45);
    EXPECT_FALSE(form2.Image1(44)->Framed());
    EXPECT_TRUE(form2.Image1(45)->Framed());
    EXPECT_EQ(CountPixels(form2.Image1(44)->grab().toImage(), CellBox::FrameColor), 0);
    EXPECT_EQ(InsideFrame(form2.Image1(44)), missText);
    EXPECT_EQ(InsideFrame(form2.Image1(45)), hitText);
}

TEST(MapWindows, EndMessageLeavesBothMapsInSight)
{
    Form1 form1;
    Form2 form2;
    SeededRandom random(5);
    Battle battle(form1, form2, false, random);
    form1.SetBattle(&battle);
    form1.SetHomeMap(&form2);
    form1.move(0, 0);
    form2.move(form1.frameGeometry().right() + 1, 0);
    form1.show();
    form2.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form2));

    int shipCell = 0;
    while (!battle.Computer.ShipCells[shipCell])
        ++shipCell;
    battle.Enemy.Hits = FleetCells - 1;
    QRect box;
    QString title;
    QTimer::singleShot(0, [&] {
        QWidget* shown = QApplication::activeModalWidget();
        ASSERT_NE(shown, nullptr);
        box = shown->frameGeometry();
        title = shown->windowTitle();
        shown->close();
    });
    QTest::mouseClick(form1.Image1(shipCell), Qt::LeftButton);

    EXPECT_EQ(title, "You Win");
    EXPECT_FALSE(box.isEmpty());
    EXPECT_FALSE(box.intersects(form1.frameGeometry()));
    EXPECT_FALSE(box.intersects(form2.frameGeometry()));
    EXPECT_TRUE(form1.screen()->availableGeometry().contains(box));
}

TEST(StartWindow, PlayLeavesWithTheChoiceAndEscapeDoesNot)
{
    Form3 form3;
    form3.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form3));
    EXPECT_EQ(form3.size(), QSize(104, 125));
    EXPECT_TRUE(form3.Easy());

    QTest::keyClick(&form3, Qt::Key_Escape);
    EXPECT_TRUE(form3.isVisible());

    QTest::mouseClick(form3.findChildren<QRadioButton*>().at(1), Qt::LeftButton);
    EXPECT_FALSE(form3.Easy());
    QTest::mouseClick(form3.Command1(), Qt::LeftButton);
    EXPECT_FALSE(form3.isVisible());
    EXPECT_EQ(form3.result(), QDialog::Accepted);
}

} // namespace
