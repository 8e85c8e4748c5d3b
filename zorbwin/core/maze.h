#pragma once

#include <array>
#include <cstdint>

#include "core/sprite_ids.h"

// The maze: 19 x 19 cells of 20 x 20 pixels, row 0 at the top. Pixel
// positions count x from the left edge and y upward from the bottom edge.
constexpr int MazeColumns = 19;
constexpr int MazeRows = 19;
constexpr int MazeCellCount = MazeColumns * MazeRows;
constexpr int CellWidth = 20;
constexpr int CellHeight = 20;
constexpr int MazePixelWidth = MazeColumns * CellWidth;
constexpr int MazePixelHeight = MazeRows * CellHeight;

using CellCode = char;
constexpr CellCode CellCorridor = ' ';
constexpr CellCode CellDot = '.';
constexpr CellCode CellWall = '1';
constexpr CellCode CellHouse = '2';
constexpr CellCode CellHouseExit = '3';
constexpr CellCode CellGate = '4';

// True for the six codes a maze may hold.
bool IsCellCode(CellCode code);

struct CellImage {
  CellCode code;
  std::int32_t sprite;
};

struct Maze {
  std::array<CellCode, MazeCellCount> cells{};
  // The sprite that draws each code; the wall row changes with the level.
  std::array<CellImage, 6> imageTable{{{' ', SpriteBlank},
                                       {'.', SpriteDot},
                                       {'1', SpriteWallBlue},
                                       {'2', SpriteBlank},
                                       {'3', SpriteBlank},
                                       {'4', SpriteGate}}};
  int columns = MazeColumns;
  int rows = MazeRows;
  int cellWidth = CellWidth;
  int cellHeight = CellHeight;
};

// The maze of the running game.
extern Maze gameMaze;

// Code of cell (column, row); a cell outside the maze reads as wall.
CellCode CellAt(const Maze& maze, int column, int row);
// Changes cell (column, row); ignored outside the maze.
void SetCell(Maze& maze, int column, int row, CellCode code);

// Column and row of the cell holding pixel (x, y), also outside the maze.
int PixelColumn(int x);
int PixelRow(int y);
// Code of the cell under pixel (x, y); wall outside the maze.
CellCode CellAtPixel(const Maze& maze, int x, int y);

// Sprite of a code from the image table; the blank sprite for an unknown code.
std::int32_t CellSprite(const Maze& maze, CellCode code);
void SetWallSprite(Maze& maze, std::int32_t sprite);

// Number of dot cells.
int CountDots(const Maze& maze);
