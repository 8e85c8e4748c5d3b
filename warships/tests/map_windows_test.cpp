#include "tests/test_doubles.h"
#include "window/enemy_map_window.h"
#include "window/home_map_window.h"
#include "window/start_window.h"

#include <QPushButton>
#include <QRadioButton>
#include <QTest>
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
