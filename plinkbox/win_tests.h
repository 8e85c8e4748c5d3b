#pragma once

#include "board.h"

// The red line through a four, from one end cell to the other.
struct WinnerLine {
  int from = 0;
  int to = 0;
  bool visible = false;
};

// Each test looks for a four through the cell just filled; every window that
// matches redraws the line, so the last match decides where it lies.
bool CheckVertical(const Board& board, int i, WinnerLine& line);
bool CheckHorizontal(const Board& board, int i, WinnerLine& line);
bool CheckDiagonals(const Board& board, int i, WinnerLine& line);
