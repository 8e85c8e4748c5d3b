#include "medium_level.h"

#include "random_column.h"
#include "search.h"

int ChooseMedium(const Position& position, std::mt19937& random) {
  Search search(Evaluate, nullptr, SearchLimits{});
  const Bits playable = position.PlayableCells();
  Bits best = 0;
  int bestScore = -kInfinity;
  for (int column = 0; column < kColumns; ++column) {
    const Bits cell = playable & ColumnCells(column);
    if (cell == 0) continue;
    Position after = position;
    after.Play(column);
    const int score = position.IsWinningMove(column)
                          ? WinAfter(after.MoveCount())
                          : -search.Score(after, kMediumDepth - 1, -kInfinity, kInfinity);
    if (score > bestScore) {
      bestScore = score;
      best = 0;
    }
    if (score == bestScore) best |= cell;
  }
  return RandomColumn(best, random);
}
