#include "core/maze_drawing.h"

#include "core/blit.h"
#include "core/game_surfaces.h"
#include "core/panel_text.h"
#include "core/sprite_ids.h"
#include "core/sprite_sheet.h"

namespace {

constexpr int PanelLeft = MazePixelWidth;
constexpr int PanelRight = WindowSurfaceWidth - SpriteSize;
constexpr int PanelTop = WindowSurfaceHeight - SpriteSize;

void DrawCell(int surface, const Maze& maze, int column, int row) {
  DrawSprite(spriteSheet, surface, CellSprite(maze, CellAt(maze, column, row)), column * CellWidth,
             (MazeRows - 1 - row) * CellHeight, BLIT_COPY);
}

void DrawTile(std::int32_t sprite, int x, int y) {
  DrawSprite(spriteSheet, gameSurfaces.backgroundSurface, sprite, x, y, BLIT_COPY);
}

}  // namespace

void DrawMaze(const Maze& maze) {
  for (int row = 0; row < MazeRows; ++row) {
    for (int column = 0; column < MazeColumns; ++column) {
      DrawCell(gameSurfaces.backgroundSurface, maze, column, row);
    }
  }
}

void DrawPanelFrame(const Maze& maze) {
  std::int32_t wall = CellSprite(maze, CellAt(maze, 0, 0));
  for (int x = PanelLeft; x <= PanelRight; x += SpriteSize) {
    DrawTile(wall, x, PanelTop);
    DrawTile(wall, x, 0);
  }
  for (int y = PanelTop - SpriteSize; y > 0; y -= SpriteSize) {
    for (int x = PanelLeft; x < PanelRight; x += SpriteSize) DrawTile(SpriteBlank, x, y);
    DrawTile(wall, PanelRight, y);
  }
}

void RedrawCell(int column, int row) {
  if (column < 0 || column >= MazeColumns || row < 0 || row >= MazeRows) return;
  DrawCell(gameSurfaces.windowSurface, gameMaze, column, row);
}

void RedrawCellsAround(int x, int y) {
  int column = PixelColumn(x);
  int row = PixelRow(y);
  RedrawCell(column, row);
  RedrawCell(column - 1, row);
  RedrawCell(column + 1, row);
  RedrawCell(column, row - 1);
  RedrawCell(column, row + 1);
}

void RepaintWindow() {
  Blit(gameSurfaces.backgroundSurface, gameSurfaces.windowSurface, 0, 0, WindowSurfaceWidth,
       WindowSurfaceHeight, 0, 0, BLIT_COPY);
  DrawPanelLabels();
}
