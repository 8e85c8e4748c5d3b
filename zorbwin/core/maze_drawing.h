#pragma once

#include "core/maze.h"

// Draws every cell of maze with the sprite of its code onto the background.
void DrawMaze(const Maze& maze);
// Draws the panel's wall frame (top, bottom and right) onto the background,
// with the tile of the maze's top-left cell.
void DrawPanelFrame(const Maze& maze);
// Draws cell (column, row) of the game's maze onto the window; ignored
// outside the maze.
void RedrawCell(int column, int row);
// Redraws the cell under pixel (x, y) and its four neighbours on the window.
void RedrawCellsAround(int x, int y);
// Copies the whole background onto the window and writes the panel texts.
void RepaintWindow();
