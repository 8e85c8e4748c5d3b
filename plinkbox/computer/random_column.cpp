#include "random_column.h"

int RandomColumn(Bits cells, std::mt19937& random) {
  std::uniform_int_distribution<int> pick(0, CountCells(cells) - 1);
  for (int skip = pick(random); skip > 0; --skip) cells &= cells - 1;
  return ColumnOfCell(cells);
}
