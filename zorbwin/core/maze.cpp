#include "core/maze.h"

#include <algorithm>
#include <string_view>

Maze gameMaze;

namespace {

constexpr std::string_view CellCodes = " .1234";

bool InMaze(int column, int row) {
  return column >= 0 && column < MazeColumns && row >= 0 && row < MazeRows;
}

// Division rounding toward minus infinity, so pixels left of or below the
// maze fall into cells outside it.
int FloorDiv(int value, int divisor) {
  int quotient = value / divisor;
  return (value % divisor != 0 && value < 0) ? quotient - 1 : quotient;
}

}  // namespace

bool IsCellCode(CellCode code) {
  return code != '\0' && CellCodes.find(code) != std::string_view::npos;
}

CellCode CellAt(const Maze& maze, int column, int row) {
  if (!InMaze(column, row)) return CellWall;
  return maze.cells[row * MazeColumns + column];
}

void SetCell(Maze& maze, int column, int row, CellCode code) {
  if (InMaze(column, row)) maze.cells[row * MazeColumns + column] = code;
}

int PixelColumn(int x) { return FloorDiv(x, CellWidth); }

int PixelRow(int y) { return MazeRows - 1 - FloorDiv(y, CellHeight); }

CellCode CellAtPixel(const Maze& maze, int x, int y) {
  return CellAt(maze, PixelColumn(x), PixelRow(y));
}

std::int32_t CellSprite(const Maze& maze, CellCode code) {
  for (const CellImage& image : maze.imageTable) {
    if (image.code == code) return image.sprite;
  }
  return SpriteBlank;
}

void SetWallSprite(Maze& maze, std::int32_t sprite) {
  for (CellImage& image : maze.imageTable) {
    if (image.code == CellWall) image.sprite = sprite;
  }
}

int CountDots(const Maze& maze) {
  return static_cast<int>(std::count(maze.cells.begin(), maze.cells.end(), CellDot));
}
