#include "core/maze_drawing.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "core/game_state.h"
#include "core/game_surfaces.h"
#include "core/sprite_bitmap.h"
#include "core/sprite_ids.h"
#include "core/surface.h"

namespace {

constexpr QRgb Marker = 0xFF123456;

class MazeDrawingTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ClearSurfaces();
    ASSERT_EQ(CreateGameSurfaces(-1), 0);
    saved_ = gameMaze;
    gameMaze.cells.fill(CellDot);
    SetWallSprite(gameMaze, SpriteWallGreen);
  }
  void TearDown() override {
    gameMaze = saved_;
    ReleaseGameSurfaces();
    ClearSurfaces();
  }

  static QImage Tile(int surface, int column, int row) {
    return surfaces[surface].device.copy(column * 20, row * 20, 20, 20);
  }

  Maze saved_;
};

TEST_F(MazeDrawingTest, CellRedrawCoversTheCellAndItsNeighboursInsideTheMaze) {
  const QImage dot = SpriteBitmap(SpriteDot);
  const struct {
    int x, y;
    std::set<std::pair<int, int>> cells;  // column, row
  } cases[] = {
      {20, 20, {{1, 17}, {0, 17}, {2, 17}, {1, 16}, {1, 18}}},
      {0, 0, {{0, 18}, {1, 18}, {0, 17}}},
      {360, 360, {{18, 0}, {17, 0}, {18, 1}}},
      {-40, 100, {}},
  };
  for (const auto& c : cases) {
    surfaces[gameSurfaces.windowSurface].device.fill(Marker);
    RedrawCellsAround(c.x, c.y);
    for (int row = 0; row < MazeRows; ++row) {
      for (int column = 0; column < MazeColumns + 1; ++column) {
        bool drawn = c.cells.count({column, row}) > 0;
        QImage tile = Tile(gameSurfaces.windowSurface, column, row);
        EXPECT_EQ(tile.pixel(9, 9), drawn ? dot.pixel(9, 9) : Marker)
            << c.x << "," << c.y << " cell " << column << "," << row;
      }
    }
  }
}

TEST_F(MazeDrawingTest, RepaintShowsTheBackgroundWithThePanelTexts) {
  SetCell(gameMaze, 3, 4, CellWall);
  SetCell(gameMaze, 0, 0, CellWall);
  DrawMaze(gameMaze);
  DrawPanelFrame(gameMaze);
  surfaces[gameSurfaces.windowSurface].device.fill(Marker);
  RepaintWindow();
  const QImage& window = surfaces[gameSurfaces.windowSurface].device;
  const QImage& background = surfaces[gameSurfaces.backgroundSurface].device;
  EXPECT_EQ(Tile(gameSurfaces.windowSurface, 3, 4), SpriteBitmap(SpriteWallGreen));
  EXPECT_EQ(window.copy(0, 0, 380, 380), background.copy(0, 0, 380, 380));
  EXPECT_EQ(Tile(gameSurfaces.windowSurface, 28, 18), SpriteBitmap(SpriteWallGreen));
  // The score's first digit: a lit dot where the background has none.
  EXPECT_EQ(background.pixel(418, 112), 0xFF000000);
  EXPECT_EQ(window.pixel(418, 112), 0xFFFFFF00);
}

}  // namespace
