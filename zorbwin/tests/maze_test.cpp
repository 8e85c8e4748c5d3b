#include "core/maze.h"

#include <gtest/gtest.h>

#include "core/sprite_ids.h"

namespace {

TEST(MazeTest, CellsOutsideTheMazeReadAsWall) {
  Maze maze;
  maze.cells.fill(CellDot);
  EXPECT_EQ(CellAt(maze, 0, 0), CellDot);
  EXPECT_EQ(CellAt(maze, 18, 18), CellDot);
  for (auto [column, row] : {std::pair{-1, 0}, {0, -1}, {19, 0}, {0, 19}, {-5, 40}}) {
    EXPECT_EQ(CellAt(maze, column, row), CellWall) << column << "," << row;
  }
  SetCell(maze, 19, 0, CellCorridor);
  SetCell(maze, -1, 3, CellCorridor);
  EXPECT_EQ(CountDots(maze), MazeCellCount);
}

TEST(MazeTest, PixelsMapToCellsCountedFromTheBottom) {
  Maze maze;
  maze.cells.fill(CellCorridor);
  SetCell(maze, 9, 12, CellDot);  // under (180, 120)
  EXPECT_EQ(CellAtPixel(maze, 180, 120), CellDot);
  EXPECT_EQ(CellAtPixel(maze, 199, 139), CellDot);
  EXPECT_EQ(CellAtPixel(maze, 200, 120), CellCorridor);
  EXPECT_EQ(PixelRow(0), 18);
  EXPECT_EQ(PixelRow(379), 0);
  EXPECT_EQ(PixelRow(380), -1);
  EXPECT_EQ(PixelRow(-1), 19);
  EXPECT_EQ(PixelColumn(-1), -1);
  EXPECT_EQ(CellAtPixel(maze, -4, 120), CellWall);
  EXPECT_EQ(CellAtPixel(maze, 120, -4), CellWall);
}

TEST(MazeTest, WallSpriteIsTheOnlyChangingImage) {
  Maze maze;
  SetWallSprite(maze, SpriteWallGreen);
  EXPECT_EQ(CellSprite(maze, CellWall), SpriteWallGreen);
  EXPECT_EQ(CellSprite(maze, CellHouse), SpriteBlank);
  EXPECT_EQ(CellSprite(maze, CellGate), SpriteGate);
  EXPECT_EQ(CellSprite(maze, CellDot), SpriteDot);
}

}  // namespace
