#include "easy_level.h"

#include "random_column.h"

int ChooseEasy(const Position& position, std::mt19937& random) {
  const Bits playable = position.PlayableCells();
  const Bits wins = playable & position.OwnWinningCells();
  if (wins != 0) return RandomColumn(wins, random);
  const Bits blocks = playable & position.OtherWinningCells();
  return RandomColumn(blocks != 0 ? blocks : playable, random);
}
