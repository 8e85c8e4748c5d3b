#include "win_tests.h"

#include <span>

namespace {

// A window of four cells through cell i: where i may lie, the three other
// cells as offsets from i, and the line's ends as offsets from i.
struct Window {
  int minColumn;
  int maxColumn;
  int minCell;
  int maxCell;
  std::array<int, 3> others;
  int from;
  int to;
};

constexpr Window kVertical[] = {
    {0, 6, 0, 27, {7, 14, 21}, 0, 21},
};

constexpr Window kHorizontal[] = {
    {0, 3, 0, 48, {1, 2, 3}, 0, 3},
    {1, 4, 0, 48, {-1, 1, 2}, -1, 2},
    {2, 5, 0, 48, {-2, -1, 1}, 1, -2},
    {3, 6, 0, 48, {-3, -2, -1}, 0, -3},
};

// A step of 8 is one row down and one column right, 6 one row down and one left.
constexpr Window kDiagonals[] = {
    {0, 3, 0, 24, {8, 16, 24}, 0, 24},
    {1, 4, 8, 32, {-8, 8, 16}, -8, 16},
    {2, 5, 16, 40, {-16, -8, 8}, -16, 8},
    {3, 6, 24, 48, {-24, -16, -8}, 0, -24},
    {0, 3, 21, 48, {-6, -12, -18}, 0, -18},
    {1, 4, 14, 41, {-12, -6, 6}, -12, 6},
    {2, 5, 7, 34, {-6, 6, 12}, -6, 12},
    {3, 6, 0, 27, {6, 12, 18}, 0, 18},
};

bool Applies(const Window& window, int i) {
  const int column = ColumnOf(i);
  return column >= window.minColumn && column <= window.maxColumn &&
         i >= window.minCell && i <= window.maxCell;
}

bool Matches(const Board& board, int i, const Window& window) {
  for (int offset : window.others) {
    if (board[i + offset] != board[i]) return false;
  }
  return true;
}

bool CheckWindows(const Board& board, int i, std::span<const Window> windows,
                  WinnerLine& line) {
  bool found = false;
  for (const Window& window : windows) {
    if (Applies(window, i) && Matches(board, i, window)) {
      line = {i + window.from, i + window.to, true};
      found = true;
    }
  }
  return found;
}

}  // namespace

bool CheckVertical(const Board& board, int i, WinnerLine& line) {
  return CheckWindows(board, i, kVertical, line);
}

bool CheckHorizontal(const Board& board, int i, WinnerLine& line) {
  return CheckWindows(board, i, kHorizontal, line);
}

bool CheckDiagonals(const Board& board, int i, WinnerLine& line) {
  return CheckWindows(board, i, kDiagonals, line);
}
