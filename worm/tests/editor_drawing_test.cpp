#include "core/block_codes.h"
#include "editor/grid_lines.h"
#include "editor_fixture.h"

#include <set>

namespace {

using Cells = std::set<std::pair<int, int>>;

// The inner cells of the current track that hold code.
Cells CellsHolding(const TrackRecord& track, std::uint8_t code) {
  Cells cells;
  for (int x = 1; x <= 51; ++x)
    for (int y = 1; y <= 35; ++y)
      if (track.Blocks[BlockIndex(x, y)] == code) cells.insert({x, y});
  return cells;
}

Cells Rectangle(int left, int top, int right, int bottom, bool hollow) {
  Cells cells;
  for (int x = left; x <= right; ++x)
    for (int y = top; y <= bottom; ++y)
      if (!hollow || x == left || x == right || y == top || y == bottom) cells.insert({x, y});
  return cells;
}

class EditorDrawingTest : public EditorFixture {};

TEST_F(EditorDrawingTest, RectanglesDraggedBackwardsCoverTheirCells) {
  for (const bool hollow : {false, true}) {
    SCOPED_TRACE(hollow ? "hollow" : "filled");
    ClickButton(hollow ? 3 : 2);
    ChooseBlock(WallHardButton);
    DragCells(10, 5, 3, 8);
    EXPECT_EQ(CellsHolding(Track(), Blocks::WallHard), Rectangle(3, 5, 10, 8, hollow));
    ChooseBlock(DirtButton);
    ClickButton(2);
    DragCells(1, 1, 51, 35);
  }
  EXPECT_TRUE(CellsHolding(Track(), Blocks::WallHard).empty());
}

TEST_F(EditorDrawingTest, TheRubberBandIsInvertedAndCoveredByTheCells) {
  ClickButton(2);
  ChooseBlock(WallHardButton);
  const QImage before = PlayField();
  Press(CellPoint(4, 4));
  MoveTo(CellPoint(6, 5));
  const QImage banded = PlayField();
  EXPECT_NE(banded.pixel(4 * 12, 4 * 12), before.pixel(4 * 12, 4 * 12)) << "corner inverted";
  EXPECT_EQ(banded.pixel(4 * 12 + 1, 4 * 12), before.pixel(4 * 12 + 1, 4 * 12)) << "dotted";
  EXPECT_EQ(banded.pixel(5 * 12, 4 * 12 + 6), before.pixel(5 * 12, 4 * 12 + 6)) << "inside untouched";
  MoveTo(CellPoint(4, 4));
  MoveTo(CellPoint(6, 5));
  EXPECT_EQ(PlayField(), banded) << "each move takes the last band away";
  Release(CellPoint(6, 5));
  EXPECT_TRUE(ShowsSheetCell(PlayField(), 4 * 12, 4 * 12, Blocks::WallHard));
  EXPECT_TRUE(ShowsSheetCell(PlayField(), 6 * 12, 5 * 12, Blocks::WallHard));
}

TEST_F(EditorDrawingTest, AClickWithoutMovingDrawsNothingButRecordsASnapshot) {
  editor.TrackTested[1] = true;
  ClickButton(2);
  ChooseBlock(WallHardButton);
  const TrackRecord before = Track();
  Press(CellPoint(7, 7));
  Release(CellPoint(7, 7));
  EXPECT_EQ(Track(), before);
  EXPECT_EQ(editor.Undo.UndoNr(), 1);
  EXPECT_FALSE(editor.TrackTested[1]);
  EXPECT_TRUE(editor.Changed);
  EXPECT_TRUE(editor.Controls.cmdDatabase[2].Enabled) << "Save";
}

TEST_F(EditorDrawingTest, ThePenDrawsTheCellsWhereMovesArrive) {
  ChooseBlock(WallHardButton);
  Press(CellPoint(2, 2));
  MoveTo(CellPoint(5, 2));
  MoveTo(CellPoint(0, 2));  // the border ring: not drawable
  Release(CellPoint(0, 2));
  EXPECT_EQ(CellsHolding(Track(), Blocks::WallHard), (Cells{{2, 2}, {5, 2}}));
  EXPECT_EQ(Track().Blocks[BlockIndex(0, 2)], Blocks::Border);
  EXPECT_EQ(editor.Undo.UndoNr(), 1) << "one snapshot for the whole drag";
  EXPECT_EQ(editor.Controls.sbConfig[2].Text, "5,2");
}

TEST_F(EditorDrawingTest, FillStaysInsideFourConnectedRegions) {
  // A diagonal wall from (30, 1) to (1, 30): the Dirt on its two sides
  // touches only at corners.
  ChooseBlock(WallHardButton);
  DragCells(30, 1, 1, 30);
  ASSERT_EQ(CellsHolding(Track(), Blocks::WallHard).size(), 30u);
  ClickButton(5);
  ChooseBlock(WaterButton);
  Press(CellPoint(1, 1));
  Release(CellPoint(1, 1));
  Cells triangle;
  for (int x = 1; x <= 29; ++x)
    for (int y = 1; x + y <= 30; ++y) triangle.insert({x, y});
  EXPECT_EQ(CellsHolding(Track(), Blocks::Water), triangle);
  EXPECT_EQ(GroundAt(1, 1), Blocks::Water);
  EXPECT_EQ(GroundAt(40, 30), Blocks::Dirt);
  EXPECT_TRUE(ShowsSheetCell(PlayField(), 29 * 12, 1 * 12, Blocks::Water));
  EXPECT_TRUE(platform.Beeps.empty());

  // On its own block: a beep, nothing drawn, still a snapshot.
  const int snapshots = editor.Undo.UndoNr();
  const TrackRecord before = Track();
  Press(CellPoint(3, 3));
  Release(CellPoint(3, 3));
  EXPECT_EQ(platform.Beeps.size(), 1u);
  EXPECT_EQ(Track(), before);
  EXPECT_EQ(editor.Undo.UndoNr(), snapshots + 1);

  // The other side, up to the border ring, which stays.
  Press(CellPoint(51, 35));
  Release(CellPoint(51, 35));
  EXPECT_EQ(CellsHolding(Track(), Blocks::Water).size(), 51u * 35u - 30u);
  EXPECT_EQ(Track().Blocks[BlockIndex(52, 35)], Blocks::Border);
}

TEST_F(EditorDrawingTest, ItemsKeepTheGroundUnderThemAndGroundsReplaceIt) {
  ChooseBlock(WaterButton);
  Press(CellPoint(8, 8));
  Release(CellPoint(8, 8));
  ChooseBlock(AppleButton);
  Press(CellPoint(8, 8));
  Release(CellPoint(8, 8));
  EXPECT_EQ(BlockAt(8, 8), Blocks::Apple);
  EXPECT_EQ(GroundAt(8, 8), Blocks::Water);
  ChooseBlock(SandButton);
  Press(CellPoint(8, 8));
  Release(CellPoint(8, 8));
  EXPECT_EQ(BlockAt(8, 8), Blocks::Sand);
  EXPECT_EQ(GroundAt(8, 8), Blocks::Sand);
  EXPECT_EQ(editor.Controls.sbConfig[3].Text, "Sand");
}

TEST_F(EditorDrawingTest, TheGridComesAndGoesWithoutChangingAPixel) {
  ChooseBlock(WallHardButton);
  DragCells(20, 10, 30, 10);
  const QImage plain = PlayField();
  ClickButton(10);
  ASSERT_TRUE(form.GridShown);
  const QImage gridded = PlayField();
  EXPECT_NE(gridded, plain);
  // Grid lines: white on cell borders, yellow around the middle row and
  // column; the frame shows the coordinates picture.
  const QRgb wall = PlayField().pixel(20 * 12 + 5, 10 * 12 + 5);
  EXPECT_EQ(gridded.pixel(20 * 12 + 5, 10 * 12), plain.pixel(20 * 12 + 5, 10 * 12) ^ 0x00FFFFFF);
  EXPECT_EQ(gridded.pixel(312, 100), plain.pixel(312, 100) ^ 0x00FFFF00);
  EXPECT_EQ(gridded.pixel(5, 100), qRgb(60, 90, 150));
  EXPECT_EQ(wall, plain.pixel(20 * 12 + 5, 10 * 12 + 5));
  QTest::keyPress(&window, Qt::Key_F2);
  EXPECT_FALSE(form.GridShown);
  EXPECT_EQ(PlayField(), plain) << "the frame and title come back as they were";
  EXPECT_FALSE(Toolbox().findChild<QToolButton*>("Button10")->isChecked());
}

TEST_F(EditorDrawingTest, DrawingUnderTheGridKeepsTheGridIntact) {
  // The same strokes with and without the grid give the same picture once
  // both show the grid.
  auto draw = [this] {
    ChooseBlock(WallHardButton);
    DragCells(25, 17, 27, 19);
    ClickButton(2);
    DragCells(3, 3, 6, 4);
    ClickButton(5);
    Press(CellPoint(40, 30));
    Release(CellPoint(40, 30));
    ClickButton(1);
  };
  ClickButton(10);
  draw();
  const QImage drawnUnderGrid = PlayField();
  ChooseBlock(DirtButton);
  ClickButton(5);
  Press(CellPoint(40, 30));
  Release(CellPoint(40, 30));
  ClickButton(10);
  ClickButton(2);
  DragCells(1, 1, 51, 35);
  ClickButton(1);
  draw();
  ClickButton(10);
  EXPECT_EQ(PlayField(), drawnUnderGrid);
}

TEST_F(EditorDrawingTest, TheLineToolIsRefusedAndThePreviousToolStays) {
  ClickButton(3);
  ClickButton(4);
  ASSERT_FALSE(platform.Questions.empty());
  EXPECT_EQ(platform.Questions.back().Text,
            "The line tool isn't working properly yet,\ni will fix it soon...");
  EXPECT_EQ(platform.Questions.back().Caption, "Line Tool");
  EXPECT_EQ(platform.Questions.back().Icon, MessageIcon::Exclamation);
  EXPECT_EQ(editor.CurrentTool, 3);
  EXPECT_TRUE(Toolbox().findChild<QToolButton*>("Button3")->isChecked());
  EXPECT_FALSE(Toolbox().findChild<QToolButton*>("Button4")->isChecked());
  EXPECT_TRUE(platform.PlayFieldCursor.endsWith("/Curser/Hollow Rectangel.cur"));
}

TEST_F(EditorDrawingTest, ARightClickOpensTheMenuAndDrawsNothing) {
  ChooseBlock(WallHardButton);
  DragCells(4, 4, 6, 4);
  std::map<QString, bool> enabled;
  OnNextPopup([&](QMenu& menu) {
    for (QAction* action : menu.findChildren<QAction*>())
      if (!action->text().isEmpty()) enabled[action->text()] = action->isEnabled();
  });
  const TrackRecord before = Track();
  Press(CellPoint(9, 9), Qt::RightButton);
  Release(CellPoint(9, 9), Qt::RightButton);
  EXPECT_EQ(Track(), before);
  EXPECT_EQ((std::map<QString, bool>{{"Undo", true},
                                      {"Redo", false},
                                      {"Information", true},
                                      {"Erase", true},
                                      {"Next", false},
                                      {"Prev", false},
                                      {"Change Name", true},
                                      {"Add", true},
                                      {"Remove", false},
                                      {"Test", true},
                                      {"New", true},
                                      {"Open", true},
                                      {"Save", true},
                                      {"Save As...", true},
                                      {"Toolbox", true},
                                      {"Quit Editor", true},
                                      {"Track...", true},
                                      {"Database...", true}}),
            enabled);
  EXPECT_EQ(platform.FocusChanges.back(), FocusWindow::Toolbox);
}

TEST_F(EditorDrawingTest, ShowGridInvertsExactlyTheLinesOnce) {
  Surface surface(636, 444, QColor(10, 20, 30));
  ShowGrid(surface);
  EXPECT_EQ(surface.Pixel(12, 100), qRgb(245, 235, 225)) << "a white line";
  EXPECT_EQ(surface.Pixel(12, 12), qRgb(10, 20, 30)) << "crossings are inverted twice";
  EXPECT_EQ(surface.Pixel(324, 50), qRgb(245, 235, 30)) << "a yellow line";
  EXPECT_EQ(surface.Pixel(100, 228), qRgb(245, 235, 30));
  EXPECT_EQ(surface.Pixel(624, 100), qRgb(245, 235, 225)) << "the outermost column";
  EXPECT_EQ(surface.Pixel(11, 100), qRgb(10, 20, 30));
  EXPECT_EQ(surface.Pixel(100, 433), qRgb(10, 20, 30));
  ShowGrid(surface);
  EXPECT_EQ(surface.Image(), Surface(636, 444, QColor(10, 20, 30)).Image());
}

}  // namespace
