#include "evaluation.h"

namespace {

// What a line of four is worth with one, two or three disks of a side and
// none of the other.
constexpr int kOneWorth = 1;
constexpr int kTwoWorth = 5;
constexpr int kThreeWorth = 25;
constexpr int kMiddleDiskWorth = 3;
constexpr int kMiddleColumn = kColumns / 2;

// A free cell where a disk would make four, and more on the side's own rows.
constexpr int kThreatWorth = 20;
constexpr int kOwnRowThreatWorth = 40;

// The first, third, fifth and seventh row.
constexpr Bits kOddRows = kBottomCells * 0b1010101;

// The lines of four of one direction: the shift from a cell to the next one
// and the cells where such a line can start.
struct Direction {
  int step;
  Bits starts;
};

constexpr Bits Starts(int lastColumn, int firstRow, int lastRow) {
  Bits cells = 0;
  for (int column = 0; column <= lastColumn; ++column) {
    for (int row = firstRow; row <= lastRow; ++row) cells |= CellBit(column, row);
  }
  return cells;
}

constexpr Direction kDirections[] = {
    {1, Starts(kColumns - 1, 0, kRows - 4)},                // up a column
    {kColumnBits, Starts(kColumns - 4, 0, kRows - 1)},      // along a row
    {kColumnBits + 1, Starts(kColumns - 4, 0, kRows - 4)},  // up to the right
    {kColumnBits - 1, Starts(kColumns - 4, 3, kRows - 1)},  // down to the right
};

// For every start of a line that the other side leaves free, whether the
// side holds one, two or three of its cells, one set each.
struct LineCounts {
  Bits one;
  Bits two;
  Bits three;
};

LineCounts CountLines(const Direction& direction, Bits disks, Bits otherDisks) {
  const int s = direction.step;
  const Bits open = direction.starts & ~(otherDisks | otherDisks >> s | otherDisks >> 2 * s |
                                         otherDisks >> 3 * s);
  // The four cells of each line added up, bit by bit.
  const Bits a = disks, b = disks >> s, c = disks >> 2 * s, d = disks >> 3 * s;
  const Bits sumAB = a ^ b, carryAB = a & b, sumCD = c ^ d, carryCD = c & d;
  const Bits ones = sumAB ^ sumCD;
  const Bits twos = carryAB ^ carryCD ^ (sumAB & sumCD);
  const Bits fours = (carryAB & carryCD) | ((sumAB & sumCD) & (carryAB ^ carryCD));
  return {open & ones & ~twos & ~fours, open & ~ones & twos & ~fours, open & ones & twos};
}

int LinesWorth(Bits disks, Bits otherDisks) {
  int worth = 0;
  for (const Direction& direction : kDirections) {
    const LineCounts counts = CountLines(direction, disks, otherDisks);
    worth += kOneWorth * CountCells(counts.one) + kTwoWorth * CountCells(counts.two) +
             kThreeWorth * CountCells(counts.three);
  }
  return worth;
}

}  // namespace

int Evaluate(const Position& position) {
  const Bits own = position.OwnDisks();
  const Bits other = position.OtherDisks();
  const Bits middle = ColumnCells(kMiddleColumn);
  return LinesWorth(own, other) - LinesWorth(other, own) +
         kMiddleDiskWorth * (CountCells(own & middle) - CountCells(other & middle));
}

int EvaluateThreats(const Position& position) {
  const Bits own = position.OwnWinningCells();
  const Bits other = position.OtherWinningCells();
  const bool redToMove = position.MoveCount() % 2 == 0;
  const Bits ownRows = redToMove ? kOddRows : kAllCells ^ kOddRows;
  const Bits otherRows = kAllCells ^ ownRows;
  return Evaluate(position) + kThreatWorth * (CountCells(own) - CountCells(other)) +
         kOwnRowThreatWorth * (CountCells(own & ownRows) - CountCells(other & otherRows));
}
