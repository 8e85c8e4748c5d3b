#include "position.h"

#include <bit>

namespace {

// Shifts that step to the next cell of a line: up a column, along a row, and
// along the two diagonals.
constexpr int kUp = 1;
constexpr int kAlongRow = kColumnBits;
constexpr int kDownRight = kColumnBits - 1;
constexpr int kUpRight = kColumnBits + 1;

// Cells that complete four with three disks in a row on a line of this step.
Bits LineWinningCells(Bits disks, int step) {
  Bits cells = 0;
  Bits pair = (disks << step) & (disks << 2 * step);
  cells |= pair & (disks << 3 * step);
  cells |= pair & (disks >> step);
  pair = (disks >> step) & (disks >> 2 * step);
  cells |= pair & (disks << step);
  cells |= pair & (disks >> 3 * step);
  return cells;
}

bool HasFour(Bits disks) {
  for (int step : {kUp, kAlongRow, kDownRight, kUpRight}) {
    const Bits pairs = disks & (disks >> step);
    if ((pairs & (pairs >> 2 * step)) != 0) return true;
  }
  return false;
}

}  // namespace

Position Position::FromBoard(const Board& board, const std::string& markToMove) {
  Position position;
  for (int cell = 0; cell < kCells; ++cell) {
    if (board[cell].empty()) continue;
    const Bits bit = CellBit(ColumnOf(cell), kRows - 1 - RowOf(cell));
    position.mask_ |= bit;
    if (board[cell] == markToMove) position.own_ |= bit;
    ++position.moveCount_;
  }
  return position;
}

void Position::Play(int column) {
  own_ ^= mask_;
  mask_ |= mask_ + CellBit(column, 0);
  ++moveCount_;
}

bool Position::IsWinningMove(int column) const {
  const Bits cell = (mask_ + CellBit(column, 0)) & ColumnCells(column);
  return HasFour(own_ | cell);
}

Bits Position::NonLosingCells() const {
  Bits cells = PlayableCells();
  const Bits threats = OtherWinningCells();
  const Bits forced = cells & threats;
  if (forced != 0) {
    if ((forced & (forced - 1)) != 0) return 0;
    cells = forced;
  }
  // A disk right below one of the other side's winning cells lets it in.
  return cells & ~(threats >> 1);
}

Bits Position::WinningCells(Bits disks) const {
  Bits cells = (disks << 1) & (disks << 2) & (disks << 3);
  for (int step : {kAlongRow, kDownRight, kUpRight}) cells |= LineWinningCells(disks, step);
  return cells & (kAllCells ^ mask_);
}

int ColumnOfCell(Bits cell) { return std::countr_zero(cell) / kColumnBits; }
