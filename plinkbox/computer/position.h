#pragma once

#include <cstdint>
#include <string>

#include "board.h"

// The search's board keeps a cell a bit: each column takes 8 bits of a 64-bit
// word, its bottom cell lowest and one spare bit above its top, so that the
// shifts that look for four never carry into the next column.
using Bits = std::uint64_t;

inline constexpr int kRows = kCells / kColumns;
inline constexpr int kColumnBits = kRows + 1;

// The bit of the cell in the column, counting rows from the bottom.
constexpr Bits CellBit(int column, int rowFromBottom) {
  return Bits{1} << (column * kColumnBits + rowFromBottom);
}

// The seven cells of a column.
constexpr Bits ColumnCells(int column) { return ((Bits{1} << kRows) - 1) << (column * kColumnBits); }

inline constexpr Bits kBottomCells = [] {
  Bits cells = 0;
  for (int column = 0; column < kColumns; ++column) cells |= CellBit(column, 0);
  return cells;
}();
inline constexpr Bits kAllCells = kBottomCells * ((Bits{1} << kRows) - 1);

// The column of the lowest cell of a set of cells.
int ColumnOfCell(Bits cell);

// How many cells a set holds; inline bit arithmetic, as fast on every processor.
constexpr int CountCells(Bits cells) {
  cells -= (cells >> 1) & 0x5555555555555555ULL;
  cells = (cells & 0x3333333333333333ULL) + ((cells >> 2) & 0x3333333333333333ULL);
  cells = (cells + (cells >> 4)) & 0x0F0F0F0F0F0F0F0FULL;
  return static_cast<int>((cells * 0x0101010101010101ULL) >> 56);
}

// A board for the computer's search, with the disks of the side to move kept
// apart from all disks.
class Position {
 public:
  // The game's board with the side whose mark ("R" or "B") moves next.
  static Position FromBoard(const Board& board, const std::string& markToMove);

  bool CanPlay(int column) const { return (mask_ & CellBit(column, kRows - 1)) == 0; }
  // Drops a disk of the side to move; the other side moves next.
  void Play(int column);
  // Whether a disk of the side to move in the column makes four.
  bool IsWinningMove(int column) const;
  int MoveCount() const { return moveCount_; }
  // Tells positions apart: no two of them share a key.
  Bits Key() const { return own_ + mask_; }

  // The lowest free cell of every column that is not full.
  Bits PlayableCells() const { return (mask_ + kBottomCells) & kAllCells; }
  // Playable cells that leave the other side no four on its next move; none
  // when the side to move cannot stop it.
  Bits NonLosingCells() const;
  // Free cells where a disk of the side to move would make four.
  Bits OwnWinningCells() const { return WinningCells(own_); }
  // Free cells where a disk of the other side would make four.
  Bits OtherWinningCells() const { return WinningCells(own_ ^ mask_); }
  Bits OwnDisks() const { return own_; }
  Bits OtherDisks() const { return own_ ^ mask_; }

 private:
  Bits WinningCells(Bits disks) const;

  Bits own_ = 0;
  Bits mask_ = 0;
  int moveCount_ = 0;
};
